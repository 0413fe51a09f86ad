#pragma once

// A stand-in device for trying and testing USB links: it answers every bulk
// OUT transfer with one IN transfer. "BIG:<n>" (decimal) is answered with n
// bytes counting up from 0 modulo 256; anything else comes back unchanged.

#include "DeviceSide.h"

#include <condition_variable>
#include <deque>
#include <mutex>

namespace sim {

class LoopbackDevice : public DeviceSide
{
public:
    void handleOut(const std::uint8_t *data, std::size_t length) override;
    bool takeIn(std::vector<std::uint8_t> &packet, int timeoutMs) override;

    // The answer that handleOut queues for the given OUT transfer.
    static std::vector<std::uint8_t> answerTo(const std::uint8_t *data, std::size_t length);

private:
    std::mutex mutex_;
    std::condition_variable answerQueued_;
    std::deque<std::vector<std::uint8_t>> answers_;
};

} // namespace sim
