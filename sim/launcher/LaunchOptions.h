#pragma once

// The launcher's command line:
// vantrel-sim-launch [--cameras N] [--profile NAME]... [--unplug-after BYTES]
//                    [--preload LIBRARY] -- program [arguments]

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sim {

struct LaunchOptions {
    static constexpr int kDefaultCameras = 1;

    int cameras = kDefaultCameras;
    // The profile of each camera from the first on; cameras past the list
    // are of the default profile, and the list may add cameras.
    std::vector<std::string> profiles;
    // Pull the first camera that has sent this many bytes of data packets
    // (file contents and name lists) out of the bus; empty: never.
    std::optional<std::uint64_t> unplugAfterBytes;
    // A library preloaded into the program only, not into the launcher.
    std::string preload;
    std::vector<std::string> program;

    // The number of cameras to attach.
    int cameraCount() const;
    // The profile name of camera index (from 0).
    std::string profileOf(int index) const;

    // Empty when the command line is malformed; error then says why.
    static std::optional<LaunchOptions> parse(const std::vector<std::string> &arguments, std::string &error);
    static std::string usage(const std::string &launcherName);
};

} // namespace sim
