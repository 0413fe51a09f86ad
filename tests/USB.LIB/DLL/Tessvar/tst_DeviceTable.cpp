#include "DeviceTable.h"
#include "QueueDeviceSide.h"
#include "ReceivedPackets.h"
#include "SimBusSetup.h"
#include "Tessvar.h"
#include "UsbBus.h"

#include <QtTest>

#include <cerrno>
#include <memory>
#include <thread>

using SimBusSetup::ReadCapMs;
using SimBusSetup::WaitMs;
using sim::DeviceLayout;
using sim::QueueDeviceSide;
using sim::UsbBus;
using sim::UsbCall;

namespace {

const std::set<UsbCall> SkipReads{UsbCall::BulkRead};

// What closing an open camera asks of libusb, in order.
const std::vector<std::string> CloseCalls{
    "resetep dev=0 ep=0x01",
    "resetep dev=0 ep=0x81",
    "release_interface dev=0 0",
    "close dev=0",
};

DeviceLayout otherDevice(std::uint16_t vendor = 0x1234, std::uint16_t product = 0x0001)
{
    DeviceLayout layout;
    layout.vendor = vendor;
    layout.product = product;
    return layout;
}

QueueDeviceSide::Packet bytes(std::initializer_list<int> values)
{
    QueueDeviceSide::Packet packet;
    for (int value : values)
        packet.push_back(static_cast<std::uint8_t>(value));
    return packet;
}

} // namespace

Q_DECLARE_METATYPE(sim::UsbCall)

class TestDeviceTable : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void enumerationFiltersAndOrders_data();
    void enumerationFiltersAndOrders();
    void transfersUseFirstEndpointOfEachDirection_data();
    void transfersUseFirstEndpointOfEachDirection();
    void deviceWithoutConfigurationCannotOpen();

    void openClaimsAndWritesProbe();
    void openTwiceTouchesNothing();
    void failedOpenStepClosesHandleAndAllowsRetry_data();
    void failedOpenStepClosesHandleAndAllowsRetry();
    void failedProbeStillOpens();

    void closeResetsReleasesAndCloses();
    void failedReleaseKeepsHandleForRetry();
    void failedCloseLetsGoOfFreedHandle();
    void enumerationClosesEveryOpenCamera();
    void enumerationClosesHandleWhoseReleaseFailed();

    void writeAndReadReturnLibusbResult_data();
    void writeAndReadReturnLibusbResult();
    void closedDeviceRefusesTransfers();
    void unknownIndexFailsEveryOperation();

    void readerHandsOverEachSuccessfulRead();
    void secondStartReaderStartsNoThread();
    void readerRestartsAfterStop();
    void unpluggedReaderPausesBetweenReads();
    void readerMayCloseItsOwnCamera();

    void exportsRefreshOpenAndClose();

private:
    int addCamera(int bus, const DeviceLayout &layout = DeviceLayout());
    void enumerateOneCamera();
    int openOneCamera();
    void expectTransfersRefused();
    void expectNoFurtherReads();

    UsbBus &bus_ = UsbBus::instance();
    DeviceTable &table_ = DeviceTable::instance();
    std::vector<std::unique_ptr<QueueDeviceSide>> sides_;
    std::unique_ptr<ReceivedPackets> received_;
};

void TestDeviceTable::init()
{
    SimBusSetup::freshBus(ReadCapMs);
    received_ = std::make_unique<ReceivedPackets>();
    table_.setReceiver(&ReceivedPackets::receive, received_->context());
}

void TestDeviceTable::cleanup()
{
    // An empty bus and a fresh enumeration close whatever a test left open.
    bus_.reset();
    table_.Enumerate();
    QCOMPARE(bus_.openHandleCount(), 0);
    sides_.clear();
}

int TestDeviceTable::addCamera(int bus, const DeviceLayout &layout)
{
    const int device = bus_.addDevice(bus, layout);
    sides_.push_back(std::make_unique<QueueDeviceSide>());
    bus_.attach(device, sides_.back().get());
    return device;
}

