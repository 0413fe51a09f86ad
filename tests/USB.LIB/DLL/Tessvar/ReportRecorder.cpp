#include "ReportRecorder.h"

#include <chrono>

void TESSVAR_CALL ReportRecorder::callback(int deviceIndex, int command, int result, const void *payload,
                                             int length, void *user)
{
    Report report{deviceIndex, command, result, payload == nullptr, {}};
    if (payload && length > 0) {
        const auto *bytes = static_cast<const std::uint8_t *>(payload);
        report.payload.assign(bytes, bytes + length);
    }
    static_cast<ReportRecorder *>(user)->add(std::move(report));
}

void ReportRecorder::install()
{
    SetMsgCallBack(&ReportRecorder::callback, this);
}

void ReportRecorder::add(Report report)
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        reports_.push_back(std::move(report));
    }
    changed_.notify_all();
}

bool ReportRecorder::waitFor(std::size_t count, int timeoutMs) const
{
    std::unique_lock<std::mutex> lock(mutex_);
    return changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                             [&] { return reports_.size() >= count; });
}

std::vector<ReportRecorder::Report> ReportRecorder::reports() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return reports_;
}

std::size_t ReportRecorder::count() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return reports_.size();
}

void ReportRecorder::clear()
{
    std::lock_guard<std::mutex> lock(mutex_);
    reports_.clear();
}
