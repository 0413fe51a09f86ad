#pragma once

// Keeps a copy of every callback the library makes, since the payload is
// valid only while the callback runs, and lets a test wait for one.

#include <QByteArray>
#include <QList>

#include <condition_variable>
#include <mutex>

struct LibraryContext;

class CallbackRecorder
{
public:
    struct Call
    {
        int device;
        int command;
        int result;
        bool nullPayload;
        int length;
        QByteArray payload;
    };

    // Registers itself as the context's callback; unregisters on destruction.
    explicit CallbackRecorder(LibraryContext &context);
    ~CallbackRecorder();

    QList<Call> calls() const;
    QList<int> commands() const;
    // Waits until `count` callbacks with the command arrived.
    bool waitFor(int command, int timeoutMs, int count = 1) const;
    void clear();

private:
    static void receive(int device, int command, int result, const void *payload, int length,
                        void *user);
    int countOf(int command) const;

    LibraryContext &context_;
    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    QList<Call> calls_;
};
