#pragma once

#include <atomic>
#include <cstdint>
#include <memory>

struct usb_device;
struct usb_dev_handle;

namespace port {
struct Thread;
}

// One attached camera. Created closed by enumeration and freed by the next one.
struct DeviceRec {
    static constexpr int MaxEndpoints = 4;

    struct usb_device *device = nullptr;
    usb_dev_handle *handle = nullptr;
    port::Thread *reader = nullptr;
    // Shared with the reader thread so that a reader stopped from its own
    // callback can still see the flag after the record has been freed.
    std::shared_ptr<std::atomic<bool>> stop;
    std::uint8_t inEndpoints[MaxEndpoints] = {};
    std::uint8_t outEndpoints[MaxEndpoints] = {};
    int inEndpointCount = 0;
    int outEndpointCount = 0;
};
