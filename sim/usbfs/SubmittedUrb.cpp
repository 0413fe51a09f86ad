#include "SubmittedUrb.h"

#include <utility>

namespace sim {

SubmittedUrb::SubmittedUrb(UMockdevIoctlData *urb) : urb_(umockdev_ioctl_data_ref(urb)) {}

SubmittedUrb::SubmittedUrb(SubmittedUrb &&other) noexcept : urb_(std::exchange(other.urb_, nullptr)) {}

SubmittedUrb &SubmittedUrb::operator=(SubmittedUrb &&other) noexcept
{
    std::swap(urb_, other.urb_);
    return *this;
}

SubmittedUrb::~SubmittedUrb()
{
    if (urb_)
        umockdev_ioctl_data_unref(urb_);
}

usbdevfs_urb &SubmittedUrb::kernelUrb() const
{
    return *reinterpret_cast<usbdevfs_urb *>(urb_->data);
}

std::uintptr_t SubmittedUrb::hostAddress() const
{
    return urb_->client_addr;
}

void SubmittedUrb::finish(int status, int actualLength)
{
    kernelUrb().status = status;
    kernelUrb().actual_length = actualLength;
}

} // namespace sim
