// The protocol layer end to end: requests go through the transport and the
// simulated USB bus to a simulated camera, whose answers come back on the
// camera's reader thread.

#include "CommandPackets.h"
#include "DeviceLayout.h"
#include "FileDownload.h"
#include "LibraryContext.h"
#include "PacketSender.h"
#include "PatternFile.h"
#include "ProtocolCode.h"
#include "ReportRecorder.h"
#include "SimBusSetup.h"
#include "SimCamera.h"
#include "Tessvar.h"
#include "UsbBus.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

constexpr int WaitMs = 5000;

QByteArray toBytes(const std::vector<std::uint8_t> &bytes)
{
    return QByteArray(reinterpret_cast<const char *>(bytes.data()), static_cast<int>(bytes.size()));
}

std::vector<std::uint8_t> pattern(int size, int seed)
{
    std::vector<std::uint8_t> bytes(static_cast<size_t>(size));
    for (int at = 0; at < size; ++at)
        bytes[static_cast<size_t>(at)] = static_cast<std::uint8_t>(at * 31 + seed + (at >> 9));
    return bytes;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QByteArray indexFile(const QList<QByteArray> &names, int extraBytes = 0)
{
    QByteArray file("HEAD");
    for (const QByteArray &name : names) {
        QByteArray item(336, '\0');
        item.replace(8, name.size(), name);
        item.replace(264, 56, QByteArray(56, 't'));
        file += item;
    }
    return file + QByteArray(extraBytes, 'z');
}

std::vector<std::uint8_t> fromBytes(const QByteArray &bytes)
{
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

QByteArray recordName(const QByteArray &payload)
{
    return QByteArray(payload.constData(), static_cast<int>(qstrnlen(payload.constData(), 128)));
}

} // namespace

class tst_ProtocolOverSimBus : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void requestHeadersAreExact();
    void uploadChunksReassemble_data();
    void uploadChunksReassemble();
    void shortWriteIsAFailure();
    void downloadRoundTrip_data();
    void downloadRoundTrip();
    void downloadAtOffsetKeepsTheHead();
    void refusedDownloadStillEnds();
    void secondRequestWhileLoadingIsRefused();
    void unacceptableDownloadsSendNothing();
    void malformedInPacketsAreDropped();
    void logNameList();
    void mediaIndexEmptyList();
    void mediaIndexFetchesAndParses();
    void cameraCannotPoseAsTheLibrary_data();
    void cameraCannotPoseAsTheLibrary();

private:
    QList<ReportRecorder::Report> callsOf(int command) const;

    QTemporaryDir folder_;
    std::unique_ptr<sim::SimCamera> camera_;
    std::unique_ptr<ReportRecorder> recorder_;
};

void tst_ProtocolOverSimBus::initTestCase()
{
    QVERIFY(folder_.isValid());
    QVERIFY(QDir::setCurrent(folder_.path()));
}

void tst_ProtocolOverSimBus::init()
{
    camera_ = std::make_unique<sim::SimCamera>();
    SimBusSetup::plugCameras(*camera_, 1, SimBusSetup::ReadCapMs);
    int count = 0;
    QCOMPARE(RefreshDecice(&count), 0);
    QCOMPARE(count, 1);
    QCOMPARE(OpenDevice(0), 0);
    camera_->clearReceived();  // the open-time probe
    recorder_ = std::make_unique<ReportRecorder>();
    recorder_->install();
}

void tst_ProtocolOverSimBus::cleanup()
{
    CloseDevice(0);
    recorder_.reset();
    sim::UsbBus::instance().reset();
    camera_.reset();
}

QList<ReportRecorder::Report> tst_ProtocolOverSimBus::callsOf(int command) const
{
    QList<ReportRecorder::Report> found;
    for (const auto &call : recorder_->reports()) {
        if (call.command == command)
            found.append(call);
    }
    return found;
}