// The only camera, alone on its bus, in the table.
void TestDeviceTable::enumerateOneCamera()
{
    addCamera(bus_.addBus());
    table_.Enumerate();
}

// Open's result for the only camera.
int TestDeviceTable::openOneCamera()
{
    enumerateOneCamera();
    return table_.Open(0);
}

void TestDeviceTable::expectTransfersRefused()
{
    const auto packet = bytes({1});
    unsigned char buffer[DeviceTable::ReceiveBufferSize];
    QCOMPARE(table_.Write(0, packet.data(), 1), -1);
    QCOMPARE(table_.Read(0, buffer), -1);
}

void TestDeviceTable::expectNoFurtherReads()
{
    const int reads = bus_.countOf(UsbCall::BulkRead);
    QTest::qWait(3 * ReadCapMs + 50);
    QCOMPARE(bus_.countOf(UsbCall::BulkRead), reads);
}

// Topology: buses separated by ';', devices by ','. c camera, x other
// vendor, v right vendor wrong product, p right product wrong vendor, - an
// empty bus.
void TestDeviceTable::enumerationFiltersAndOrders_data()
{
    QTest::addColumn<QString>("topology");
    QTest::addColumn<QList<int>>("cameraDevices");

    QTest::newRow("no bus") << "" << QList<int>{};
    QTest::newRow("empty bus") << "-" << QList<int>{};
    QTest::newRow("no matching id") << "x,v,p" << QList<int>{};
    QTest::newRow("one among others") << "x,c,v" << QList<int>{1};
    QTest::newRow("two buses") << "c,x;c" << QList<int>{0, 2};
    QTest::newRow("bus order, then device order") << "x;-;c,c;p,c" << QList<int>{1, 2, 4};
}

void TestDeviceTable::enumerationFiltersAndOrders()
{
    QFETCH(QString, topology);
    QFETCH(QList<int>, cameraDevices);

    for (const QString &busText : topology.split(';', Qt::SkipEmptyParts)) {
        const int bus = bus_.addBus();
        for (const QString &device : busText.split(',', Qt::SkipEmptyParts)) {
            if (device == "c")
                addCamera(bus);
            else if (device == "x")
                addCamera(bus, otherDevice());
            else if (device == "v")
                addCamera(bus, otherDevice(DeviceTable::VendorId, 0x0002));
            else if (device == "p")
                addCamera(bus, otherDevice(0x4256, DeviceTable::ProductId));
        }
    }

    QCOMPARE(table_.Enumerate(), cameraDevices.size());
    QCOMPARE(table_.count(), cameraDevices.size());
    QVERIFY(!table_.contains(cameraDevices.size()));
    for (int index = 0; index < cameraDevices.size(); ++index) {
        bus_.clearLog();
        QCOMPARE(table_.Open(index), 0);
        QCOMPARE(QString::fromStdString(bus_.log().front()), QString("open dev=%1").arg(cameraDevices[index]));
    }
}

void TestDeviceTable::transfersUseFirstEndpointOfEachDirection_data()
{
    QTest::addColumn<QList<int>>("endpoints");
    QTest::addColumn<int>("outEndpoint");
    QTest::addColumn<int>("inEndpoint");

    QTest::newRow("one of each") << QList<int>{0x01, 0x81} << 0x01 << 0x81;
    QTest::newRow("descriptor order, mixed") << QList<int>{0x84, 0x03, 0x82, 0x01} << 0x03 << 0x84;
    QTest::newRow("more than four of each")
        << QList<int>{0x81, 0x82, 0x83, 0x84, 0x85, 0x86, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07} << 0x02 << 0x81;
    QTest::newRow("no IN endpoint") << QList<int>{0x01, 0x02} << 0x01 << -1;
    QTest::newRow("no OUT endpoint") << QList<int>{0x81} << -1 << 0x81;
    QTest::newRow("no endpoint") << QList<int>{} << -1 << -1;
}

