#include "LaunchOptions.h"

#include "UsbfsTestbed.h"

#include <cstdlib>

namespace sim {

namespace {

std::optional<int> parseCameraCount(const std::string &text)
{
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos || text.size() > 3)
        return std::nullopt;
    const int count = std::atoi(text.c_str());
    if (count > static_cast<int>(UsbfsTestbed::kMaxDevices))
        return std::nullopt;
    return count;
}

} // namespace

std::optional<LaunchOptions> LaunchOptions::parse(const std::vector<std::string> &arguments, std::string &error)
{
    LaunchOptions options;
    std::size_t i = 0;
    for (; i < arguments.size() && arguments[i] != "--"; ++i) {
        const std::string &argument = arguments[i];
        std::string value;
        if (argument == "--cameras" && i + 1 < arguments.size()) {
            value = arguments[++i];
        } else if (argument.rfind("--cameras=", 0) == 0) {
            value = argument.substr(10);
        } else {
            error = "unknown option: " + argument;
            return std::nullopt;
        }
        const std::optional<int> count = parseCameraCount(value);
        if (!count) {
            error = "--cameras takes a number from 0 to " + std::to_string(UsbfsTestbed::kMaxDevices);
            return std::nullopt;
        }
        options.cameras = *count;
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
    return "usage: " + launcherName + " [--cameras N] -- program [arguments...]\n"
           "Runs the program with N simulated cameras (default " + std::to_string(kDefaultCameras) +
           ") on an emulated USB bus\nand exits with the program's exit code.\n";
}

} // namespace sim
