#include "UsbBus.h"

#include "DeviceSide.h"
#include "SimDevice.h"

#include <usb.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>

// What a host holds after usb_open; freed by usb_close whatever it returns,
// as libusb does.
struct usb_dev_handle {
    std::shared_ptr<sim::SimDevice> device;
    bool claimed = false;
};

namespace sim {

namespace {

constexpr int ClaimableInterface = 0;
thread_local char errorText[128] = "no error";

void setError(int result)
{
    if (result < 0)
        std::snprintf(errorText, sizeof errorText, "simulated error %d: %s", result, std::strerror(-result));
}

bool isInEndpoint(int address)
{
    return (address & USB_ENDPOINT_IN) != 0;
}

} // namespace

struct UsbBus::Bus {
    usb_bus bus{};
    std::vector<std::shared_ptr<SimDevice>> devices;
};

UsbBus &UsbBus::instance()
{
    // Never destroyed: a reader thread may still be inside a bulk read at exit.
    static UsbBus *bus = new UsbBus;
    return *bus;
}

UsbBus::UsbBus() = default;
UsbBus::~UsbBus() = default;

void UsbBus::reset()
{
    std::lock_guard<std::mutex> lock(mutex_);
    buses_.clear();
    devices_.clear();
    faults_.clear();
    log_.clear();
    readTimeoutCap_ = 0;
}

int UsbBus::addBus()
{
    std::lock_guard<std::mutex> lock(mutex_);
    buses_.push_back(std::make_unique<Bus>());
    const int number = static_cast<int>(buses_.size());
    std::snprintf(buses_.back()->bus.dirname, sizeof buses_.back()->bus.dirname, "%03d", number);
    buses_.back()->bus.location = static_cast<std::uint32_t>(number);
    relink();
    return number;
}

int UsbBus::addDevice(int bus, const DeviceLayout &layout)
{
    std::lock_guard<std::mutex> lock(mutex_);
    auto device = std::make_shared<SimDevice>(static_cast<int>(devices_.size()), layout);
    devices_.push_back(device);
    Bus &owner = *buses_.at(static_cast<std::size_t>(bus - 1));
    owner.devices.push_back(device);
    device->device.bus = &owner.bus;
    relink();
    return device->id;
}

void UsbBus::relink()
{
    usb_bus *previousBus = nullptr;
    for (auto &bus : buses_) {
        bus->bus.prev = previousBus;
        bus->bus.next = nullptr;
        if (previousBus)
            previousBus->next = &bus->bus;
        previousBus = &bus->bus;
        struct usb_device *previousDevice = nullptr;
        bus->bus.devices = nullptr;
        for (auto &device : bus->devices) {
            device->device.prev = previousDevice;
            device->device.next = nullptr;
            if (previousDevice)
                previousDevice->next = &device->device;
            else
                bus->bus.devices = &device->device;
            previousDevice = &device->device;
        }
    }
}

void UsbBus::attach(int device, DeviceSide *side)
{
    std::lock_guard<std::mutex> lock(mutex_);
    devices_.at(static_cast<std::size_t>(device))->side = side;
}

void UsbBus::failCall(UsbCall call, int result, int times, int device)
{
    std::lock_guard<std::mutex> lock(mutex_);
    faults_.push_back({call, result, times, device});
}

void UsbBus::clearFaults()
{
    std::lock_guard<std::mutex> lock(mutex_);
    faults_.clear();
}

void UsbBus::setReadTimeoutCap(int milliseconds)
{
    std::lock_guard<std::mutex> lock(mutex_);
    readTimeoutCap_ = milliseconds;
}

std::vector<UsbCallRecord> UsbBus::calls() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return log_;
}

std::vector<std::string> UsbBus::log(const std::set<UsbCall> &skip) const
{
    std::vector<std::string> lines;
    for (const UsbCallRecord &entry : calls()) {
        if (!skip.count(entry.call))
            lines.push_back(entry.describe());
    }
    return lines;
}

