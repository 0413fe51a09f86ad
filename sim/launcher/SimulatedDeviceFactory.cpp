#include "SimulatedDeviceFactory.h"

#include "CameraProfiles.h"
#include "FullCamera.h"

#include <stdexcept>
#include <string>

namespace sim {

namespace {

// "SIM0000001", "SIM0000002", ...: each camera shows up as a different one.
std::string numbered(const std::string &prefix, int number)
{
    const std::string digits = std::to_string(number);
    return prefix + std::string(digits.size() < 7 ? 7 - digits.size() : 0, '0') + digits;
}

} // namespace

std::shared_ptr<DeviceSide> makeSimulatedCamera(int index, const std::string &profileName)
{
    std::optional<camera::CameraProfile> profile = cameraProfile(profileName);
    if (!profile)
        throw std::runtime_error("unknown camera profile " + profileName);
    profile->serialNumber = numbered("SIM", index + 1);
    profile->deviceId = numbered("CAM", index + 1);
    return std::make_shared<FullCamera>(*profile);
}

} // namespace sim
