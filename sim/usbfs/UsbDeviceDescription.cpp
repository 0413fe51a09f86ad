#include "UsbDeviceDescription.h"

#include <cstdio>

namespace sim {

namespace {

constexpr std::uint8_t kDeviceDescriptorType = 0x01;
constexpr std::uint8_t kConfigurationDescriptorType = 0x02;
constexpr std::uint8_t kInterfaceDescriptorType = 0x04;
constexpr std::uint8_t kEndpointDescriptorType = 0x05;
constexpr std::uint8_t kBulkTransfer = 0x02;
constexpr std::uint8_t kVendorSpecificClass = 0xFF;
// Major number of usb_device nodes; the minor is the device number minus one on bus 1.
constexpr int kUsbDeviceMajor = 189;

void appendWord(std::vector<std::uint8_t> &bytes, std::uint16_t value)
{
    bytes.push_back(static_cast<std::uint8_t>(value & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

void appendEndpoint(std::vector<std::uint8_t> &bytes, std::uint8_t address)
{
    bytes.insert(bytes.end(), {7, kEndpointDescriptorType, address, kBulkTransfer});
    appendWord(bytes, UsbDeviceDescription::kMaxPacketSize);
    bytes.push_back(0); // bInterval
}

// umockdev rejects lower-case hex digits in binary attributes.
std::string upperCaseHex(const std::vector<std::uint8_t> &bytes)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string hex;
    hex.reserve(bytes.size() * 2);
    for (std::uint8_t byte : bytes) {
        hex.push_back(digits[byte >> 4]);
        hex.push_back(digits[byte & 0x0F]);
    }
    return hex;
}

std::string formatted(const char *format, int a, int b = 0)
{
    char text[64];
    std::snprintf(text, sizeof text, format, a, b);
    return text;
}

} // namespace

UsbDeviceDescription::UsbDeviceDescription(std::uint16_t vendorId, std::uint16_t productId)
    : vendorId_(vendorId), productId_(productId)
{
}

std::vector<std::uint8_t> UsbDeviceDescription::descriptorBytes() const
{
    std::vector<std::uint8_t> bytes{18, kDeviceDescriptorType};
    appendWord(bytes, 0x0200); // USB 2.0
    bytes.insert(bytes.end(), {0, 0, 0, 64});
    appendWord(bytes, vendorId_);
    appendWord(bytes, productId_);
    appendWord(bytes, 0x0100); // device release
    bytes.insert(bytes.end(), {0, 0, 0, 1}); // no strings, one configuration

    const std::uint16_t configurationLength = 9 + 9 + 7 + 7;
    bytes.insert(bytes.end(), {9, kConfigurationDescriptorType});
    appendWord(bytes, configurationLength);
    bytes.insert(bytes.end(), {1, kConfiguration, 0, 0x80, 50}); // bus powered, 100 mA

    bytes.insert(bytes.end(), {9, kInterfaceDescriptorType, kInterface, 0, 2, kVendorSpecificClass, 0, 0, 0});
    appendEndpoint(bytes, kOutEndpoint);
    appendEndpoint(bytes, kInEndpoint);
    return bytes;
}

std::string UsbDeviceDescription::deviceNode(int deviceNumber)
{
    return formatted("/dev/bus/usb/001/%03d", deviceNumber);
}

std::string UsbDeviceDescription::sysfsDevicePath(int deviceNumber)
{
    // Ports count from 1 while device number 1 is the root hub.
    return formatted("/devices/pci0000:00/0000:00:14.0/usb1/1-%d", deviceNumber - 1);
}

std::string UsbDeviceDescription::umockdevRecord(int deviceNumber) const
{
    std::string record = "P: " + sysfsDevicePath(deviceNumber) + "\n";
    record += "N: " + deviceNode(deviceNumber).substr(5) + "=" + upperCaseHex(descriptorBytes()) + "\n";
    record += "E: SUBSYSTEM=usb\nE: DEVTYPE=usb_device\n";
    record += "E: DEVNAME=" + deviceNode(deviceNumber) + "\n";
    record += formatted("E: BUSNUM=001\nE: DEVNUM=%03d\n", deviceNumber);
    record += formatted("A: idVendor=%04x\nA: idProduct=%04x\n", vendorId_, productId_);
    record += formatted("A: busnum=1\nA: devnum=%d\n", deviceNumber);
    record += formatted("A: dev=%d:%d\n", kUsbDeviceMajor, deviceNumber - 1);
    return record;
}

} // namespace sim
