// vantrel-sim-launch: runs a program with simulated cameras attached through
// emulated usbfs devices, so that the program's unmodified libusb finds them.

#include "LaunchOptions.h"
#include "PreloadedProcess.h"
#include "SimCamera.h"
#include "SimulatedDeviceFactory.h"
#include "UnplugWatch.h"
#include "UsbfsTestbed.h"

#include <chrono>
#include <csignal>
#include <exception>
#include <iostream>
#include <thread>

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

// A camera that is to be pulled out streams its files in small packets, so
// that it can be pulled out with part of a file sent.
constexpr std::size_t kUnpluggableChunkBytes = 16 * 1024;
constexpr auto kUnplugPollInterval = std::chrono::milliseconds(10);

int runUntilEnd(sim::PreloadedProcess &program, sim::UsbfsTestbed &testbed,
                const std::vector<std::shared_ptr<sim::UnplugWatch>> &watches)
{
    if (watches.empty())
        return *program.wait();
    for (;;) {
        if (const std::optional<int> exitCode = program.poll())
            return *exitCode;
        for (std::size_t i = 0; i < watches.size(); ++i) {
            if (watches[i]->unplugDue())
                testbed.unplug(i);
        }
        std::this_thread::sleep_for(kUnplugPollInterval);
    }
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
        std::vector<std::shared_ptr<sim::UnplugWatch>> watches;
        const auto anyPulled = std::make_shared<std::atomic<bool>>(false);
        for (int i = 0; i < options->cameraCount(); ++i) {
            std::shared_ptr<sim::DeviceSide> camera = sim::makeSimulatedCamera(i, options->profileOf(i));
            if (options->unplugAfterBytes) {
                if (auto *simulated = dynamic_cast<sim::SimCamera *>(camera.get()))
                    simulated->setDataChunkSize(kUnpluggableChunkBytes);
                auto watch = std::make_shared<sim::UnplugWatch>(camera, *options->unplugAfterBytes, anyPulled);
                watches.push_back(watch);
                camera = watch;
            }
            cameras.push_back(camera);
        }
        sim::UsbfsTestbed testbed(cameras);
        sim::PreloadedProcess program(options->program, options->preload);
        programPid = program.pid();
        handleSignals();
        const int exitCode = runUntilEnd(program, testbed, watches);
        programPid = 0;
        return exitCode;
    } catch (const std::exception &failure) {
        std::cerr << launcherName << ": " << failure.what() << "\n";
        return 2;
    }
}