int UsbBus::countOf(UsbCall call) const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return static_cast<int>(std::count_if(log_.begin(), log_.end(),
                                          [call](const UsbCallRecord &entry) { return entry.call == call; }));
}

void UsbBus::clearLog()
{
    std::lock_guard<std::mutex> lock(mutex_);
    log_.clear();
}

int UsbBus::openHandleCount() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return static_cast<int>(handles_.size());
}

bool UsbBus::isClaimed(int device) const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return std::any_of(handles_.begin(), handles_.end(), [device](const usb_dev_handle *handle) {
        return handle->claimed && handle->device->id == device;
    });
}

bool UsbBus::takeFault(UsbCall call, int device, int &result)
{
    for (auto fault = faults_.begin(); fault != faults_.end(); ++fault) {
        if (fault->call != call || (fault->device != AnyDevice && fault->device != device))
            continue;
        result = fault->result;
        if (fault->remaining != Always && --fault->remaining == 0)
            faults_.erase(fault);
        return true;
    }
    return false;
}

int UsbBus::record(UsbCallRecord entry)
{
    log_.push_back(entry);
    setError(entry.result);
    return entry.result;
}

std::shared_ptr<SimDevice> UsbBus::deviceOf(usb_dev_handle *handle) const
{
    if (!handles_.count(handle))
        return nullptr;
    return handle->device;
}

void UsbBus::init()
{
    std::lock_guard<std::mutex> lock(mutex_);
    record({UsbCall::Init});
}

int UsbBus::findBusses()
{
    std::lock_guard<std::mutex> lock(mutex_);
    return record({UsbCall::FindBusses, -1, -1, -1, -1, static_cast<int>(buses_.size())});
}

int UsbBus::findDevices()
{
    std::lock_guard<std::mutex> lock(mutex_);
    return record({UsbCall::FindDevices, -1, -1, -1, -1, static_cast<int>(devices_.size())});
}

usb_bus *UsbBus::busList()
{
    std::lock_guard<std::mutex> lock(mutex_);
    record({UsbCall::GetBusses});
    return buses_.empty() ? nullptr : &buses_.front()->bus;
}

usb_dev_handle *UsbBus::open(struct usb_device *device)
{
    std::lock_guard<std::mutex> lock(mutex_);
    auto found = std::find_if(devices_.begin(), devices_.end(),
                              [device](const std::shared_ptr<SimDevice> &candidate) {
                                  return &candidate->device == device;
                              });
    const int id = found == devices_.end() ? -1 : (*found)->id;
    int result = 0;
    if (id < 0)
        result = -ENODEV;
    else
        takeFault(UsbCall::Open, id, result);
    record({UsbCall::Open, id, -1, -1, -1, result});
    if (result < 0)
        return nullptr;
    auto *handle = new usb_dev_handle{*found};
    handles_.insert(handle);
    return handle;
}

int UsbBus::close(usb_dev_handle *handle)
{
    std::lock_guard<std::mutex> lock(mutex_);
    const std::shared_ptr<SimDevice> device = deviceOf(handle);
    if (!device)
        return record({UsbCall::Close, -1, -1, -1, -1, -EBADF});
    int result = 0;
    takeFault(UsbCall::Close, device->id, result);
    handles_.erase(handle);
    delete handle;
    return record({UsbCall::Close, device->id, -1, -1, -1, result});
}

int UsbBus::handleCall(UsbCall call, usb_dev_handle *handle, int value)
{
    std::lock_guard<std::mutex> lock(mutex_);
    const std::shared_ptr<SimDevice> device = deviceOf(handle);
    if (!device)
        return record({call, -1, value, -1, -1, -EBADF});
    int result = 0;
    if (takeFault(call, device->id, result))
        return record({call, device->id, value, -1, -1, result});

    const bool configured = device->layout.hasConfiguration;
    switch (call) {
    case UsbCall::SetConfiguration:
        result = configured && value == 1 ? 0 : -EINVAL;
        break;
    case UsbCall::ClaimInterface:
        if (!configured || value != ClaimableInterface)
            result = -EINVAL;
        else if (!handle->claimed && std::any_of(handles_.begin(), handles_.end(), [&](usb_dev_handle *other) {
                     return other->claimed && other->device == device;
                 }))
            result = -EBUSY;
        else
            handle->claimed = true;
        break;
    case UsbCall::ReleaseInterface:
        if (!handle->claimed || value != ClaimableInterface)
            result = -EINVAL;
        else
            handle->claimed = false;
        break;
    case UsbCall::SetAltInterface:
        result = handle->claimed && value == 0 ? 0 : -EINVAL;
        break;
    case UsbCall::ResetEp:
        result = device->hasEndpoint(value) ? 0 : -EINVAL;
        break;
    default:
        result = -EINVAL;
        break;
    }
    return record({call, device->id, value, -1, -1, result});
}

