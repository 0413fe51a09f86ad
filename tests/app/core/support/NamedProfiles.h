#pragma once

// The simulated cameras that tests put on the bus, by name, in one table:
// tests pick a camera by what it is ("gen3-json") instead of building profiles
// by hand. Add a row to the table for a new kind of camera.

#include "behaviour/CameraProfile.h"

#include <QStringList>

namespace NamedProfiles {

// A third-generation camera with a JSON ability description (the default).
constexpr const char *Gen3Json = "gen3-json";
// A third-generation camera without a JSON ability description.
constexpr const char *Gen3Classic = "gen3-classic";
// A second-generation camera (no ability description, no activation).
constexpr const char *Gen2 = "gen2";

// The profile of that name; aborts the test program for an unknown name.
sim::camera::CameraProfile profile(const char *name);
QStringList names();

} // namespace NamedProfiles
