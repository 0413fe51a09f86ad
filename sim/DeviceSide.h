#pragma once

// The device's end of a simulated USB link. A device sees only bulk
// transfers; how the host reaches it (the in-process libusb replacement or an
// emulated usbfs device) is not its concern.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace sim {

class DeviceSide
{
public:
    virtual ~DeviceSide() = default;

    // One bulk OUT transfer exactly as the host wrote it.
    virtual void handleOut(const std::uint8_t *data, std::size_t length) = 0;

    // Waits up to timeoutMs (0: do not wait) for the next bulk IN transfer and
    // moves it into packet. False when none became ready in time.
    virtual bool takeIn(std::vector<std::uint8_t> &packet, int timeoutMs) = 0;
};

} // namespace sim
