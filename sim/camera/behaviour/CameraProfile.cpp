#include "CameraProfile.h"

namespace sim::camera {

CameraProfile::CameraProfile() = default;

CameraProfile CameraProfile::generation(int protocolGeneration, bool jsonAbility)
{
    CameraProfile profile;
    profile.protocolGeneration = protocolGeneration;
    profile.jsonAbility = jsonAbility;
    if (protocolGeneration < 3) {
        // Older models predate activation and the extended records.
        profile.model = protocolGeneration == 2 ? "ZR-BC200" : "ZR-BC100";
        profile.firmwareVersion.clear();
        profile.deviceType = protocolGeneration == 2 ? 3 : 1;
    }
    return profile;
}

} // namespace sim::camera
