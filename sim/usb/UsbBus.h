#pragma once

#include "DeviceLayout.h"
#include "UsbCallRecord.h"

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <vector>

struct usb_bus;
struct usb_device;
struct usb_dev_handle;

namespace sim {

class DeviceSide;
struct SimDevice;

// The simulated USB world behind the libusb 0.1 functions: buses with their
// devices, the device side attached to each, injected faults and the ordered
// log of the host's calls. Process-wide, since libusb's functions are.
class UsbBus
{
public:
    static constexpr int Always = -1;
    static constexpr int AnyDevice = -1;

    static UsbBus &instance();

    // Empties the bus list, the faults, the log and the time-out cap. Handles
    // still open stay usable until the host closes them.
    void reset();

    // Returns the new bus's number (1, 2, ...) in bus-list order.
    int addBus();
    // Appends a device to the bus's device list; returns its id (0, 1, ...).
    int addDevice(int bus, const DeviceLayout &layout);
    // The side stays owned by the caller and must outlive its use.
    void attach(int device, DeviceSide *side);

    // The next `times` calls of this kind (every call for Always) return
    // result instead of doing their work. A positive result of a bulk write
    // is a short write: only that many bytes reach the device.
    void failCall(UsbCall call, int result, int times = Always, int device = AnyDevice);
    void clearFaults();

    // Bulk reads wait at most this long for an IN transfer (0: no cap), so
    // that tests do not sit out the host's 5-second time-outs.
    void setReadTimeoutCap(int milliseconds);

    std::vector<UsbCallRecord> calls() const;
    // The described calls in order, leaving out the kinds in skip.
    std::vector<std::string> log(const std::set<UsbCall> &skip = {}) const;
    int countOf(UsbCall call) const;
    void clearLog();

    int openHandleCount() const;
    // True while some open handle holds the device's interface 0.
    bool isClaimed(int device) const;

    // The host side, called by the libusb functions.
    void init();
    int findBusses();
    int findDevices();
    usb_bus *busList();
    usb_dev_handle *open(struct usb_device *device);
    int close(usb_dev_handle *handle);
    int setConfiguration(usb_dev_handle *handle, int configuration);
    int claimInterface(usb_dev_handle *handle, int interface);
    int releaseInterface(usb_dev_handle *handle, int interface);
    int setAltInterface(usb_dev_handle *handle, int alternate);
    int resetEndpoint(usb_dev_handle *handle, unsigned endpoint);
    int bulkWrite(usb_dev_handle *handle, int endpoint, const char *bytes, int size, int timeout);
    int bulkRead(usb_dev_handle *handle, int endpoint, char *bytes, int size, int timeout);
    const char *lastError() const;

    UsbBus(const UsbBus &) = delete;
    UsbBus &operator=(const UsbBus &) = delete;

private:
    struct Fault {
        UsbCall call;
        int result;
        int remaining;
        int device;
    };
    struct Bus;

    UsbBus();
    ~UsbBus();

    bool takeFault(UsbCall call, int device, int &result);
    int record(UsbCallRecord entry);
    std::shared_ptr<SimDevice> deviceOf(usb_dev_handle *handle) const;
    int handleCall(UsbCall call, usb_dev_handle *handle, int value);
    void relink();

    mutable std::mutex mutex_;
    std::deque<std::unique_ptr<Bus>> buses_;
    std::vector<std::shared_ptr<SimDevice>> devices_;
    std::set<usb_dev_handle *> handles_;
    std::vector<Fault> faults_;
    std::vector<UsbCallRecord> log_;
    int readTimeoutCap_ = 0;
};

} // namespace sim
