#pragma once

#include "ReaderLife.h"

#include <cstdint>
#include <memory>

struct usb_device;
struct usb_dev_handle;

// One attached camera. Created closed by enumeration and retired by the next
// one. Shared, so that a thread still using a retired record keeps it alive.
// Every field but the endpoints (fixed at creation) is read and written under
// the library lock only.
struct DeviceRec {
    static constexpr int MaxEndpoints = 4;

    usb_device *device = nullptr;
    usb_dev_handle *handle = nullptr;
    // The record's reader, from its start until it has ended (or until it
    // stopped itself from its own callback, which lets the record go at once).
    std::shared_ptr<ReaderLife> reader;
    std::uint8_t inEndpoints[MaxEndpoints] = {};
    std::uint8_t outEndpoints[MaxEndpoints] = {};
    int inEndpointCount = 0;
    int outEndpointCount = 0;

    // Transient states that let the USB work run outside the library lock.
    bool opening = false;        // an open is claiming the device
    // A reader's callback closed the camera while its reader still ran; the
    // reader closes it once it has left its loop.
    bool closeWhenReaderEnds = false;
    int writesInFlight = 0;      // writes using the handle right now
    bool retired = false;        // enumeration replaced the record
};
