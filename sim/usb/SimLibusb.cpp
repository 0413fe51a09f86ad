// The libusb 0.1 functions that the device library calls, routed to the
// simulated bus. Signatures come from Debian's usb.h so they match exactly.

#include "UsbBus.h"

#include <usb.h>

namespace {

sim::UsbBus &bus()
{
    return sim::UsbBus::instance();
}

} // namespace

void usb_init(void)
{
    bus().init();
}

int usb_find_busses(void)
{
    return bus().findBusses();
}

int usb_find_devices(void)
{
    return bus().findDevices();
}

struct usb_bus *usb_get_busses(void)
{
    return bus().busList();
}

usb_dev_handle *usb_open(struct usb_device *dev)
{
    return bus().open(dev);
}

int usb_close(usb_dev_handle *dev)
{
    return bus().close(dev);
}

int usb_set_configuration(usb_dev_handle *dev, int configuration)
{
    return bus().setConfiguration(dev, configuration);
}

int usb_claim_interface(usb_dev_handle *dev, int interface)
{
    return bus().claimInterface(dev, interface);
}

int usb_release_interface(usb_dev_handle *dev, int interface)
{
    return bus().releaseInterface(dev, interface);
}

int usb_set_altinterface(usb_dev_handle *dev, int alternate)
{
    return bus().setAltInterface(dev, alternate);
}

int usb_resetep(usb_dev_handle *dev, unsigned int ep)
{
    return bus().resetEndpoint(dev, ep);
}

int usb_bulk_write(usb_dev_handle *dev, int ep, const char *bytes, int size, int timeout)
{
    return bus().bulkWrite(dev, ep, bytes, size, timeout);
}

int usb_bulk_read(usb_dev_handle *dev, int ep, char *bytes, int size, int timeout)
{
    return bus().bulkRead(dev, ep, bytes, size, timeout);
}

char *usb_strerror(void)
{
    return const_cast<char *>(bus().lastError());
}
