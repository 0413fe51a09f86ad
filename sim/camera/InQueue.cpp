#include "InQueue.h"

#include "LittleEndian.h"

#include <algorithm>
#include <chrono>

namespace sim {

void InQueue::append(std::vector<Outbox::Item> items)
{
    if (items.empty())
        return;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        for (Outbox::Item &item : items)
            items_.push_back(std::move(item));
    }
    ready_.notify_all();
}

bool InQueue::take(std::vector<std::uint8_t> &packet, int timeoutMs, std::size_t chunk)
{
    std::unique_lock<std::mutex> lock(mutex_);
    if (!ready_.wait_for(lock, std::chrono::milliseconds(std::max(timeoutMs, 0)),
                         [this] { return !items_.empty(); }))
        return false;
    Outbox::Item &front = items_.front();
    if (!front.source) {
        packet = std::move(front.packet);
        items_.pop_front();
        return true;
    }
    const auto count = static_cast<std::size_t>(std::min<std::uint64_t>(chunk, front.end - front.position));
    packet.resize(Outbox::PacketHeadSize + count);
    std::fill(packet.begin(), packet.begin() + Outbox::PacketHeadSize, 0);
    camera::le::putU32(packet, 0, static_cast<std::uint32_t>(packet.size()));
    front.source->read(front.position, packet.data() + Outbox::PacketHeadSize, count);
    front.position += count;
    if (front.position >= front.end)
        items_.pop_front();
    return true;
}

std::size_t InQueue::size() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return items_.size();
}

} // namespace sim
