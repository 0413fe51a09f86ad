#pragma once

// Cuts the device's bulk IN transfers into the pieces that the host's URBs
// receive, the way a USB device's packets end a URB: a URB completes when it
// is full or when the transfer ends with a short packet. A transfer whose
// length is a multiple of the endpoint's packet size is ended by a
// zero-length packet; when the transfer has just filled a URB, that packet
// completes the next URB empty (without it libusb 0.1 would wait for more).

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace sim {

class DeviceSide;

class InTransferCursor
{
public:
    struct Piece {
        const std::uint8_t *data;
        std::size_t length;
    };

    InTransferCursor(DeviceSide &device, std::size_t maxPacketSize);

    // The bytes for one IN URB of the given capacity, valid until the next
    // call; nothing when the device has no transfer ready. Never waits.
    std::optional<Piece> next(std::size_t capacity);

private:
    DeviceSide &device_;
    const std::size_t maxPacketSize_;
    std::vector<std::uint8_t> transfer_;
    std::size_t offset_ = 0;
    bool inTransfer_ = false;
    bool zeroLengthPacketDue_ = false;
};

} // namespace sim
