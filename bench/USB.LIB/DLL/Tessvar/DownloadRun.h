#pragma once

#include <cstdint>
#include <string>

// One measured download: wall time and the process's CPU time while it ran.
class DownloadRun
{
public:
    void start();
    void stop(std::uint64_t bytes);

    double seconds() const { return seconds_; }
    double cpuSeconds() const { return cpuSeconds_; }
    double megabytesPerSecond() const;
    double cpuMillisecondsPerMebibyte() const;

private:
    static double processCpuSeconds();
    static double wallSeconds();

    double wallStart_ = 0;
    double cpuStart_ = 0;
    double seconds_ = 0;
    double cpuSeconds_ = 0;
    std::uint64_t bytes_ = 0;
};
