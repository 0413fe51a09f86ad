#pragma once

// The URBs of one open device file: IN URBs that wait for device data and
// URBs that completed and wait to be reaped, in completion order.

#include "SubmittedUrb.h"

#include <cstdint>
#include <deque>
#include <optional>

namespace sim {

class UsbfsConnection
{
public:
    void addWaitingIn(SubmittedUrb urb) { waitingIn_.push_back(std::move(urb)); }
    void addCompleted(SubmittedUrb urb) { completed_.push_back(std::move(urb)); }

    bool hasWaitingIn() const { return !waitingIn_.empty(); }
    SubmittedUrb &firstWaitingIn() { return waitingIn_.front(); }
    // Moves the first waiting IN URB, finished by the caller, to the completed ones.
    void completeFirstWaitingIn();

    // Cancels a waiting URB, as the kernel does: it completes with -ENOENT.
    bool discard(std::uintptr_t hostAddress);

    std::optional<SubmittedUrb> takeCompleted();

private:
    std::deque<SubmittedUrb> waitingIn_;
    std::deque<SubmittedUrb> completed_;
};

} // namespace sim
