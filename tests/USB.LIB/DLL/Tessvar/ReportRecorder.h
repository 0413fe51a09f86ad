#pragma once

#include "Tessvar.h"

#include <QByteArray>
#include <QList>

#include <condition_variable>
#include <cstddef>
#include <mutex>

struct LibraryContext;

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
        int length;
        QByteArray payload;
    };

    ReportRecorder() = default;
    ReportRecorder(const ReportRecorder &) = delete;
    ReportRecorder &operator=(const ReportRecorder &) = delete;
    // Unregisters itself, so a reader thread never calls into a destroyed recorder.
    ~ReportRecorder();

    static void TESSVAR_CALL callback(int deviceIndex, int command, int result, const void *payload,
                                      int length, void *user);

    // Registers this recorder through the export, as a program does.
    void install();
    // Registers this recorder with a context of the test's own.
    void install(LibraryContext &context);

    // Waits until `count` reports of any command arrived.
    bool waitFor(std::size_t count, int timeoutMs) const;
    // Waits until `count` reports with the command arrived.
    bool waitForCommand(int command, int timeoutMs, int count = 1) const;
    QList<Report> reports() const;
    QList<int> commands() const;
    std::size_t count() const;
    void clear();

private:
    void add(Report report);
    int countOf(int command) const;

    LibraryContext *context_ = nullptr;
    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    QList<Report> reports_;
};
