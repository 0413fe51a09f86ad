#include "SimDevice.h"

#include <cstdio>

namespace sim {

namespace {

constexpr std::uint8_t BulkTransfer = 0x02;
constexpr int MaxPacketSize = 512;

} // namespace

SimDevice::SimDevice(int deviceId, const DeviceLayout &deviceLayout)
    : id(deviceId), layout(deviceLayout)
{
    std::snprintf(device.filename, sizeof device.filename, "%03d", id + 1);
    device.devnum = static_cast<std::uint8_t>(id + 1);
    device.descriptor.bLength = USB_DT_DEVICE_SIZE;
    device.descriptor.bDescriptorType = USB_DT_DEVICE;
    device.descriptor.idVendor = layout.vendor;
    device.descriptor.idProduct = layout.product;
    if (!layout.hasConfiguration)
        return;

    for (std::uint8_t address : layout.endpoints) {
        usb_endpoint_descriptor endpoint{};
        endpoint.bLength = USB_DT_ENDPOINT_SIZE;
        endpoint.bDescriptorType = USB_DT_ENDPOINT;
        endpoint.bEndpointAddress = address;
        endpoint.bmAttributes = BulkTransfer;
        endpoint.wMaxPacketSize = MaxPacketSize;
        endpoints.push_back(endpoint);
    }
    setting.bLength = USB_DT_INTERFACE_SIZE;
    setting.bDescriptorType = USB_DT_INTERFACE;
    setting.bNumEndpoints = static_cast<std::uint8_t>(endpoints.size());
    setting.endpoint = endpoints.empty() ? nullptr : endpoints.data();
    interface.altsetting = &setting;
    interface.num_altsetting = 1;
    configuration.bLength = USB_DT_CONFIG_SIZE;
    configuration.bDescriptorType = USB_DT_CONFIG;
    configuration.bNumInterfaces = 1;
    configuration.bConfigurationValue = 1;
    configuration.interface = &interface;
    device.descriptor.bNumConfigurations = 1;
    device.config = &configuration;
}

bool SimDevice::hasEndpoint(int address) const
{
    for (const usb_endpoint_descriptor &endpoint : endpoints) {
        if (endpoint.bEndpointAddress == address)
            return true;
    }
    return false;
}

} // namespace sim