void TestDeviceTable::transfersUseFirstEndpointOfEachDirection()
{
    QFETCH(QList<int>, endpoints);
    QFETCH(int, outEndpoint);
    QFETCH(int, inEndpoint);

    DeviceLayout layout;
    layout.endpoints.clear();
    for (int address : endpoints)
        layout.endpoints.push_back(static_cast<std::uint8_t>(address));
    const int bus = bus_.addBus();
    addCamera(bus, layout);
    QCOMPARE(table_.Enumerate(), 1);
    QCOMPARE(table_.Open(0), 0);

    const auto packet = bytes({1, 2, 3});
    const int written = table_.Write(0, packet.data(), 3);
    unsigned char buffer[DeviceTable::ReceiveBufferSize];
    const int read = table_.Read(0, buffer);

    std::vector<std::string> expected;
    if (outEndpoint >= 0) {
        QCOMPARE(written, 3);
        expected.push_back(QString("bulk_write dev=0 ep=0x%1 size=3 timeout=5000")
                               .arg(outEndpoint, 2, 16, QChar('0')).toStdString());
    } else {
        QCOMPARE(written, -1);
    }
    if (inEndpoint >= 0) {
        QCOMPARE(read, -ETIMEDOUT);
        expected.push_back(QString("bulk_read dev=0 ep=0x%1 size=524288 timeout=5000")
                               .arg(inEndpoint, 2, 16, QChar('0')).toStdString());
    } else {
        QCOMPARE(read, -1);
    }
    // The probe is the only other transfer after opening.
    std::vector<std::string> transfers;
    for (const auto &call : bus_.calls()) {
        if ((call.call == UsbCall::BulkWrite && call.size != 20) || call.call == UsbCall::BulkRead)
            transfers.push_back(call.describe());
    }
    QCOMPARE(transfers, expected);
    QCOMPARE(table_.Close(0), 0);
}

void TestDeviceTable::deviceWithoutConfigurationCannotOpen()
{
    DeviceLayout layout;
    layout.hasConfiguration = false;
    addCamera(bus_.addBus(), layout);

    QCOMPARE(table_.Enumerate(), 1);
    QCOMPARE(table_.Open(0), -1);
    QCOMPARE(bus_.openHandleCount(), 0);
    expectTransfersRefused();
    QCOMPARE(table_.Close(0), 0);
}

void TestDeviceTable::openClaimsAndWritesProbe()
{
    enumerateOneCamera();
    bus_.clearLog();

    QCOMPARE(table_.Open(0), 0);

    const std::vector<std::string> expected{
        "open dev=0",
        "set_configuration dev=0 1",
        "claim_interface dev=0 0",
        "set_altinterface dev=0 0",
        "bulk_write dev=0 ep=0x01 size=20 timeout=100",
    };
    QCOMPARE(bus_.log(), expected);
    const auto probe = bytes({20, 0, 0, 0, 0, 0, 0, 0, 39, 0, 0, 0, 39, 0, 0, 0, 0x01, 0x00, 0, 0});
    QCOMPARE(sides_[0]->outPackets(), std::vector<QueueDeviceSide::Packet>{probe});
    QVERIFY(bus_.isClaimed(0));
}

void TestDeviceTable::openTwiceTouchesNothing()
{
    QCOMPARE(openOneCamera(), 0);
    bus_.clearLog();

    QCOMPARE(table_.Open(0), 0);
    QVERIFY(bus_.log().empty());
    QCOMPARE(bus_.openHandleCount(), 1);
}