void tst_ProtocolOverSimBus::requestHeadersAreExact()
{
    QCOMPARE(PacketSender::SendGet(0, 14), 0);
    QCOMPARE(PacketSender::SendSet(0, 15, "ABC", 3), 0);
    QCOMPARE(PacketSender::SendSet(0, 24, nullptr, 0), 0);
    QCOMPARE(PacketSender::SendData(0, "xy", 2), 14);
    QVERIFY(camera_->waitForReceived(4, WaitMs));
    const auto packets = camera_->receivedPackets();
    QCOMPARE(toBytes(packets[0]), QByteArray::fromHex("14000000" "00000000" "01000000" "0e000000" "0100" "00" "00"));
    QCOMPARE(toBytes(packets[1]), QByteArray::fromHex("17000000" "00000000" "01000000" "0f000000" "0101" "00" "00" "414243"));
    QCOMPARE(toBytes(packets[2]), QByteArray::fromHex("14000000" "00000000" "01000000" "18000000" "0101" "00" "00"));
    QCOMPARE(toBytes(packets[3]), QByteArray::fromHex("0e000000" "00000000" "00000000" "7879"));
}

void tst_ProtocolOverSimBus::uploadChunksReassemble_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QList<int>>("packetSizes");
    QTest::newRow("empty") << 0 << QList<int>{12};
    QTest::newRow("one byte") << 1 << QList<int>{13};
    QTest::newRow("one full chunk") << 0x8000 << QList<int>{0x800c};
    QTest::newRow("one byte over") << 0x8001 << QList<int>{0x800c, 13};
    QTest::newRow("three chunks") << 3 * 0x8000 << QList<int>{0x800c, 0x800c, 0x800c};
}

void tst_ProtocolOverSimBus::uploadChunksReassemble()
{
    QFETCH(int, size);
    QFETCH(QList<int>, packetSizes);
    const std::vector<std::uint8_t> data = pattern(size, 5);
    QCOMPARE(PacketSender::SendData(0, data.data(), size), packetSizes.last());
    QVERIFY(camera_->waitForReceived(static_cast<size_t>(packetSizes.size()), WaitMs));
    QList<int> sizes;
    for (const auto &packet : camera_->receivedPackets())
        sizes.append(static_cast<int>(packet.size()));
    QCOMPARE(sizes, packetSizes);
    QVERIFY(camera_->uploadedData() == data);
}

void tst_ProtocolOverSimBus::shortWriteIsAFailure()
{
    sim::UsbBus &bus = sim::UsbBus::instance();
    bus.failCall(sim::UsbCall::BulkWrite, 10, 1);
    QCOMPARE(PacketSender::SendGet(0, 14), -1);
    bus.failCall(sim::UsbCall::BulkWrite, 22, 1);
    QCOMPARE(PacketSender::SendSet(0, 15, "ABCDEF", 6), -1);
    const std::vector<std::uint8_t> data = pattern(0x8001, 1);
    bus.failCall(sim::UsbCall::BulkWrite, 100, 1);
    QCOMPARE(PacketSender::SendData(0, data.data(), 0x8001), -1);
    bus.failCall(sim::UsbCall::BulkWrite, -5, 1);
    QCOMPARE(PacketSender::SendGet(0, 14), -1);
    QCOMPARE(PacketSender::SendGet(0, 14), 0);
}

void tst_ProtocolOverSimBus::downloadRoundTrip_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("chunk");
    QTest::newRow("empty") << 0 << 0x1000;
    QTest::newRow("one byte") << 1 << 0x1000;
    QTest::newRow("exactly one packet") << 0x1000 << 0x1000;
    QTest::newRow("one byte over a packet") << 0x1001 << 0x1000;
    QTest::newRow("largest packets") << 3 * 0x80000 + 17 << 0x80000;
}

void tst_ProtocolOverSimBus::downloadRoundTrip()
{
    QFETCH(int, size);
    QFETCH(int, chunk);
    const std::vector<std::uint8_t> content = pattern(size, 9);
    camera_->store().putFile("DCIM/100/clip.mp4", content);
    camera_->setDataChunkSize(static_cast<size_t>(chunk));
    const QString local = folder_.filePath("clip.mp4");
    QCOMPARE(FileDownload::RequestDownload(LibraryContext::instance(), 0, "DCIM/100/clip.mp4", 0,
                                           local.toLocal8Bit().constData()), 0);
    QVERIFY(recorder_->waitForCommand(CMD_TRANSFER_END, WaitMs));
    QCOMPARE(recorder_->commands(), (QList<int>{CMD_DOWNLOAD, CMD_TRANSFER_END}));
    QCOMPARE(callsOf(CMD_TRANSFER_END)[0].result, 0);
    QVERIFY(readFile(local) == toBytes(content));
    QCOMPARE(LibraryContext::instance().session(0)->transferOpen, quint8(0));
}

