#pragma once

#include "Tessvar.h"

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <vector>

// Registered as the library's callback: copies every report while the payload
// is still valid, and lets a test wait for reports arriving on reader threads.
class ReportRecorder
{
public:
    struct Report {
        int deviceIndex;
        int command;
        int result;
        bool nullPayload;
        std::vector<std::uint8_t> payload;
    };

    static void TESSVAR_CALL callback(int deviceIndex, int command, int result, const void *payload,
                                      int length, void *user);

    // Registers this recorder with the library.
    void install();

    bool waitFor(std::size_t count, int timeoutMs) const;
    std::vector<Report> reports() const;
    std::size_t count() const;
    void clear();

private:
    void add(Report report);

    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    std::vector<Report> reports_;
};
