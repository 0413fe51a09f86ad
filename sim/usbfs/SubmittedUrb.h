#pragma once

// One URB that the host submitted: the emulator's mirror of the host's
// struct usbdevfs_urb (kept referenced until it is reaped) and the result
// that reaping reports.

#include <umockdev.h>

#include <linux/usbdevice_fs.h>
#include <sys/ioctl.h>

#include <cstdint>

namespace sim {

class SubmittedUrb
{
public:
    explicit SubmittedUrb(UMockdevIoctlData *urb);
    SubmittedUrb(SubmittedUrb &&other) noexcept;
    SubmittedUrb &operator=(SubmittedUrb &&other) noexcept;
    SubmittedUrb(const SubmittedUrb &) = delete;
    SubmittedUrb &operator=(const SubmittedUrb &) = delete;
    ~SubmittedUrb();

    UMockdevIoctlData *data() const { return urb_; }
    usbdevfs_urb &kernelUrb() const;
    std::uintptr_t hostAddress() const;

    // Stores the result in the mirror; reaping copies it back to the host.
    void finish(int status, int actualLength);

private:
    UMockdevIoctlData *urb_;
};

} // namespace sim
