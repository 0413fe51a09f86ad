#include "UsbfsTestbed.h"

#include "EmulatedUsbDevice.h"

#include <umockdev.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <stdexcept>

namespace sim {

namespace {

constexpr int kFirstDeviceNumber = 2;
// The worker answers within a millisecond unless it is gone.
constexpr int kWorkerStopSeconds = 5;

} // namespace

UsbfsTestbed::UsbfsTestbed(const std::vector<std::shared_ptr<DeviceSide>> &devices,
                           const UsbDeviceDescription &description)
    : testbed_(umockdev_testbed_new())
{
    if (devices.size() > kMaxDevices) {
        g_object_unref(testbed_);
        throw std::runtime_error("at most " + std::to_string(kMaxDevices) + " emulated devices are supported");
    }
    try {
        for (std::size_t i = 0; i < devices.size(); ++i)
            addDevice(devices[i], description, kFirstDeviceNumber + static_cast<int>(i));
    } catch (...) {
        release();
        throw;
    }
}

UsbfsTestbed::~UsbfsTestbed()
{
    release();
}

void UsbfsTestbed::release()
{
    stopDevicesOnWorker(devices_);
    for (const auto &device : devices_)
        device->disconnect();
    devices_.clear();
    if (testbed_)
        g_object_unref(testbed_);
    testbed_ = nullptr;
}

// umockdev does not join its worker thread, so the devices are stopped on it
// and this thread waits for that: whatever the worker did with them before
// is then finished and visible here.
void UsbfsTestbed::stopDevicesOnWorker(const std::vector<std::shared_ptr<EmulatedUsbDevice>> &devices)
{
    GMainContext *worker = nullptr;
    for (const auto &device : devices_) {
        if ((worker = device->workerContext()))
            break;
    }
    if (!worker)
        return;
    struct Barrier {
        std::vector<std::shared_ptr<EmulatedUsbDevice>> devices;
        std::mutex mutex;
        std::condition_variable passed;
        bool done = false;
    };
    auto barrier = std::make_shared<Barrier>();
    barrier->devices = devices;
    g_main_context_invoke_full(
        worker, G_PRIORITY_DEFAULT,
        [](gpointer data) -> gboolean {
            auto &b = **static_cast<std::shared_ptr<Barrier> *>(data);
            for (const auto &device : b.devices)
                device->stop();
            std::lock_guard<std::mutex> lock(b.mutex);
            b.done = true;
            b.passed.notify_all();
            return G_SOURCE_REMOVE;
        },
        new std::shared_ptr<Barrier>(barrier),
        [](gpointer data) { delete static_cast<std::shared_ptr<Barrier> *>(data); });
    std::unique_lock<std::mutex> lock(barrier->mutex);
    barrier->passed.wait_for(lock, std::chrono::seconds(kWorkerStopSeconds), [&] { return barrier->done; });
}

void UsbfsTestbed::addDevice(const std::shared_ptr<DeviceSide> &device, const UsbDeviceDescription &description,
                             int deviceNumber)
{
    GError *error = nullptr;
    if (!umockdev_testbed_add_from_string(testbed_, description.umockdevRecord(deviceNumber).c_str(), &error)) {
        const std::string message = error ? error->message : "unknown error";
        g_clear_error(&error);
        throw std::runtime_error("cannot add an emulated USB device: " + message);
    }
    auto emulated = std::make_shared<EmulatedUsbDevice>(device, deviceNumber);
    emulated->attach(testbed_);
    devices_.push_back(std::move(emulated));
    unplugged_.push_back(false);
}

void UsbfsTestbed::unplug(std::size_t index)
{
    if (index >= devices_.size() || unplugged_[index])
        return;
    unplugged_[index] = true;
    // A device the program never called has no worker yet to stop it on.
    if (devices_[index]->workerContext())
        stopDevicesOnWorker({devices_[index]});
    else
        devices_[index]->stop();
    const std::string sysfsPath =
            "/sys" + UsbDeviceDescription::sysfsDevicePath(kFirstDeviceNumber + static_cast<int>(index));
    umockdev_testbed_remove_device(testbed_, sysfsPath.c_str());
}

std::string UsbfsTestbed::rootDirectory() const
{
    return umockdev_testbed_get_root_dir(testbed_);
}

std::vector<std::string> UsbfsTestbed::deviceNodes() const
{
    std::vector<std::string> nodes;
    for (const auto &device : devices_)
        nodes.push_back(device->deviceNode());
    return nodes;
}

} // namespace sim