void TestDeviceTable::failedOpenStepClosesHandleAndAllowsRetry_data()
{
    QTest::addColumn<UsbCall>("failingCall");
    QTest::addColumn<QStringList>("expectedCalls");

    QTest::newRow("open") << UsbCall::Open << QStringList{"open dev=0"};
    QTest::newRow("set configuration")
        << UsbCall::SetConfiguration << QStringList{"open dev=0", "set_configuration dev=0 1", "close dev=0"};
    QTest::newRow("claim interface")
        << UsbCall::ClaimInterface
        << QStringList{"open dev=0", "set_configuration dev=0 1", "claim_interface dev=0 0", "close dev=0"};
    QTest::newRow("set alternate setting")
        << UsbCall::SetAltInterface
        << QStringList{"open dev=0", "set_configuration dev=0 1", "claim_interface dev=0 0",
                       "set_altinterface dev=0 0", "close dev=0"};
}

void TestDeviceTable::failedOpenStepClosesHandleAndAllowsRetry()
{
    QFETCH(UsbCall, failingCall);
    QFETCH(QStringList, expectedCalls);

    enumerateOneCamera();
    bus_.clearLog();
    bus_.failCall(failingCall, -EIO, 1);

    QCOMPARE(table_.Open(0), -1);
    QStringList calls;
    for (const std::string &line : bus_.log())
        calls << QString::fromStdString(line);
    QCOMPARE(calls, expectedCalls);
    QCOMPARE(bus_.openHandleCount(), 0);
    QVERIFY(sides_[0]->outPackets().empty());

    QCOMPARE(table_.Open(0), 0);
    QVERIFY(bus_.isClaimed(0));
    QCOMPARE(sides_[0]->outPackets().size(), std::size_t(1));
}

void TestDeviceTable::failedProbeStillOpens()
{
    enumerateOneCamera();
    bus_.failCall(UsbCall::BulkWrite, -ETIMEDOUT, 1);

    QCOMPARE(table_.Open(0), 0);
    QVERIFY(bus_.isClaimed(0));
}

void TestDeviceTable::closeResetsReleasesAndCloses()
{
    QCOMPARE(openOneCamera(), 0);
    QCOMPARE(table_.StartReader(0), 0);
    QTRY_VERIFY(bus_.countOf(UsbCall::BulkRead) > 0);
    bus_.clearLog();

    QCOMPARE(table_.Close(0), 0);

    QCOMPARE(bus_.log(SkipReads), CloseCalls);
    QCOMPARE(bus_.openHandleCount(), 0);
    expectNoFurtherReads();

    bus_.clearLog();
    QCOMPARE(table_.Close(0), 0);
    QVERIFY(bus_.log().empty());
}

void TestDeviceTable::failedReleaseKeepsHandleForRetry()
{
    QCOMPARE(openOneCamera(), 0);
    bus_.failCall(UsbCall::ReleaseInterface, -EIO, 1);

    QCOMPARE(table_.Close(0), -1);
    QCOMPARE(bus_.openHandleCount(), 1);
    bus_.clearLog();

    QCOMPARE(table_.Close(0), 0);
    QCOMPARE(bus_.log(), CloseCalls);
    QCOMPARE(bus_.openHandleCount(), 0);
}

// libusb frees the handle even when usb_close fails; a retry must not use it.
void TestDeviceTable::failedCloseLetsGoOfFreedHandle()
{
    QCOMPARE(openOneCamera(), 0);
    bus_.failCall(UsbCall::Close, -EIO, 1);

    QCOMPARE(table_.Close(0), -1);
    bus_.clearLog();
    QCOMPARE(table_.Close(0), 0);
    QVERIFY(bus_.log().empty());
    QCOMPARE(table_.Open(0), 0);
}

void TestDeviceTable::enumerationClosesEveryOpenCamera()
{
    const int bus = bus_.addBus();
    addCamera(bus);
    addCamera(bus);
    QCOMPARE(table_.Enumerate(), 2);
    for (int index = 0; index < 2; ++index) {
        QCOMPARE(table_.Open(index), 0);
        QCOMPARE(table_.StartReader(index), 0);
    }

    QCOMPARE(table_.Enumerate(), 2);
    QCOMPARE(bus_.openHandleCount(), 0);
    expectNoFurtherReads();
}

