#include "SimBusSetup.h"

#include "DeviceLayout.h"
#include "Tessvar.h"

namespace SimBusSetup {

sim::UsbBus &freshBus(int readCapMs)
{
    sim::UsbBus &bus = sim::UsbBus::instance();
    bus.reset();
    bus.setReadTimeoutCap(readCapMs);
    return bus;
}

void plugCameras(sim::DeviceSide &side, int cameras, int readCapMs)
{
    sim::UsbBus &bus = freshBus(readCapMs);
    const int busNumber = bus.addBus();
    for (int camera = 0; camera < cameras; ++camera)
        bus.attach(bus.addDevice(busNumber, sim::DeviceLayout{}), &side);
}

void unplugCameras(int openCameras)
{
    for (int index = 0; index < openCameras; ++index)
        CloseDevice(index);
    SetMsgCallBack(nullptr, nullptr);
    sim::UsbBus::instance().reset();
    int count = 0;
    RefreshDecice(&count);
}

} // namespace SimBusSetup
