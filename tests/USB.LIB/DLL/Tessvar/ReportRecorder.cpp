#include "ReportRecorder.h"

#include "LibraryContext.h"

#include <chrono>

ReportRecorder::~ReportRecorder()
{
    if (context_)
        context_->setCallback(nullptr, nullptr);
}

void TESSVAR_CALL ReportRecorder::callback(int deviceIndex, int command, int result, const void *payload,
                                             int length, void *user)
{
    Report report{deviceIndex, command, result, payload == nullptr, length, QByteArray()};
    if (payload && length > 0)
        report.payload = QByteArray(static_cast<const char *>(payload), length);
    static_cast<ReportRecorder *>(user)->add(std::move(report));
}

void ReportRecorder::install()
{
    SetMsgCallBack(&ReportRecorder::callback, this);
    context_ = &LibraryContext::instance();
}

void ReportRecorder::install(LibraryContext &context)
{
    context.setCallback(&ReportRecorder::callback, this);
    context_ = &context;
}

void ReportRecorder::add(Report report)
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        reports_.append(std::move(report));
    }
    changed_.notify_all();
}

int ReportRecorder::countOf(int command) const
{
    int count = 0;
    for (const Report &report : reports_)
        count += report.command == command ? 1 : 0;
    return count;
}

bool ReportRecorder::waitFor(std::size_t count, int timeoutMs) const
{
    std::unique_lock<std::mutex> lock(mutex_);
    return changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                             [&] { return static_cast<std::size_t>(reports_.size()) >= count; });
}

bool ReportRecorder::waitForCommand(int command, int timeoutMs, int count) const
{
    std::unique_lock<std::mutex> lock(mutex_);
    return changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                             [&] { return countOf(command) >= count; });
}

QList<ReportRecorder::Report> ReportRecorder::reports() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return reports_;
}

QList<int> ReportRecorder::commands() const
{
    QList<int> codes;
    for (const Report &report : reports())
        codes.append(report.command);
    return codes;
}

std::size_t ReportRecorder::count() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return static_cast<std::size_t>(reports_.size());
}

void ReportRecorder::clear()
{
    std::lock_guard<std::mutex> lock(mutex_);
    reports_.clear();
}
