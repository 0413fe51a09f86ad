#include "SimulatedDeviceFactory.h"

#include "LoopbackDevice.h"

namespace sim {

std::shared_ptr<DeviceSide> makeSimulatedCamera(int)
{
    return std::make_shared<LoopbackDevice>();
}

} // namespace sim
