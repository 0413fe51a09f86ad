#include "EmulatedUsbDevice.h"

#include "DeviceSide.h"
#include "UsbfsConnection.h"

#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <stdexcept>

namespace sim {

namespace {

const char kConnectionKey[] = "vantrel-usbfs-connection";

// Borrows a resolved piece of the host's memory for one scope.
class ResolvedData
{
public:
    ResolvedData(UMockdevIoctlData *parent, std::size_t offset, std::size_t length)
    {
        GError *error = nullptr;
        data_ = umockdev_ioctl_data_resolve(parent, offset, length, &error);
        g_clear_error(&error);
    }
    ~ResolvedData()
    {
        if (data_)
            umockdev_ioctl_data_unref(data_);
    }
    ResolvedData(const ResolvedData &) = delete;
    ResolvedData &operator=(const ResolvedData &) = delete;

    explicit operator bool() const { return data_ != nullptr; }
    UMockdevIoctlData *get() const { return data_; }
    std::uint8_t *bytes() const { return data_->data; }

    template <typename T>
    T &as() const
    {
        return *reinterpret_cast<T *>(data_->data);
    }

private:
    UMockdevIoctlData *data_ = nullptr;
};

bool isConfiguration(int value)
{
    // -1 and 0 leave the device unconfigured, which a real device accepts too.
    return value == -1 || value == 0 || value == UsbDeviceDescription::kConfiguration;
}

bool isInterface(int value)
{
    return value == UsbDeviceDescription::kInterface;
}

bool isEndpoint(int value)
{
    return value == UsbDeviceDescription::kInEndpoint || value == UsbDeviceDescription::kOutEndpoint;
}

} // namespace

struct EmulatedUsbDevice::ReapWait {
    std::shared_ptr<EmulatedUsbDevice> device;
    UMockdevIoctlClient *client;
    bool blocking;

