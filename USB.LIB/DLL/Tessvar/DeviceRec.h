#pragma once

#include <atomic>
#include <cstdint>
#include <memory>

struct usb_device;
struct usb_dev_handle;

namespace port {
struct Thread;
}

// One attached camera. Created closed by enumeration and retired by the next
// one. Shared, so that a thread still using a retired record keeps it alive.
// Every field but the endpoints (fixed at creation) is read and written under
// the library lock only.
struct DeviceRec {
    static constexpr int MaxEndpoints = 4;

    usb_device *device = nullptr;
    usb_dev_handle *handle = nullptr;
    port::Thread *reader = nullptr;
    // Shared with the reader thread so that a reader stopped from its own
    // callback can still see the flag after the record has been freed.
    std::shared_ptr<std::atomic<bool>> stop;
    std::uint8_t inEndpoints[MaxEndpoints] = {};
    std::uint8_t outEndpoints[MaxEndpoints] = {};
    int inEndpointCount = 0;
    int outEndpointCount = 0;

    // Transient states that let the USB work run outside the library lock.
    bool opening = false;        // an open is claiming the device
    bool readerStopping = false; // a thread is joining the reader
    int writesInFlight = 0;      // writes using the handle right now
    bool retired = false;        // enumeration replaced the record
};
