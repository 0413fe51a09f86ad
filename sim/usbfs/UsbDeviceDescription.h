#pragma once

// What an emulated device shows of itself on the bus: a device with one
// configuration (1), one interface (0) and one bulk IN and one bulk OUT
// endpoint. It says nothing about what the device does with the transfers.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace sim {

class UsbDeviceDescription
{
public:
    static constexpr std::uint8_t kConfiguration = 1;
    static constexpr std::uint8_t kInterface = 0;
    static constexpr std::uint8_t kOutEndpoint = 0x01;
    static constexpr std::uint8_t kInEndpoint = 0x81;
    static constexpr std::size_t kMaxPacketSize = 512;

    explicit UsbDeviceDescription(std::uint16_t vendorId = 0x4255, std::uint16_t productId = 0x0001);

    std::uint16_t vendorId() const { return vendorId_; }
    std::uint16_t productId() const { return productId_; }

    // The device descriptor followed by the whole configuration descriptor,
    // which is what reading a usbfs device file returns.
    std::vector<std::uint8_t> descriptorBytes() const;

    // The device file's path below /dev for a device number on bus 1.
    static std::string deviceNode(int deviceNumber);

    // The device's path below /sys for a device number on bus 1.
    static std::string sysfsDevicePath(int deviceNumber);

    // A umockdev device record for the device with the given number on bus 1.
    std::string umockdevRecord(int deviceNumber) const;

private:
    std::uint16_t vendorId_;
    std::uint16_t productId_;
};

} // namespace sim
