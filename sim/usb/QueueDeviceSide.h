#pragma once

#include "DeviceSide.h"

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <vector>

namespace sim {

// A device side for transport tests: it keeps every OUT transfer, hands out
// the IN transfers that a test queued, and lets a test answer OUT transfers
// through a handler. Safe to use from the host's threads and the test's.
class QueueDeviceSide : public DeviceSide
{
public:
    using Packet = std::vector<std::uint8_t>;
    // Called on the host's writing thread after the packet was kept.
    using OutHandler = std::function<void(const Packet &packet, QueueDeviceSide &side)>;

    void handleOut(const std::uint8_t *data, std::size_t length) override;
    bool takeIn(Packet &packet, int timeoutMs) override;

    void pushIn(Packet packet);
    void setOutHandler(OutHandler handler);

    std::vector<Packet> outPackets() const;
    // Waits until at least count OUT transfers arrived; false on time-out.
    bool waitForOut(std::size_t count, int timeoutMs) const;
    std::size_t pendingIn() const;

private:
    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    std::deque<Packet> in_;
    std::vector<Packet> out_;
    OutHandler handler_;
};

} // namespace sim
