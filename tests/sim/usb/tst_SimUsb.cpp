#include "QueueDeviceSide.h"
#include "UsbBus.h"

#include <usb.h>

#include <QtTest>

#include <cerrno>
#include <cstring>

using sim::DeviceLayout;
using sim::QueueDeviceSide;
using sim::UsbBus;
using sim::UsbCall;

class TestSimUsb : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void busListMirrorsTopology();
    void deviceWithoutConfigurationHasNoDescriptors();
    void faultsCountDownAndTargetOneDevice();
    void interfaceIsClaimedByOneHandleAtATime();
    void transfersReachTheDeviceSide();
    void readTimeOutIsCapped();
    void outHandlerCanAnswer();
    void strerrorDescribesLastFailure();

private:
    struct usb_device *deviceAt(int bus, int position);
    usb_dev_handle *openClaimed(struct usb_device *device);

    UsbBus &bus_ = UsbBus::instance();
};

void TestSimUsb::init()
{
    bus_.reset();
}

struct usb_device *TestSimUsb::deviceAt(int bus, int position)
{
    usb_find_busses();
    usb_find_devices();
    struct usb_bus *found = usb_get_busses();
    for (int i = 0; i < bus && found; ++i)
        found = found->next;
    if (!found)
        return nullptr;
    struct usb_device *device = found->devices;
    for (int i = 0; i < position && device; ++i)
        device = device->next;
    return device;
}

usb_dev_handle *TestSimUsb::openClaimed(struct usb_device *device)
{
    usb_dev_handle *handle = usb_open(device);
    if (handle && usb_claim_interface(handle, 0) < 0) {
        usb_close(handle);
        return nullptr;
    }
    return handle;
}

void TestSimUsb::busListMirrorsTopology()
{
    const int first = bus_.addBus();
    const int second = bus_.addBus();
    DeviceLayout other;
    other.vendor = 0x1111;
    other.product = 0x2222;
    other.endpoints = {0x02, 0x83, 0x81};
    bus_.addDevice(second, DeviceLayout());
    bus_.addDevice(first, other);
    bus_.addDevice(second, other);

    QList<QPair<QString, QList<int>>> seen;
    usb_find_busses();
    usb_find_devices();
    for (struct usb_bus *bus = usb_get_busses(); bus; bus = bus->next) {
        QList<int> vendors;
        for (struct usb_device *device = bus->devices; device; device = device->next) {
            QCOMPARE(device->bus, bus);
            vendors << device->descriptor.idVendor;
        }
        seen << qMakePair(QString(bus->dirname), vendors);
    }
    const QList<QPair<QString, QList<int>>> expected{{"001", {0x1111}}, {"002", {0x4255, 0x1111}}};
    QCOMPARE(seen, expected);

    const struct usb_device *device = deviceAt(0, 0);
    const usb_interface_descriptor &setting = device->config->interface->altsetting[0];
    QCOMPARE(int(setting.bNumEndpoints), 3);
    QCOMPARE(int(setting.endpoint[1].bEndpointAddress), 0x83);
    QCOMPARE(int(setting.endpoint[1].bmAttributes), int(USB_ENDPOINT_TYPE_BULK));
}

void TestSimUsb::deviceWithoutConfigurationHasNoDescriptors()
{
    DeviceLayout layout;
    layout.hasConfiguration = false;
    bus_.addDevice(bus_.addBus(), layout);

    struct usb_device *device = deviceAt(0, 0);
    QVERIFY(!device->config);
    QCOMPARE(int(device->descriptor.bNumConfigurations), 0);
    usb_dev_handle *handle = usb_open(device);
    QVERIFY(usb_set_configuration(handle, 1) < 0);
    QVERIFY(usb_claim_interface(handle, 0) < 0);
    QCOMPARE(usb_close(handle), 0);
}

void TestSimUsb::faultsCountDownAndTargetOneDevice()
{
    const int bus = bus_.addBus();
    bus_.addDevice(bus, DeviceLayout());
    const int second = bus_.addDevice(bus, DeviceLayout());
    bus_.failCall(UsbCall::Open, -EACCES, 1, second);

    usb_dev_handle *first = usb_open(deviceAt(0, 0));
    QVERIFY(first);
    QVERIFY(!usb_open(deviceAt(0, 1)));
    usb_dev_handle *retried = usb_open(deviceAt(0, 1));
    QVERIFY(retried);

    bus_.failCall(UsbCall::ReleaseInterface, -EIO, 2);
    QCOMPARE(usb_claim_interface(first, 0), 0);
    QCOMPARE(usb_release_interface(first, 0), -EIO);
    QCOMPARE(usb_release_interface(first, 0), -EIO);
    QCOMPARE(usb_release_interface(first, 0), 0);

    // A failed close still frees the handle, as libusb does.
    bus_.failCall(UsbCall::Close, -EIO, 1);
    QCOMPARE(usb_close(first), -EIO);
    QCOMPARE(bus_.openHandleCount(), 1);
    QCOMPARE(usb_close(retried), 0);
}

