#pragma once

// A umockdev test bed holding one emulated USB device per DeviceSide, on
// bus 1 from device number 2 on (1 is the root hub). Creating it points
// $UMOCKDEV_DIR at the bed, so programs started afterwards with
// libumockdev-preload see these devices instead of the machine's own.

#include "UsbDeviceDescription.h"

#include <memory>
#include <string>
#include <vector>

typedef struct _UMockdevTestbed UMockdevTestbed;

namespace sim {

class DeviceSide;
class EmulatedUsbDevice;

class UsbfsTestbed
{
public:
    // The preload keeps at most 50 emulated files open at once; libusb holds
    // one per open device plus one while it enumerates.
    static constexpr std::size_t kMaxDevices = 32;

    // Throws std::runtime_error when the bed cannot be built.
    explicit UsbfsTestbed(const std::vector<std::shared_ptr<DeviceSide>> &devices,
                          const UsbDeviceDescription &description = UsbDeviceDescription());
    ~UsbfsTestbed();
    UsbfsTestbed(const UsbfsTestbed &) = delete;
    UsbfsTestbed &operator=(const UsbfsTestbed &) = delete;

    std::string rootDirectory() const;
    std::vector<std::string> deviceNodes() const;

    // Pulls device index (from 0) out of the bus, as a cable pulled out: the
    // program's calls on it fail with ENODEV from now on, and enumeration no
    // longer finds it. Pulling a device out twice does nothing.
    void unplug(std::size_t index);

private:
    void addDevice(const std::shared_ptr<DeviceSide> &device, const UsbDeviceDescription &description,
                   int deviceNumber);
    void release();
    void stopDevicesOnWorker(const std::vector<std::shared_ptr<EmulatedUsbDevice>> &devices);

    UMockdevTestbed *testbed_;
    std::vector<std::shared_ptr<EmulatedUsbDevice>> devices_;
    std::vector<bool> unplugged_;
};

} // namespace sim
