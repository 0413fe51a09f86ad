#include "UsbfsTestbed.h"

#include "EmulatedUsbDevice.h"

#include <umockdev.h>

#include <stdexcept>

namespace sim {

namespace {

constexpr int kFirstDeviceNumber = 2;

} // namespace

UsbfsTestbed::UsbfsTestbed(const std::vector<std::shared_ptr<DeviceSide>> &devices,
                           const UsbDeviceDescription &description)
    : testbed_(umockdev_testbed_new())
{
    if (devices.size() > kMaxDevices) {
        g_object_unref(testbed_);
        throw std::runtime_error("at most " + std::to_string(kMaxDevices) + " emulated devices are supported");
    }
    try {
        for (std::size_t i = 0; i < devices.size(); ++i)
            addDevice(devices[i], description, kFirstDeviceNumber + static_cast<int>(i));
    } catch (...) {
        release();
        throw;
    }
}

UsbfsTestbed::~UsbfsTestbed()
{
    release();
}

void UsbfsTestbed::release()
{
    for (const auto &device : devices_)
        device->detach(testbed_);
    devices_.clear();
    if (testbed_)
        g_object_unref(testbed_);
    testbed_ = nullptr;
}

void UsbfsTestbed::addDevice(const std::shared_ptr<DeviceSide> &device, const UsbDeviceDescription &description,
                             int deviceNumber)
{
    GError *error = nullptr;
    if (!umockdev_testbed_add_from_string(testbed_, description.umockdevRecord(deviceNumber).c_str(), &error)) {
        const std::string message = error ? error->message : "unknown error";
        g_clear_error(&error);
        throw std::runtime_error("cannot add an emulated USB device: " + message);
    }
    auto emulated = std::make_shared<EmulatedUsbDevice>(device, deviceNumber);
    emulated->attach(testbed_);
    devices_.push_back(std::move(emulated));
}

std::string UsbfsTestbed::rootDirectory() const
{
    return umockdev_testbed_get_root_dir(testbed_);
}

std::vector<std::string> UsbfsTestbed::deviceNodes() const
{
    std::vector<std::string> nodes;
    for (const auto &device : devices_)
        nodes.push_back(device->deviceNode());
    return nodes;
}

} // namespace sim
