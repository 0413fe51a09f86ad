#include "CallbackRecorder.h"

#include "LibraryContext.h"

#include <chrono>

CallbackRecorder::CallbackRecorder(LibraryContext &context) : context_(context)
{
    context_.user = this;
    context_.callback = &CallbackRecorder::receive;
}

CallbackRecorder::~CallbackRecorder()
{
    context_.callback = nullptr;
    context_.user = nullptr;
}

void CallbackRecorder::receive(int device, int command, int result, const void *payload, int length,
                               void *user)
{
    auto *self = static_cast<CallbackRecorder *>(user);
    Call call{device, command, result, payload == nullptr, length, QByteArray()};
    if (payload && length > 0)
        call.payload = QByteArray(static_cast<const char *>(payload), length);
    {
        std::lock_guard<std::mutex> lock(self->mutex_);
        self->calls_.append(call);
    }
    self->changed_.notify_all();
}

QList<CallbackRecorder::Call> CallbackRecorder::calls() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return calls_;
}

QList<int> CallbackRecorder::commands() const
{
    QList<int> codes;
    for (const Call &call : calls())
        codes.append(call.command);
    return codes;
}

int CallbackRecorder::countOf(int command) const
{
    int count = 0;
    for (const Call &call : calls_)
        count += call.command == command ? 1 : 0;
    return count;
}

bool CallbackRecorder::waitFor(int command, int timeoutMs, int count) const
{
    std::unique_lock<std::mutex> lock(mutex_);
    return changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                             [&] { return countOf(command) >= count; });
}

void CallbackRecorder::clear()
{
    std::lock_guard<std::mutex> lock(mutex_);
    calls_.clear();
}
