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
// Third-generation cameras not yet activated: one that takes a hotspot
// password at activation and one that takes only the device password.
constexpr const char *NotActivated = "not-activated";
constexpr const char *NotActivatedNoHotspot = "not-activated-no-hotspot";
// A camera whose ability description lets it log in without a password.
constexpr const char *NoPassword = "no-password";
// Officer and device IDs of Chinese text that fill most of their 64 bytes.
constexpr const char *LongChineseIds = "long-chinese-ids";
// A third-generation JSON camera without media (showMediaInfo 0).
constexpr const char *Gen3NoMedia = "gen3-no-media";

// The same camera without Wi-Fi, dial-up and Quensa, so that neither the
// Tarvio nor the Quensa platform tab is offered (the shorter one-platform hint).
sim::camera::CameraProfile withoutTarvioOrQuensa(sim::camera::CameraProfile profile);

// The profile of that name; aborts the test program for an unknown name.
sim::camera::CameraProfile profile(const char *name);
QStringList names();

} // namespace NamedProfiles
