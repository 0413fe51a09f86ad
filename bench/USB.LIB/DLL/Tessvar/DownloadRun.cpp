#include "DownloadRun.h"

#include <chrono>
#include <ctime>

void DownloadRun::start()
{
    wallStart_ = wallSeconds();
    cpuStart_ = processCpuSeconds();
}

void DownloadRun::stop(std::uint64_t bytes)
{
    seconds_ = wallSeconds() - wallStart_;
    cpuSeconds_ = processCpuSeconds() - cpuStart_;
    bytes_ = bytes;
}

double DownloadRun::megabytesPerSecond() const
{
    return seconds_ > 0 ? static_cast<double>(bytes_) / 1e6 / seconds_ : 0;
}

double DownloadRun::cpuMillisecondsPerMebibyte() const
{
    const double mebibytes = static_cast<double>(bytes_) / (1024.0 * 1024.0);
    return mebibytes > 0 ? cpuSeconds_ * 1000.0 / mebibytes : 0;
}

double DownloadRun::processCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

double DownloadRun::wallSeconds()
{
    using Clock = std::chrono::steady_clock;
    return std::chrono::duration<double>(Clock::now().time_since_epoch()).count();
}
