#pragma once

#include <string>

namespace sim {

enum class UsbCall {
    Init,
    FindBusses,
    FindDevices,
    GetBusses,
    Open,
    SetConfiguration,
    ClaimInterface,
    SetAltInterface,
    BulkWrite,
    BulkRead,
    ResetEp,
    ReleaseInterface,
    Close,
};

// One call that the host made into the simulated libusb.
struct UsbCallRecord {
    UsbCall call = UsbCall::Init;
    int device = -1;   // the device's id on the simulated bus, -1 for bus calls
    int value = -1;    // endpoint, configuration, interface or alternate setting
    int size = -1;     // bytes asked for in a transfer
    int timeout = -1;  // milliseconds asked for in a transfer
    int result = 0;

    // Text that a test compares, e.g. "bulk_write dev=0 ep=0x01 size=20 timeout=100".
    std::string describe() const;
};

} // namespace sim
