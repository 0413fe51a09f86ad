#pragma once

// The one place that decides what answers behind each emulated USB device.

#include "DeviceSide.h"

#include <memory>

namespace sim {

std::shared_ptr<DeviceSide> makeSimulatedCamera(int index);

} // namespace sim
