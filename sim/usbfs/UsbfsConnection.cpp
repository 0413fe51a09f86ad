#include "UsbfsConnection.h"

#include <algorithm>
#include <cerrno>

namespace sim {

void UsbfsConnection::completeFirstWaitingIn()
{
    completed_.push_back(std::move(waitingIn_.front()));
    waitingIn_.pop_front();
}

bool UsbfsConnection::discard(std::uintptr_t hostAddress)
{
    const auto urb = std::find_if(waitingIn_.begin(), waitingIn_.end(), [hostAddress](const SubmittedUrb &u) {
        return u.hostAddress() == hostAddress;
    });
    if (urb == waitingIn_.end())
        return false;
    urb->finish(-ENOENT, 0);
    completed_.push_back(std::move(*urb));
    waitingIn_.erase(urb);
    return true;
}

std::optional<SubmittedUrb> UsbfsConnection::takeCompleted()
{
    if (completed_.empty())
        return std::nullopt;
    std::optional<SubmittedUrb> urb(std::move(completed_.front()));
    completed_.pop_front();
    return urb;
}

} // namespace sim
