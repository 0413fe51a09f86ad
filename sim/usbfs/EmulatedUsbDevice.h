#pragma once

// One emulated usbfs device file: answers the ioctls that libusb 0.1 sends to
// /dev/bus/usb/001/NNN and carries the bulk transfers to and from a
// DeviceSide. Every handler runs on umockdev's worker thread, which also owns
// all the transfer state, so only the worker's context, which the test bed
// reads when it ends, needs a lock; the device itself is reached only through
// DeviceSide's thread-safe calls and never waited for.

#include "InTransferCursor.h"
#include "OutTransferAssembler.h"
#include "SubmittedUrb.h"
#include "UsbDeviceDescription.h"

#include <umockdev.h>

#include <memory>
#include <mutex>
#include <string>

namespace sim {

class DeviceSide;
class UsbfsConnection;

class EmulatedUsbDevice : public std::enable_shared_from_this<EmulatedUsbDevice>
{
public:
    // How long a full OUT URB waits for its continuation before it is taken
    // as a whole transfer. libusb submits the next part at once.
    static constexpr unsigned kHeldOutFlushMs = 50;
    // How long a reap without a completed URB waits before it says so;
    // select() on the emulated file is always ready, so this paces the
    // host's polling loop.
    static constexpr unsigned kReapRetryMs = 1;

    EmulatedUsbDevice(std::shared_ptr<DeviceSide> device, int deviceNumber);
    ~EmulatedUsbDevice();
    EmulatedUsbDevice(const EmulatedUsbDevice &) = delete;
    EmulatedUsbDevice &operator=(const EmulatedUsbDevice &) = delete;

    const std::string &deviceNode() const { return deviceNode_; }

    // Starts answering the device file's ioctls; throws std::runtime_error
    // when umockdev refuses.
    void attach(UMockdevTestbed *testbed);
    // The main context of umockdev's worker thread, once it has called this
    // device; null before.
    GMainContext *workerContext() const;
    // On the worker thread: answers nothing more and drops a held write.
    void stop();
    // Lets go of the handler's hold on this device once stop() has run.
    void disconnect();

private:
    struct Outcome {
        long result;
        int error;
    };
    struct ReapWait;

    static gboolean onIoctl(UMockdevIoctlBase *handler, UMockdevIoctlClient *client, gpointer self);
    static gboolean onReapWait(gpointer wait);
    static gboolean onHeldOutTimeout(gpointer self);

    void handleIoctl(UMockdevIoctlClient *client);
    Outcome answer(UMockdevIoctlClient *client, unsigned long request);
    Outcome connectInfo(UMockdevIoctlData *argument) const;
    Outcome checkValue(UMockdevIoctlData *argument, bool (*accepted)(int)) const;
    Outcome setInterface(UMockdevIoctlData *argument) const;
    Outcome submitUrb(UsbfsConnection &connection, UMockdevIoctlData *argument);
    Outcome receiveOut(UsbfsConnection &connection, SubmittedUrb urb);
    Outcome discardUrb(UsbfsConnection &connection, UMockdevIoctlData *argument) const;

    void reap(UMockdevIoctlClient *client, bool blocking);
    bool tryReap(UMockdevIoctlClient *client);
    void fillWaitingIn(UsbfsConnection &connection);
    void scheduleHeldOutFlush();
    void cancelHeldOutFlush();

    static UsbfsConnection &connectionOf(UMockdevIoctlClient *client);

    std::shared_ptr<DeviceSide> device_;
    const int deviceNumber_;
    const std::string deviceNode_;
    InTransferCursor inCursor_;
    OutTransferAssembler outAssembler_;
    UMockdevIoctlBase *handler_ = nullptr;
    gulong ioctlConnection_ = 0;
    GSource *heldOutTimer_ = nullptr;
    bool stopped_ = false;
    mutable std::mutex contextMutex_;
    GMainContext *workerContext_ = nullptr;
};

} // namespace sim