void tst_ProtocolOverSimBus::downloadAtOffsetKeepsTheHead()
{
    const std::vector<std::uint8_t> content = pattern(5000, 3);
    camera_->store().putFile("log.txt", content);
    const QString local = folder_.filePath("resumed.txt");
    QFile partial(local);
    QVERIFY(partial.open(QIODevice::WriteOnly));
    partial.write(toBytes(content).left(1200));
    partial.close();
    QCOMPARE(FileDownload::RequestDownload(LibraryContext::instance(), 0, "log.txt", 1200,
                                           local.toLocal8Bit().constData()), 0);
    QVERIFY(recorder_->waitForCommand(CMD_TRANSFER_END, WaitMs));
    QVERIFY(readFile(local) == toBytes(content));
    QCOMPARE(toBytes(camera_->receivedPackets()[0]).mid(20 + 128), QByteArray::fromHex("b004000000000000"));
}

void tst_ProtocolOverSimBus::refusedDownloadStillEnds()
{
    const QString local = folder_.filePath("absent.mp4");
    QCOMPARE(FileDownload::RequestDownload(LibraryContext::instance(), 0, "no/such.mp4", 0,
                                           local.toLocal8Bit().constData()), 0);
    QVERIFY(recorder_->waitForCommand(CMD_TRANSFER_END, WaitMs));
    const auto calls = recorder_->reports();
    QCOMPARE(calls.size(), 2);
    QVERIFY(calls[0].command == CMD_DOWNLOAD && calls[0].result != 0);
    QCOMPARE(calls[1].command, int(CMD_TRANSFER_END));
    QVERIFY(!QFile::exists(local));
    // The state is idle again: the next download goes ahead.
    camera_->store().putFile("here.mp4", pattern(10, 1));
    QCOMPARE(FileDownload::RequestDownload(LibraryContext::instance(), 0, "here.mp4", 0,
                                           local.toLocal8Bit().constData()), 0);
    QVERIFY(recorder_->waitForCommand(CMD_TRANSFER_END, WaitMs, 2));
    QVERIFY(readFile(local) == toBytes(pattern(10, 1)));
}

void tst_ProtocolOverSimBus::secondRequestWhileLoadingIsRefused()
{
    // A camera that accepts and then keeps the transfer open.
    camera_->registerCommand(sim::SimCamera::CmdDownload, [](const sim::CommandRequest &, sim::Outbox &out) {
        out.reply(sim::SimCamera::CmdDownload, sim::SimCamera::Success);
        out.data({'a', 'b'});
    });
    LibraryContext &context = LibraryContext::instance();
    const QByteArray local = folder_.filePath("busy.bin").toLocal8Bit();
    QCOMPARE(FileDownload::RequestDownload(context, 0, "x.bin", 0, local.constData()), 0);
    QVERIFY(recorder_->waitForCommand(CMD_DOWNLOAD, WaitMs));
    QCOMPARE(FileDownload::RequestDownload(context, 0, "y.bin", 0, local.constData()), -1);
    QVERIFY(camera_->waitForReceived(1, WaitMs));
    QCOMPARE(camera_->receivedPackets().size(), size_t(1));

    sim::Outbox end;
    end.reply(sim::SimCamera::CmdTransferEnd, sim::SimCamera::Success);
    camera_->injectIn(end.take()[0].packet);
    QVERIFY(recorder_->waitForCommand(CMD_TRANSFER_END, WaitMs));
    QCOMPARE(readFile(folder_.filePath("busy.bin")), QByteArray("ab"));
    QCOMPARE(FileDownload::RequestDownload(context, 0, "y.bin", 0, local.constData()), 0);
}

void tst_ProtocolOverSimBus::unacceptableDownloadsSendNothing()
{
    LibraryContext &context = LibraryContext::instance();
    const QByteArray longest(128, 'n');
    const std::string longPath(260, 'p');
    const std::string longestPath(259, 'p');
    QCOMPARE(FileDownload::RequestDownload(context, 0, nullptr, 0, "x"), -1);
    QCOMPARE(FileDownload::RequestDownload(context, 0, "", 0, "x"), -1);
    QCOMPARE(FileDownload::RequestDownload(context, 0, (longest + "n").constData(), 0, "x"), -1);
    QCOMPARE(FileDownload::RequestDownload(context, 0, "a", 0, nullptr), -1);
    QCOMPARE(FileDownload::RequestDownload(context, 0, "a", 0, longPath.c_str()), -1);
    QCOMPARE(FileDownload::RequestDownload(context, 7, "a", 0, "x"), -1);
    QTest::qWait(50);
    QVERIFY(camera_->receivedPackets().empty());

    // The limits themselves are accepted.
    camera_->setFault(sim::SimCamera::CmdDownload, sim::CommandFault::noAnswer());
    QCOMPARE(FileDownload::RequestDownload(context, 0, longest.constData(), 0, longestPath.c_str()), 0);
    QVERIFY(camera_->waitForReceived(1, WaitMs));
    QCOMPARE(toBytes(camera_->receivedPackets()[0]).mid(20, 128), longest);
}

