#pragma once

// Joins the URBs of one bulk OUT transfer again. libusb 0.1 splits every
// write into URBs of at most 16 KiB, submitted one after the other from
// consecutive parts of the caller's buffer; a URB shorter than that ends the
// write. A full URB may or may not be followed by more, so it is held until
// the next URB shows whether it continues the same buffer, or until the
// owner's timer calls flush().

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace sim {

class OutTransferAssembler
{
public:
    static constexpr std::size_t kLibusbUrbSize = 16384;

    using Deliver = std::function<void(const std::uint8_t *data, std::size_t length)>;

    explicit OutTransferAssembler(Deliver deliver);

    // One OUT URB's bytes and their address in the host's memory.
    void add(const std::uint8_t *data, std::size_t length, std::uintptr_t hostAddress);

    // Delivers a held transfer: no continuation came in time.
    void flush();

    bool holding() const { return holding_; }

private:
    Deliver deliver_;
    std::vector<std::uint8_t> transfer_;
    std::uintptr_t continuationAddress_ = 0;
    bool holding_ = false;
};

} // namespace sim
