#pragma once

// The one place that decides what answers behind each emulated USB device.

#include "DeviceSide.h"

#include <memory>
#include <string>

namespace sim {

// Camera index (from 0) of the named profile (see CameraProfiles.h); each
// camera gets its own serial number and device ID.
std::shared_ptr<DeviceSide> makeSimulatedCamera(int index, const std::string &profileName);

} // namespace sim