void tst_ProtocolOverSimBus::malformedInPacketsAreDropped()
{
    sim::Outbox good;
    good.reply(14, 0);
    const std::vector<std::uint8_t> reply = good.take()[0].packet;
    std::vector<std::uint8_t> overstated = reply;
    overstated[0] = 0xff;
    std::vector<std::uint8_t> unknownType = reply;
    unknownType[8] = 7;
    camera_->injectIn({1, 2, 3});
    camera_->injectIn(unknownType);
    camera_->injectIn(overstated);  // still a whole header: reported from what arrived
    camera_->injectIn(std::vector<std::uint8_t>(reply.begin(), reply.begin() + 19));
    camera_->injectIn(reply);
    QVERIFY(recorder_->waitForCommand(14, WaitMs, 2));
    QTest::qWait(50);
    const auto calls = recorder_->reports();
    QCOMPARE(calls.size(), 2);
    QVERIFY(calls[0].nullPayload && calls[1].nullPayload);
    QCOMPARE(calls[0].length, 0);
}

void tst_ProtocolOverSimBus::logNameList()
{
    camera_->store().setLogNames({"log/a.txt", "log\\b.txt", std::string(128, 'c')});
    QCOMPARE(PacketSender::SendGet(0, CMD_FIND_LOG_FILE), 0);
    QVERIFY(recorder_->waitForCommand(CMD_TRANSFER_END, WaitMs));
    QCOMPARE(recorder_->commands(), (QList<int>{CMD_FIND_LOG_FILE, REPORT_LOG_NAME, REPORT_LOG_NAME,
                                                REPORT_LOG_NAME, REPORT_LOG_LIST_OVER, CMD_TRANSFER_END}));
    const auto names = callsOf(REPORT_LOG_NAME);
    QCOMPARE(recordName(names[0].payload), QByteArray("log/a.txt"));
    QCOMPARE(recordName(names[1].payload), QByteArray("log\\b.txt"));
    QCOMPARE(names[2].payload, QByteArray(128, 'c'));
    QVERIFY(callsOf(REPORT_LOG_LIST_OVER)[0].nullPayload);
}

void tst_ProtocolOverSimBus::mediaIndexEmptyList()
{
    QCOMPARE(PacketSender::SendGet(0, CMD_FIND_MEDIA_FILE), 0);
    QVERIFY(recorder_->waitForCommand(CMD_TRANSFER_END, WaitMs));
    QCOMPARE(recorder_->commands(), (QList<int>{CMD_FIND_MEDIA_FILE, REPORT_INDEX_OVER, CMD_TRANSFER_END}));
    QCOMPARE(LibraryContext::instance().session(0)->indexMode, int(INDEX_IDLE));
}