void TestSimUsb::interfaceIsClaimedByOneHandleAtATime()
{
    bus_.addDevice(bus_.addBus(), DeviceLayout());
    usb_dev_handle *first = openClaimed(deviceAt(0, 0));
    QVERIFY(first);
    QVERIFY(bus_.isClaimed(0));

    usb_dev_handle *second = usb_open(deviceAt(0, 0));
    QCOMPARE(usb_claim_interface(second, 0), -EBUSY);
    // Closing a handle gives up its claim.
    usb_close(first);
    QCOMPARE(usb_claim_interface(second, 0), 0);
    usb_close(second);
    QVERIFY(!bus_.isClaimed(0));
}

void TestSimUsb::transfersReachTheDeviceSide()
{
    const int device = bus_.addDevice(bus_.addBus(), DeviceLayout());
    QueueDeviceSide side;
    bus_.attach(device, &side);
    usb_dev_handle *handle = openClaimed(deviceAt(0, 0));
    bus_.clearLog();

    const char data[] = "abcdef";
    QCOMPARE(usb_bulk_write(handle, 0x01, data, 6, 100), 6);
    bus_.failCall(UsbCall::BulkWrite, 2, 1);
    QCOMPARE(usb_bulk_write(handle, 0x01, data, 6, 100), 2);
    bus_.failCall(UsbCall::BulkWrite, -EPIPE, 1);
    QCOMPARE(usb_bulk_write(handle, 0x01, data, 6, 100), -EPIPE);
    QCOMPARE(usb_bulk_write(handle, 0x81, data, 6, 100), -EINVAL);
    const std::vector<QueueDeviceSide::Packet> expectedOut{{'a', 'b', 'c', 'd', 'e', 'f'}, {'a', 'b'}};
    QCOMPARE(side.outPackets(), expectedOut);

    side.pushIn({1, 2, 3});
    side.pushIn(QueueDeviceSide::Packet(10, 0));
    char buffer[8] = {};
    QCOMPARE(usb_bulk_read(handle, 0x81, buffer, sizeof buffer, 100), 3);
    QCOMPARE(buffer[2], char(3));
    QCOMPARE(usb_bulk_read(handle, 0x81, buffer, sizeof buffer, 100), -EOVERFLOW);
    bus_.failCall(UsbCall::BulkRead, -ENODEV, 1);
    QCOMPARE(usb_bulk_read(handle, 0x81, buffer, sizeof buffer, 100), -ENODEV);

    const std::vector<std::string> expectedLog{
        "bulk_write dev=0 ep=0x01 size=6 timeout=100",
        "bulk_read dev=0 ep=0x81 size=8 timeout=100",
    };
    const auto log = bus_.log();
    QCOMPARE(log.at(0), expectedLog[0]);
    QCOMPARE(log.at(4), expectedLog[1]);
    usb_close(handle);
}

void TestSimUsb::readTimeOutIsCapped()
{
    const int device = bus_.addDevice(bus_.addBus(), DeviceLayout());
    QueueDeviceSide side;
    bus_.attach(device, &side);
    bus_.setReadTimeoutCap(10);
    usb_dev_handle *handle = openClaimed(deviceAt(0, 0));

    QElapsedTimer timer;
    timer.start();
    char buffer[8];
    QCOMPARE(usb_bulk_read(handle, 0x81, buffer, sizeof buffer, 5000), -ETIMEDOUT);
    QVERIFY(timer.elapsed() < 4000);
    // The log keeps the time-out that the host asked for.
    QCOMPARE(bus_.calls().back().timeout, 5000);
    usb_close(handle);
}

void TestSimUsb::outHandlerCanAnswer()
{
    const int device = bus_.addDevice(bus_.addBus(), DeviceLayout());
    QueueDeviceSide side;
    side.setOutHandler([](const QueueDeviceSide::Packet &packet, QueueDeviceSide &self) {
        QueueDeviceSide::Packet reply(packet.rbegin(), packet.rend());
        self.pushIn(reply);
    });
    bus_.attach(device, &side);
    usb_dev_handle *handle = openClaimed(deviceAt(0, 0));

    QCOMPARE(usb_bulk_write(handle, 0x01, "xyz", 3, 100), 3);
    char buffer[8] = {};
    QCOMPARE(usb_bulk_read(handle, 0x81, buffer, sizeof buffer, 100), 3);
    QCOMPARE(QByteArray(buffer, 3), QByteArray("zyx"));
    usb_close(handle);
}

void TestSimUsb::strerrorDescribesLastFailure()
{
    bus_.addDevice(bus_.addBus(), DeviceLayout());
    bus_.failCall(UsbCall::SetConfiguration, -ENODEV, 1);
    usb_dev_handle *handle = usb_open(deviceAt(0, 0));

    QVERIFY(usb_set_configuration(handle, 1) < 0);
    QVERIFY(std::strstr(usb_strerror(), std::strerror(ENODEV)));
    usb_close(handle);
}

QTEST_GUILESS_MAIN(TestSimUsb)
#include "tst_SimUsb.moc"
