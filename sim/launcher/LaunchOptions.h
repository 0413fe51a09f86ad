#pragma once

// The launcher's command line: vantrel-sim-launch [--cameras N] -- program [arguments]

#include <optional>
#include <string>
#include <vector>

namespace sim {

struct LaunchOptions {
    static constexpr int kDefaultCameras = 1;

    int cameras = kDefaultCameras;
    std::vector<std::string> program;

    // Empty when the command line is malformed; error then says why.
    static std::optional<LaunchOptions> parse(const std::vector<std::string> &arguments, std::string &error);
    static std::string usage(const std::string &launcherName);
};

} // namespace sim
