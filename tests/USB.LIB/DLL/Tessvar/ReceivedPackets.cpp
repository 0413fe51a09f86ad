#include "ReceivedPackets.h"

#include <chrono>

void ReceivedPackets::receive(int deviceIndex, const unsigned char *buffer, int length, LibraryContext *context)
{
    auto *self = reinterpret_cast<ReceivedPackets *>(context);
    std::function<void(int)> hook;
    {
        std::lock_guard<std::mutex> lock(self->mutex_);
        self->packets_.push_back({deviceIndex, std::vector<std::uint8_t>(buffer, buffer + length)});
        hook = self->hook_;
    }
    self->changed_.notify_all();
    if (hook)
        hook(deviceIndex);
}

LibraryContext *ReceivedPackets::context()
{
    return reinterpret_cast<LibraryContext *>(this);
}

void ReceivedPackets::setHook(std::function<void(int)> hook)
{
    std::lock_guard<std::mutex> lock(mutex_);
    hook_ = std::move(hook);
}

bool ReceivedPackets::waitFor(std::size_t count, int timeoutMs) const
{
    std::unique_lock<std::mutex> lock(mutex_);
    return changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] { return packets_.size() >= count; });
}

std::vector<ReceivedPackets::Packet> ReceivedPackets::packets() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return packets_;
}
