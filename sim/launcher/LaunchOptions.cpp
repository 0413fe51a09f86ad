#include "LaunchOptions.h"

#include "CameraProfiles.h"
#include "UsbfsTestbed.h"

#include <algorithm>
#include <cstdlib>

namespace sim {

namespace {

bool allDigits(const std::string &text, std::size_t maxLength)
{
    return !text.empty() && text.size() <= maxLength && text.find_first_not_of("0123456789") == std::string::npos;
}

std::optional<int> parseCameraCount(const std::string &text)
{
    if (!allDigits(text, 3))
        return std::nullopt;
    const int count = std::atoi(text.c_str());
    if (count > static_cast<int>(UsbfsTestbed::kMaxDevices))
        return std::nullopt;
    return count;
}

// "--name value" or "--name=value"; advances i past what it took.
std::optional<std::string> valueOf(const std::string &name, const std::vector<std::string> &arguments,
                                   std::size_t &i)
{
    const std::string &argument = arguments[i];
    if (argument == name && i + 1 < arguments.size() && arguments[i + 1] != "--")
        return arguments[++i];
    if (argument.rfind(name + "=", 0) == 0)
        return argument.substr(name.size() + 1);
    return std::nullopt;
}

std::string profileNames()
{
    std::string names;
    for (const NamedCameraProfile &profile : cameraProfiles())
        names += std::string(names.empty() ? "" : ", ") + profile.name;
    return names;
}

} // namespace

int LaunchOptions::cameraCount() const
{
    return std::max(cameras, static_cast<int>(profiles.size()));
}

std::string LaunchOptions::profileOf(int index) const
{
    if (index >= 0 && index < static_cast<int>(profiles.size()))
        return profiles[static_cast<std::size_t>(index)];
    return kDefaultCameraProfile;
}

std::optional<LaunchOptions> LaunchOptions::parse(const std::vector<std::string> &arguments, std::string &error)
{
    LaunchOptions options;
    std::size_t i = 0;
    for (; i < arguments.size() && arguments[i] != "--"; ++i) {
        if (const auto value = valueOf("--cameras", arguments, i)) {
            const std::optional<int> count = parseCameraCount(*value);
            if (!count) {
                error = "--cameras takes a number from 0 to " + std::to_string(UsbfsTestbed::kMaxDevices);
                return std::nullopt;
            }
            options.cameras = *count;
        } else if (const auto value = valueOf("--profile", arguments, i)) {
            if (!cameraProfile(*value)) {
                error = "unknown camera profile " + *value + " (known: " + profileNames() + ")";
                return std::nullopt;
            }
            options.profiles.push_back(*value);
        } else if (const auto value = valueOf("--unplug-after", arguments, i)) {
            if (!allDigits(*value, 12)) {
                error = "--unplug-after takes a number of bytes";
                return std::nullopt;
            }
            options.unplugAfterBytes = std::strtoull(value->c_str(), nullptr, 10);
        } else if (const auto value = valueOf("--preload", arguments, i)) {
            if (value->empty()) {
                error = "--preload takes a library";
                return std::nullopt;
            }
            options.preload = *value;
        } else {
            error = "unknown option or missing value: " + arguments[i];
            return std::nullopt;
        }
    }
    if (options.cameraCount() > static_cast<int>(UsbfsTestbed::kMaxDevices)) {
        error = "at most " + std::to_string(UsbfsTestbed::kMaxDevices) + " cameras";
        return std::nullopt;
    }
    if (i + 1 >= arguments.size()) {
        error = "no program given after --";
        return std::nullopt;
    }
    options.program.assign(arguments.begin() + static_cast<long>(i) + 1, arguments.end());
    return options;
}

std::string LaunchOptions::usage(const std::string &launcherName)
{
    std::string text = "usage: " + launcherName +
            " [--cameras N] [--profile NAME]... [--unplug-after BYTES] [--preload LIBRARY]\n"
            "       -- program [arguments...]\n"
            "Runs the program with simulated cameras on an emulated USB bus and exits with\n"
            "the program's exit code.\n"
            "  --cameras N           attach N cameras (default " + std::to_string(kDefaultCameras) + ")\n"
            "  --profile NAME        the next camera's kind (repeat per camera; cameras past\n"
            "                        the list are \"" + kDefaultCameraProfile + "\", and the list may add cameras)\n"
            "  --unplug-after BYTES  pull the first camera that has sent BYTES bytes of file\n"
            "                        data out of the bus while the program runs\n"
            "  --preload LIBRARY     preload LIBRARY into the program (for test drivers)\n"
            "Camera profiles:\n";
    for (const NamedCameraProfile &profile : cameraProfiles())
        text += "  " + std::string(profile.name) + std::string(26 - std::min<std::size_t>(24, std::string(profile.name).size()), ' ') +
                profile.description + "\n";
    return text;
}

} // namespace sim
