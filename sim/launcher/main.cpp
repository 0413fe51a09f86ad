// vantrel-sim-launch: runs a program with simulated cameras attached through
// emulated usbfs devices, so that the program's unmodified libusb finds them.

#include "LaunchOptions.h"
#include "PreloadedProcess.h"
#include "SimulatedDeviceFactory.h"
#include "UsbfsTestbed.h"

#include <csignal>
#include <exception>
#include <iostream>

namespace {

volatile std::sig_atomic_t programPid = 0;

void forwardToProgram(int signalNumber)
{
    if (programPid > 0)
        ::kill(programPid, signalNumber);
}

// The program shares the terminal, so it gets Ctrl-C itself; the launcher
// stays to report its end. Termination requests are passed on.
void handleSignals()
{
    std::signal(SIGINT, SIG_IGN);
    std::signal(SIGQUIT, SIG_IGN);
    std::signal(SIGTERM, forwardToProgram);
    std::signal(SIGHUP, forwardToProgram);
}

} // namespace

int main(int argc, char **argv)
{
    const std::string launcherName = argc > 0 ? argv[0] : "vantrel-sim-launch";
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (!arguments.empty() && (arguments[0] == "--help" || arguments[0] == "-h")) {
        std::cout << sim::LaunchOptions::usage(launcherName);
        return 0;
    }
    std::string error;
    const std::optional<sim::LaunchOptions> options = sim::LaunchOptions::parse(arguments, error);
    if (!options) {
        std::cerr << launcherName << ": " << error << "\n" << sim::LaunchOptions::usage(launcherName);
        return 2;
    }
    try {
        std::vector<std::shared_ptr<sim::DeviceSide>> cameras;
        for (int i = 0; i < options->cameras; ++i)
            cameras.push_back(sim::makeSimulatedCamera(i));
        sim::UsbfsTestbed testbed(cameras);
        sim::PreloadedProcess program(options->program);
        programPid = program.pid();
        handleSignals();
        const int exitCode = *program.wait();
        programPid = 0;
        return exitCode;
    } catch (const std::exception &failure) {
        std::cerr << launcherName << ": " << failure.what() << "\n";
        return 2;
    }
}