int UsbBus::setConfiguration(usb_dev_handle *handle, int configuration)
{
    return handleCall(UsbCall::SetConfiguration, handle, configuration);
}

int UsbBus::claimInterface(usb_dev_handle *handle, int interface)
{
    return handleCall(UsbCall::ClaimInterface, handle, interface);
}

int UsbBus::releaseInterface(usb_dev_handle *handle, int interface)
{
    return handleCall(UsbCall::ReleaseInterface, handle, interface);
}

int UsbBus::setAltInterface(usb_dev_handle *handle, int alternate)
{
    return handleCall(UsbCall::SetAltInterface, handle, alternate);
}

int UsbBus::resetEndpoint(usb_dev_handle *handle, unsigned endpoint)
{
    return handleCall(UsbCall::ResetEp, handle, static_cast<int>(endpoint));
}

int UsbBus::bulkWrite(usb_dev_handle *handle, int endpoint, const char *bytes, int size, int timeout)
{
    DeviceSide *side = nullptr;
    int result = size;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        const std::shared_ptr<SimDevice> device = deviceOf(handle);
        const int id = device ? device->id : -1;
        if (!device)
            result = -EBADF;
        else if (!handle->claimed || isInEndpoint(endpoint) || !device->hasEndpoint(endpoint) || size < 0)
            result = -EINVAL;
        else if (takeFault(UsbCall::BulkWrite, id, result))
            result = std::min(result, size);
        record({UsbCall::BulkWrite, id, endpoint, size, timeout, result});
        if (device)
            side = device->side;
    }
    if (side && result > 0)
        side->handleOut(reinterpret_cast<const std::uint8_t *>(bytes), static_cast<std::size_t>(result));
    return result;
}

int UsbBus::bulkRead(usb_dev_handle *handle, int endpoint, char *bytes, int size, int timeout)
{
    DeviceSide *side = nullptr;
    int waitMs = timeout;
    int id = -1;
    int result = 0;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        const std::shared_ptr<SimDevice> device = deviceOf(handle);
        id = device ? device->id : -1;
        bool failed = true;
        if (!device)
            result = -EBADF;
        else if (!handle->claimed || !isInEndpoint(endpoint) || !device->hasEndpoint(endpoint) || size < 0)
            result = -EINVAL;
        else if (!takeFault(UsbCall::BulkRead, id, result))
            failed = false;
        if (failed)
            return record({UsbCall::BulkRead, id, endpoint, size, timeout, result});
        side = device->side;
        if (readTimeoutCap_ > 0)
            waitMs = std::min(waitMs, readTimeoutCap_);
    }

    std::vector<std::uint8_t> packet;
    if (side && side->takeIn(packet, waitMs)) {
        if (packet.size() > static_cast<std::size_t>(size)) {
            result = -EOVERFLOW;
        } else {
            std::copy(packet.begin(), packet.end(), bytes);
            result = static_cast<int>(packet.size());
        }
    } else {
        if (!side)
            std::this_thread::sleep_for(std::chrono::milliseconds(waitMs));
        result = -ETIMEDOUT;
    }
    std::lock_guard<std::mutex> lock(mutex_);
    return record({UsbCall::BulkRead, id, endpoint, size, timeout, result});
}

const char *UsbBus::lastError() const
{
    return errorText;
}

} // namespace sim
