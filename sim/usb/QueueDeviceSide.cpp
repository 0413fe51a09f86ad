#include "QueueDeviceSide.h"

#include <chrono>

namespace sim {

void QueueDeviceSide::handleOut(const std::uint8_t *data, std::size_t length)
{
    Packet packet(data, data + length);
    OutHandler handler;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        out_.push_back(packet);
        handler = handler_;
    }
    changed_.notify_all();
    if (handler)
        handler(packet, *this);
}

bool QueueDeviceSide::takeIn(Packet &packet, int timeoutMs)
{
    std::unique_lock<std::mutex> lock(mutex_);
    if (!changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs), [this] { return !in_.empty(); }))
        return false;
    packet = std::move(in_.front());
    in_.pop_front();
    return true;
}

void QueueDeviceSide::pushIn(Packet packet)
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        in_.push_back(std::move(packet));
    }
    changed_.notify_all();
}

void QueueDeviceSide::setOutHandler(OutHandler handler)
{
    std::lock_guard<std::mutex> lock(mutex_);
    handler_ = std::move(handler);
}

std::vector<QueueDeviceSide::Packet> QueueDeviceSide::outPackets() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return out_;
}

bool QueueDeviceSide::waitForOut(std::size_t count, int timeoutMs) const
{
    std::unique_lock<std::mutex> lock(mutex_);
    return changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] { return out_.size() >= count; });
}

std::size_t QueueDeviceSide::pendingIn() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return in_.size();
}

} // namespace sim
