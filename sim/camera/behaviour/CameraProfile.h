#pragma once

// What kind of camera a simulated camera is: its protocol generation, whether
// it describes itself in JSON, its identity and its secrets. Each simulated
// camera gets its own profile, so one test bus can mix old and new models.

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

namespace sim::camera {

class CameraProfile
{
public:
    // The default: a third-generation camera with a JSON ability description.
    CameraProfile();

    static CameraProfile generation(int protocolGeneration, bool jsonAbility);

    int protocolGeneration = 3;
    bool jsonAbility = true;
    bool noPasswordLogin = false;   // the ability description's supportNoPwdLogin

    std::string serialNumber = "SIM0000001";
    std::string model = "ZR-BC300";
    std::uint32_t deviceType = 4;
    std::string firmwareVersion = "V3.2.18 build 20240301";
    std::string officerId = "100001";
    std::string deviceId = "CAM0000001";
    std::string iccid = "89860012345678901234";

    std::string factoryPassword = "123456";
    std::string factoryApPassword = "12345678";
    bool activated = true;
    bool acceptsDevicePasswordAtActivation = true;
    bool acceptsApPasswordAtActivation = true;

    int loginFailuresBeforeLock = 5;
    int lockSeconds = 300;

    // Models differ in what they offer. These replace single values of the
    // typical camera's ability description (JSON key -> value, the key added
    // when the description lacks it) and of its device-code record (byte
    // offset -> value; offsets past the record are ignored), so a test can
    // describe any model through the camera's real replies.
    std::map<std::string, int> abilityOverrides;
    std::map<std::size_t, std::uint8_t> deviceCodeOverrides;

    int mediaDays = 3;              // days of recordings in the default media store
    std::uint64_t uploadLimitBytes = 64ull * 1024 * 1024;
};

} // namespace sim::camera
