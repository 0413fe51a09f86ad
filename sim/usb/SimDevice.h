#pragma once

#include "DeviceLayout.h"

#include <usb.h>

#include <vector>

namespace sim {

class DeviceSide;

// A device on the simulated bus together with the libusb descriptors that
// the host walks. Shared with the handles opened on it.
struct SimDevice {
    SimDevice(int id, const DeviceLayout &layout);
    SimDevice(const SimDevice &) = delete;
    SimDevice &operator=(const SimDevice &) = delete;

    bool hasEndpoint(int address) const;

    int id;
    DeviceLayout layout;
    DeviceSide *side = nullptr;
    struct usb_device device{};
    usb_config_descriptor configuration{};
    usb_interface interface{};
    usb_interface_descriptor setting{};
    std::vector<usb_endpoint_descriptor> endpoints;
};

} // namespace sim
