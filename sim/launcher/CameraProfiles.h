#pragma once

// The kinds of simulated camera the launcher can attach, by name, in one
// table: "full" (the default) offers every page, tab and option of the
// program; the others are the models the tests tell apart.

#include "behaviour/CameraProfile.h"

#include <optional>
#include <string>
#include <vector>

namespace sim {

struct NamedCameraProfile {
    const char *name;
    const char *description;
};

constexpr const char kDefaultCameraProfile[] = "full";

// Every profile in the table, the default first.
const std::vector<NamedCameraProfile> &cameraProfiles();

// The profile of that name, or nothing for an unknown name.
std::optional<camera::CameraProfile> cameraProfile(const std::string &name);

} // namespace sim
