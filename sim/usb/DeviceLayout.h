#pragma once

#include <cstdint>
#include <vector>

namespace sim {

// How a simulated USB device describes itself. The endpoints belong to the
// first alternate setting of the first interface of the only configuration.
struct DeviceLayout {
    std::uint16_t vendor = 0x4255;
    std::uint16_t product = 0x0001;
    bool hasConfiguration = true;
    std::vector<std::uint8_t> endpoints = oneBulkPair();

    // One bulk OUT endpoint (1) and one bulk IN endpoint (0x81).
    static std::vector<std::uint8_t> oneBulkPair()
    {
        std::vector<std::uint8_t> pair;
        pair.push_back(0x01);
        pair.push_back(0x81);
        return pair;
    }
};

} // namespace sim
