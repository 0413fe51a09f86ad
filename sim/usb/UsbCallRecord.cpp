#include "UsbCallRecord.h"

#include <cstdio>

namespace sim {

namespace {

const char *callName(UsbCall call)
{
    switch (call) {
    case UsbCall::Init: return "init";
    case UsbCall::FindBusses: return "find_busses";
    case UsbCall::FindDevices: return "find_devices";
    case UsbCall::GetBusses: return "get_busses";
    case UsbCall::Open: return "open";
    case UsbCall::SetConfiguration: return "set_configuration";
    case UsbCall::ClaimInterface: return "claim_interface";
    case UsbCall::SetAltInterface: return "set_altinterface";
    case UsbCall::BulkWrite: return "bulk_write";
    case UsbCall::BulkRead: return "bulk_read";
    case UsbCall::ResetEp: return "resetep";
    case UsbCall::ReleaseInterface: return "release_interface";
    case UsbCall::Close: return "close";
    }
    return "?";
}

std::string format(const char *pattern, int first, int second = 0, int third = 0)
{
    char text[96];
    std::snprintf(text, sizeof text, pattern, first, second, third);
    return text;
}

} // namespace

std::string UsbCallRecord::describe() const
{
    std::string text = callName(call);
    if (device >= 0)
        text += format(" dev=%d", device);
    switch (call) {
    case UsbCall::SetConfiguration:
    case UsbCall::ClaimInterface:
    case UsbCall::SetAltInterface:
    case UsbCall::ReleaseInterface:
        text += format(" %d", value);
        break;
    case UsbCall::ResetEp:
        text += format(" ep=0x%02x", value);
        break;
    case UsbCall::BulkWrite:
    case UsbCall::BulkRead:
        text += format(" ep=0x%02x size=%d timeout=%d", value, size, timeout);
        break;
    default:
        break;
    }
    return text;
}

} // namespace sim