void TestDeviceTable::enumerationClosesHandleWhoseReleaseFailed()
{
    QCOMPARE(openOneCamera(), 0);
    bus_.failCall(UsbCall::ReleaseInterface, -EIO);

    QCOMPARE(table_.Enumerate(), 1);
    QCOMPARE(bus_.openHandleCount(), 0);
    QVERIFY(!bus_.isClaimed(0));
    bus_.clearFaults();
    QCOMPARE(table_.Open(0), 0);
}

void TestDeviceTable::writeAndReadReturnLibusbResult_data()
{
    QTest::addColumn<UsbCall>("call");
    QTest::addColumn<int>("fault");
    QTest::addColumn<int>("expected");

    QTest::newRow("whole write") << UsbCall::BulkWrite << 0 << 6;
    QTest::newRow("short write") << UsbCall::BulkWrite << 4 << 4;
    QTest::newRow("failed write") << UsbCall::BulkWrite << -EPIPE << -EPIPE;
    QTest::newRow("read time-out") << UsbCall::BulkRead << 0 << -ETIMEDOUT;
    QTest::newRow("unplugged read") << UsbCall::BulkRead << -ENODEV << -ENODEV;
}

void TestDeviceTable::writeAndReadReturnLibusbResult()
{
    QFETCH(UsbCall, call);
    QFETCH(int, fault);
    QFETCH(int, expected);

    QCOMPARE(openOneCamera(), 0);
    if (fault != 0)
        bus_.failCall(call, fault, 1);

    const auto packet = bytes({1, 2, 3, 4, 5, 6});
    unsigned char buffer[DeviceTable::ReceiveBufferSize];
    if (call == UsbCall::BulkWrite)
        QCOMPARE(table_.Write(0, packet.data(), 6), expected);
    else
        QCOMPARE(table_.Read(0, buffer), expected);
}

void TestDeviceTable::closedDeviceRefusesTransfers()
{
    enumerateOneCamera();
    bus_.clearLog();

    expectTransfersRefused();
    QVERIFY(bus_.log().empty());
}

void TestDeviceTable::unknownIndexFailsEveryOperation()
{
    addCamera(bus_.addBus());
    QCOMPARE(table_.Enumerate(), 1);
    bus_.clearLog();

    const auto packet = bytes({1});
    unsigned char buffer[DeviceTable::ReceiveBufferSize];
    for (int index : {-1, 1, 7}) {
        QCOMPARE(table_.Open(index), -1);
        QCOMPARE(table_.Close(index), -1);
        QCOMPARE(table_.Write(index, packet.data(), 1), -1);
        QCOMPARE(table_.Read(index, buffer), -1);
        QCOMPARE(table_.StartReader(index), -1);
        QCOMPARE(table_.StopReader(index), -1);
        QCOMPARE(CloseDevice(index), -1);
        QCOMPARE(OpenDevice(index), -1);
    }
    QVERIFY(bus_.log().empty());
}

void TestDeviceTable::readerHandsOverEachSuccessfulRead()
{
    QCOMPARE(openOneCamera(), 0);
    const std::vector<QueueDeviceSide::Packet> sent{bytes({1, 2, 3}), QueueDeviceSide::Packet(4096, 0xAB), bytes({9})};
    for (const auto &packet : sent)
        sides_[0]->pushIn(packet);

    QCOMPARE(table_.StartReader(0), 0);
    QVERIFY(received_->waitFor(sent.size(), WaitMs));
    // Time-outs in between deliver nothing.
    QTRY_VERIFY(bus_.countOf(UsbCall::BulkRead) > int(sent.size()) + 2);
    QCOMPARE(table_.StopReader(0), 0);

    const auto packets = received_->packets();
    QCOMPARE(packets.size(), sent.size());
    for (std::size_t i = 0; i < sent.size(); ++i) {
        QCOMPARE(packets[i].deviceIndex, 0);
        QCOMPARE(packets[i].bytes, sent[i]);
    }
}