void tst_ProtocolOverSimBus::mediaIndexFetchesAndParses()
{
    QVERIFY(QDir().mkpath("indexfile"));
    QFile stale("indexfile/stale.bin");
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.close();

    sim::CameraStore &store = camera_->store();
    store.putFile("idx\\day1\\a.bin", fromBytes(indexFile({"DCIM/a1.mp4", "", "DCIM/a2.jpg"}, 168)));
    store.putFile("idx/day2/b.bin", fromBytes(indexFile({"DCIM/b1.wav"})));
    // An empty name cannot be requested and a missing file is refused:
    // the fetch goes on past both.
    store.setIndexNames({"idx\\day1\\a.bin", "", "idx/missing.bin", "idx/day2/b.bin"});

    QCOMPARE(PacketSender::SendGet(0, CMD_FIND_MEDIA_FILE), 0);
    QVERIFY(recorder_->waitForCommand(REPORT_INDEX_OVER, WaitMs));
    QVERIFY(recorder_->waitForCommand(CMD_TRANSFER_END, WaitMs, 4));

    QVERIFY(!QFile::exists("indexfile/stale.bin"));
    QVERIFY(QFile::exists("indexfile/a.bin"));
    QVERIFY(QFile::exists("indexfile/b.bin"));
    QCOMPARE(readFile("indexfile/b.bin"), indexFile({"DCIM/b1.wav"}));

    QList<int> commands = recorder_->commands();
    const int over = commands.indexOf(REPORT_INDEX_OVER);
    QCOMPARE(commands.mid(over - 3), (QList<int>{REPORT_INDEX_RECORD, REPORT_INDEX_RECORD,
                                                 REPORT_INDEX_RECORD, REPORT_INDEX_OVER,
                                                 CMD_TRANSFER_END}));
    const auto records = callsOf(REPORT_INDEX_RECORD);
    QCOMPARE(records.size(), 3);
    QCOMPARE(recordName(records[0].payload), QByteArray("DCIM/a1.mp4"));
    QCOMPARE(recordName(records[1].payload), QByteArray("DCIM/a2.jpg"));
    QCOMPARE(recordName(records[2].payload), QByteArray("DCIM/b1.wav"));
    QCOMPARE(records[0].payload.mid(128, 56), QByteArray(56, 't'));
    QCOMPARE(LibraryContext::instance().session(0)->indexMode, int(INDEX_IDLE));
}

void tst_ProtocolOverSimBus::cameraCannotPoseAsTheLibrary_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("length");
    for (int command = REPORT_INDEX_RECORD; command <= REPORT_LOG_LIST_OVER; ++command) {
        for (int length : {0, 3, 128, 188, 32000})
            QTest::addRow("code %d, %d bytes", command, length) << command << length;
    }
}

// Callers trust the payload of the library's own codes (a 188-byte record, a
// 128-byte name, none at all): a camera's reply with such a code never
// reaches them, while the library's own reports still do, whole.
void tst_ProtocolOverSimBus::cameraCannotPoseAsTheLibrary()
{
    QFETCH(int, command);
    QFETCH(int, length);
    const auto impostor = CommandPackets::reply(static_cast<std::uint32_t>(command), 0,
                                                std::vector<std::uint8_t>(static_cast<size_t>(length), 0x5A));
    constexpr int Marker = 14;
    sim::CameraStore &store = camera_->store();
    store.putFile("idx/one.bin", fromBytes(indexFile({"DCIM/one.mp4"})));
    store.setIndexNames({"idx/one.bin"});
    store.setLogNames({"log/one.txt"});

    camera_->injectIn(impostor);
    QCOMPARE(PacketSender::SendGet(0, CMD_FIND_MEDIA_FILE), 0);
    QVERIFY(recorder_->waitForCommand(REPORT_INDEX_OVER, WaitMs));
    QVERIFY(recorder_->waitForCommand(CMD_TRANSFER_END, WaitMs, 2));
    camera_->injectIn(impostor);
    QCOMPARE(PacketSender::SendGet(0, CMD_FIND_LOG_FILE), 0);
    QVERIFY(recorder_->waitForCommand(CMD_TRANSFER_END, WaitMs, 3));
    camera_->injectIn(impostor);
    // Packets arrive in order: once the marker is reported, the impostor
    // before it has been handled.
    camera_->injectIn(CommandPackets::reply(Marker, 0, {}));
    QVERIFY(recorder_->waitForCommand(Marker, WaitMs));

    const auto records = callsOf(REPORT_INDEX_RECORD);
    QCOMPARE(records.size(), 1);
    QCOMPARE(records[0].length, 188);
    QCOMPARE(recordName(records[0].payload), QByteArray("DCIM/one.mp4"));
    const auto names = callsOf(REPORT_LOG_NAME);
    QCOMPARE(names.size(), 1);
    QCOMPARE(names[0].length, 128);
    QCOMPARE(recordName(names[0].payload), QByteArray("log/one.txt"));
    for (int own : {REPORT_INDEX_OVER, REPORT_LOG_LIST_OVER}) {
        const auto overs = callsOf(own);
        QCOMPARE(overs.size(), 1);
        QVERIFY(overs[0].nullPayload);
        QCOMPARE(overs[0].length, 0);
    }
}

QTEST_GUILESS_MAIN(tst_ProtocolOverSimBus)
#include "tst_ProtocolOverSimBus.moc"
