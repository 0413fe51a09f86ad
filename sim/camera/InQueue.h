#pragma once

// The camera's pending IN transfers, taken by the host's reader thread.

#include "Outbox.h"

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <vector>

namespace sim {

class InQueue
{
public:
    void append(std::vector<Outbox::Item> items);

    // Waits up to timeoutMs for the next packet; a streamed file yields its
    // next data packet of at most chunk data bytes.
    bool take(std::vector<std::uint8_t> &packet, int timeoutMs, std::size_t chunk);

    std::size_t size() const;

private:
    mutable std::mutex mutex_;
    std::condition_variable ready_;
    std::deque<Outbox::Item> items_;
};

} // namespace sim