void TestDeviceTable::secondStartReaderStartsNoThread()
{
    QCOMPARE(openOneCamera(), 0);

    QCOMPARE(table_.StartReader(0), 0);
    QCOMPARE(table_.StartReader(0), 0);
    QTRY_VERIFY(bus_.countOf(UsbCall::BulkRead) > 0);
    // A second thread would be lost to the record and go on reading.
    QCOMPARE(table_.StopReader(0), 0);
    expectNoFurtherReads();
}

void TestDeviceTable::readerRestartsAfterStop()
{
    QCOMPARE(openOneCamera(), 0);
    QCOMPARE(table_.StartReader(0), 0);
    QCOMPARE(table_.StopReader(0), 0);
    QCOMPARE(table_.StopReader(0), 0);

    QCOMPARE(table_.StartReader(0), 0);
    sides_[0]->pushIn(bytes({7, 7}));
    QVERIFY(received_->waitFor(1, WaitMs));
    QTest::qWait(3 * ReadCapMs);
    sides_[0]->pushIn(bytes({8}));
    QVERIFY(received_->waitFor(2, WaitMs));
}

void TestDeviceTable::unpluggedReaderPausesBetweenReads()
{
    QCOMPARE(openOneCamera(), 0);
    bus_.failCall(UsbCall::BulkRead, -ENODEV);
    bus_.clearLog();

    QCOMPARE(table_.StartReader(0), 0);
    QTest::qWait(500);
    QCOMPARE(table_.StopReader(0), 0);

    const int reads = bus_.countOf(UsbCall::BulkRead);
    QVERIFY2(reads >= 2 && reads <= 500 / DeviceTable::ReadErrorPauseMs + 2,
             qPrintable(QString("%1 reads in 500 ms").arg(reads)));
    QVERIFY(received_->packets().empty());
}

void TestDeviceTable::readerMayCloseItsOwnCamera()
{
    QCOMPARE(openOneCamera(), 0);
    std::atomic<int> closeResult{1};
    received_->setHook([&](int index) { closeResult = table_.Close(index); });
    sides_[0]->pushIn(bytes({1}));

    QCOMPARE(table_.StartReader(0), 0);
    QTRY_COMPARE(closeResult.load(), 0);
    QCOMPARE(bus_.openHandleCount(), 0);
    received_->setHook(nullptr);

    QCOMPARE(table_.Open(0), 0);
    QCOMPARE(table_.StartReader(0), 0);
    sides_[0]->pushIn(bytes({2}));
    QVERIFY(received_->waitFor(2, WaitMs));
}

void TestDeviceTable::exportsRefreshOpenAndClose()
{
    const int bus = bus_.addBus();
    addCamera(bus);
    addCamera(bus, otherDevice());
    addCamera(bus);

    int count = -1;
    QCOMPARE(RefreshDecice(&count), 0);
    QCOMPARE(count, 2);
    QCOMPARE(OpenDevice(1), 0);
    sides_[2]->pushIn(bytes({5, 6}));
    QVERIFY(received_->waitFor(1, WaitMs));
    QCOMPARE(received_->packets()[0].deviceIndex, 1);

    bus_.clearLog();
    QCOMPARE(OpenDevice(1), 0);
    const auto calls = bus_.log(SkipReads);
    QCOMPARE(QString::fromStdString(calls.at(3)), QString("close dev=2"));
    QCOMPARE(QString::fromStdString(calls.at(4)), QString("open dev=2"));

    QCOMPARE(CloseDevice(1), 0);
    QCOMPARE(bus_.openHandleCount(), 0);
    expectNoFurtherReads();
    QCOMPARE(CloseDevice(1), 0);
}

QTEST_GUILESS_MAIN(TestDeviceTable)
#include "tst_DeviceTable.moc"