    ~ReapWait() { g_object_unref(client); }
};

EmulatedUsbDevice::EmulatedUsbDevice(std::shared_ptr<DeviceSide> device, int deviceNumber)
    : device_(std::move(device)),
      deviceNumber_(deviceNumber),
      deviceNode_(UsbDeviceDescription::deviceNode(deviceNumber)),
      inCursor_(*device_, UsbDeviceDescription::kMaxPacketSize),
      outAssembler_([this](const std::uint8_t *data, std::size_t length) { device_->handleOut(data, length); })
{
}

EmulatedUsbDevice::~EmulatedUsbDevice()
{
    cancelHeldOutFlush();
    if (handler_)
        g_object_unref(handler_);
}

void EmulatedUsbDevice::attach(UMockdevTestbed *testbed)
{
    handler_ = umockdev_ioctl_base_new();
    // The handler keeps the device alive for as long as it may still be called.
    ioctlConnection_ = g_signal_connect_data(
        handler_, "handle-ioctl", G_CALLBACK(onIoctl), new std::shared_ptr<EmulatedUsbDevice>(shared_from_this()),
        [](gpointer self, GClosure *) { delete static_cast<std::shared_ptr<EmulatedUsbDevice> *>(self); },
        GConnectFlags(0));
    GError *error = nullptr;
    if (!umockdev_testbed_attach_ioctl(testbed, deviceNode_.c_str(), handler_, &error)) {
        const std::string message = error ? error->message : "unknown error";
        g_clear_error(&error);
        disconnect();
        throw std::runtime_error("cannot emulate " + deviceNode_ + ": " + message);
    }
}

GMainContext *EmulatedUsbDevice::workerContext() const
{
    std::lock_guard<std::mutex> lock(contextMutex_);
    return workerContext_;
}

void EmulatedUsbDevice::stop()
{
    stopped_ = true;
    cancelHeldOutFlush();
}

void EmulatedUsbDevice::disconnect()
{
    if (ioctlConnection_)
        g_signal_handler_disconnect(handler_, ioctlConnection_);
    ioctlConnection_ = 0;
}

gboolean EmulatedUsbDevice::onIoctl(UMockdevIoctlBase *, UMockdevIoctlClient *client, gpointer self)
{
    (*static_cast<std::shared_ptr<EmulatedUsbDevice> *>(self))->handleIoctl(client);
    return TRUE;
}

void EmulatedUsbDevice::handleIoctl(UMockdevIoctlClient *client)
{
    if (stopped_) {
        umockdev_ioctl_client_complete(client, -1, ENODEV);
        return;
    }
    {
        std::lock_guard<std::mutex> lock(contextMutex_);
        if (!workerContext_)
            workerContext_ = g_main_context_get_thread_default();
    }
    const unsigned long request = umockdev_ioctl_client_get_request(client);
    if (request == USBDEVFS_REAPURB || request == USBDEVFS_REAPURBNDELAY) {
        reap(client, request == USBDEVFS_REAPURB);
        return;
    }
    const Outcome outcome = answer(client, request);
    umockdev_ioctl_client_complete(client, outcome.result, outcome.error);
}

EmulatedUsbDevice::Outcome EmulatedUsbDevice::answer(UMockdevIoctlClient *client, unsigned long request)
{
    UMockdevIoctlData *argument = umockdev_ioctl_client_get_arg(client);
    switch (request) {
    case USBDEVFS_CONNECTINFO:
        return connectInfo(argument);
    case USBDEVFS_SETCONFIGURATION:
        return checkValue(argument, isConfiguration);
    case USBDEVFS_CLAIMINTERFACE:
    case USBDEVFS_RELEASEINTERFACE:
        return checkValue(argument, isInterface);
    case USBDEVFS_SETINTERFACE:
        return setInterface(argument);
    case USBDEVFS_RESETEP:
    case USBDEVFS_CLEAR_HALT:
        return checkValue(argument, isEndpoint);
    case USBDEVFS_SUBMITURB:
        return submitUrb(connectionOf(client), argument);
    case USBDEVFS_DISCARDURB:
        return discardUrb(connectionOf(client), argument);
    case USBDEVFS_IOCTL:
        // libusb's hub query during enumeration: this device is no hub.
        return {-1, ENOSYS};
    case USBDEVFS_GETDRIVER:
        return {-1, ENODATA};
    default:
        std::fprintf(stderr, "emulated %s: unsupported ioctl 0x%lx\n", deviceNode_.c_str(), request);
        return {-1, ENOTTY};
    }
}

EmulatedUsbDevice::Outcome EmulatedUsbDevice::connectInfo(UMockdevIoctlData *argument) const
{
    ResolvedData info(argument, 0, sizeof(usbdevfs_connectinfo));
    if (!info)
        return {-1, EFAULT};
    info.as<usbdevfs_connectinfo>().devnum = static_cast<unsigned>(deviceNumber_);
    info.as<usbdevfs_connectinfo>().slow = 0;
    return {0, 0};
}

EmulatedUsbDevice::Outcome EmulatedUsbDevice::checkValue(UMockdevIoctlData *argument, bool (*accepted)(int)) const
{
    ResolvedData value(argument, 0, sizeof(int));
    if (!value)
        return {-1, EFAULT};
    return accepted(value.as<int>()) ? Outcome{0, 0} : Outcome{-1, EINVAL};
}

EmulatedUsbDevice::Outcome EmulatedUsbDevice::setInterface(UMockdevIoctlData *argument) const
{
    ResolvedData setting(argument, 0, sizeof(usbdevfs_setinterface));
    if (!setting)
        return {-1, EFAULT};
    const auto &requested = setting.as<usbdevfs_setinterface>();
    const bool known = requested.interface == UsbDeviceDescription::kInterface && requested.altsetting == 0;
    return known ? Outcome{0, 0} : Outcome{-1, EINVAL};
}

EmulatedUsbDevice::Outcome EmulatedUsbDevice::submitUrb(UsbfsConnection &connection, UMockdevIoctlData *argument)
{
    ResolvedData mirror(argument, 0, sizeof(usbdevfs_urb));
    if (!mirror)
        return {-1, EFAULT};
    SubmittedUrb urb(mirror.get());
    const usbdevfs_urb &request = urb.kernelUrb();
    if (request.type != USBDEVFS_URB_TYPE_BULK || request.buffer_length < 0)
        return {-1, EINVAL};
    if (request.endpoint == UsbDeviceDescription::kOutEndpoint)
        return receiveOut(connection, std::move(urb));
    if (request.endpoint != UsbDeviceDescription::kInEndpoint)
        return {-1, EINVAL};
    connection.addWaitingIn(std::move(urb));
    fillWaitingIn(connection);
    return {0, 0};
}

EmulatedUsbDevice::Outcome EmulatedUsbDevice::receiveOut(UsbfsConnection &connection, SubmittedUrb urb)
{
    const usbdevfs_urb &request = urb.kernelUrb();
    const auto length = static_cast<std::size_t>(request.buffer_length);
    const auto hostAddress = reinterpret_cast<std::uintptr_t>(request.buffer);
    if (length == 0) {
        outAssembler_.add(nullptr, 0, hostAddress);
    } else {
        ResolvedData buffer(urb.data(), offsetof(usbdevfs_urb, buffer), length);
        if (!buffer)
            return {-1, EFAULT};
        outAssembler_.add(buffer.bytes(), length, hostAddress);
    }
    if (outAssembler_.holding())
        scheduleHeldOutFlush();
    else
        cancelHeldOutFlush();
    urb.finish(0, request.buffer_length);
    connection.addCompleted(std::move(urb));
    return {0, 0};
}

EmulatedUsbDevice::Outcome EmulatedUsbDevice::discardUrb(UsbfsConnection &connection,
                                                         UMockdevIoctlData *argument) const
{
    // The argument is the URB's address itself, not a pointer to read.
    std::uintptr_t hostAddress = 0;
    std::memcpy(&hostAddress, argument->data, sizeof hostAddress);
    return connection.discard(hostAddress) ? Outcome{0, 0} : Outcome{-1, EINVAL};
}

void EmulatedUsbDevice::reap(UMockdevIoctlClient *client, bool blocking)
{
    if (tryReap(client))
        return;
    // Answer later from the worker's own loop: sleeping here would stall
    // every emulated device, and the host stays blocked in ioctl() meanwhile.
    auto *wait = new ReapWait{shared_from_this(), static_cast<UMockdevIoctlClient *>(g_object_ref(client)), blocking};
    GSource *source = g_timeout_source_new(kReapRetryMs);
    g_source_set_callback(source, onReapWait, wait, [](gpointer w) { delete static_cast<ReapWait *>(w); });
    g_source_attach(source, g_main_context_get_thread_default());
    g_source_unref(source);
}

gboolean EmulatedUsbDevice::onReapWait(gpointer data)
{
    auto *wait = static_cast<ReapWait *>(data);
    if (!umockdev_ioctl_client_get_connected(wait->client))
        return G_SOURCE_REMOVE;
    // A device pulled out while the host waits in its reap: the call must
    // still end, as the kernel ends it, or the host waits for ever and the
    // unanswered client ends the host's preload.
    if (wait->device->stopped_) {
        umockdev_ioctl_client_complete(wait->client, -1, ENODEV);
        return G_SOURCE_REMOVE;
    }
    if (wait->device->tryReap(wait->client))
        return G_SOURCE_REMOVE;
    if (wait->blocking)
        return G_SOURCE_CONTINUE;
    umockdev_ioctl_client_complete(wait->client, -1, EAGAIN);
    return G_SOURCE_REMOVE;
}

bool EmulatedUsbDevice::tryReap(UMockdevIoctlClient *client)
{
    UsbfsConnection &connection = connectionOf(client);
    fillWaitingIn(connection);
    std::optional<SubmittedUrb> urb = connection.takeCompleted();
    if (!urb)
        return false;
    // The argument is a struct usbdevfs_urb **: point it at the host's own
    // URB, which makes completing the call copy the URB and its buffer back.
    ResolvedData pointer(umockdev_ioctl_client_get_arg(client), 0, sizeof(void *));
    if (!pointer) {
        umockdev_ioctl_client_complete(client, -1, EFAULT);
        return true;
    }
    umockdev_ioctl_data_set_ptr(pointer.get(), 0, urb->data());
    umockdev_ioctl_client_complete(client, 0, 0);
    return true;
}

void EmulatedUsbDevice::fillWaitingIn(UsbfsConnection &connection)
{
    while (connection.hasWaitingIn()) {
        SubmittedUrb &urb = connection.firstWaitingIn();
        const auto capacity = static_cast<std::size_t>(urb.kernelUrb().buffer_length);
        const std::optional<InTransferCursor::Piece> piece = inCursor_.next(capacity);
        if (!piece)
            return;
        int status = 0;
        if (piece->length > 0) {
            ResolvedData buffer(urb.data(), offsetof(usbdevfs_urb, buffer), piece->length);
            if (buffer)
                std::memcpy(buffer.bytes(), piece->data, piece->length);
            else
                status = -EFAULT;
        }
        urb.finish(status, status == 0 ? static_cast<int>(piece->length) : 0);
        connection.completeFirstWaitingIn();
    }
}

void EmulatedUsbDevice::scheduleHeldOutFlush()
{
    cancelHeldOutFlush();
    heldOutTimer_ = g_timeout_source_new(kHeldOutFlushMs);
    g_source_set_callback(heldOutTimer_, onHeldOutTimeout, new std::shared_ptr<EmulatedUsbDevice>(shared_from_this()),
                          [](gpointer self) { delete static_cast<std::shared_ptr<EmulatedUsbDevice> *>(self); });
    g_source_attach(heldOutTimer_, g_main_context_get_thread_default());
}

void EmulatedUsbDevice::cancelHeldOutFlush()
{
    if (!heldOutTimer_)
        return;
    g_source_destroy(heldOutTimer_);
    g_source_unref(heldOutTimer_);
    heldOutTimer_ = nullptr;
}

gboolean EmulatedUsbDevice::onHeldOutTimeout(gpointer self)
{
    EmulatedUsbDevice &device = **static_cast<std::shared_ptr<EmulatedUsbDevice> *>(self);
    g_source_unref(device.heldOutTimer_);
    device.heldOutTimer_ = nullptr;
    if (!device.stopped_)
        device.outAssembler_.flush();
    return G_SOURCE_REMOVE;
}

UsbfsConnection &EmulatedUsbDevice::connectionOf(UMockdevIoctlClient *client)
{
    auto *connection = static_cast<UsbfsConnection *>(g_object_get_data(G_OBJECT(client), kConnectionKey));
    if (!connection) {
        connection = new UsbfsConnection;
        g_object_set_data_full(G_OBJECT(client), kConnectionKey, connection,
                               [](gpointer c) { delete static_cast<UsbfsConnection *>(c); });
    }
    return *connection;
}

} // namespace sim
