// The simulated camera on its own: what it answers to each request, how it
// streams a download, and how it misbehaves when told to.

#include "LittleEndian.h"
#include "PatternFile.h"
#include "SimCamera.h"

#include <QtTest>

#include <cstring>
#include <memory>

using sim::SimCamera;
using Bytes = std::vector<std::uint8_t>;

namespace {

using sim::camera::le::putU32;

using sim::camera::le::u32At;

Bytes request(std::uint32_t command, const Bytes &payload = {})
{
    Bytes packet(20 + payload.size(), 0);
    putU32(packet, 0, static_cast<std::uint32_t>(packet.size()));
    putU32(packet, 8, 1);
    putU32(packet, 12, command);
    packet[16] = 0x01;
    packet[17] = payload.empty() ? 0 : 0x01;
    std::copy(payload.begin(), payload.end(), packet.begin() + 20);
    return packet;
}

Bytes downloadRequest(const std::string &name, std::int64_t offset)
{
    Bytes payload(136, 0);
    std::memcpy(payload.data(), name.data(), name.size());
    for (int byte = 0; byte < 8; ++byte)
        payload[128 + static_cast<size_t>(byte)] = static_cast<std::uint8_t>(static_cast<std::uint64_t>(offset) >> (8 * byte));
    return request(2, payload);
}

void send(SimCamera &camera, const Bytes &packet)
{
    camera.handleOut(packet.data(), packet.size());
}

// Every IN packet the camera has ready, in order.
std::vector<Bytes> drain(SimCamera &camera)
{
    std::vector<Bytes> packets;
    Bytes packet;
    while (camera.takeIn(packet, 0))
        packets.push_back(packet);
    return packets;
}

// "r<cmd>:<result>+<payload bytes>" for replies, "d<data bytes>" for data.
QStringList describe(const std::vector<Bytes> &packets)
{
    QStringList lines;
    for (const Bytes &packet : packets) {
        if (u32At(packet, 8) == 1)
            lines << QString("r%1:%2+%3").arg(u32At(packet, 12)).arg(packet[18]).arg(packet.size() - 20);
        else
            lines << QString("d%1").arg(packet.size() - 12);
        if (u32At(packet, 0) != packet.size())
            lines << "bad length";
    }
    return lines;
}

} // namespace

class tst_SimCamera : public QObject
{
    Q_OBJECT

private slots:
    void downloadStreamsInChunks_data();
    void downloadStreamsInChunks();
    void largeDownloadIsMadeLazily();
    void refusedDownloadEndsWithReplyThree_data();
    void refusedDownloadEndsWithReplyThree();
    void nameListTransfers();
    void recordPairSharesOneRecord();
    void faultsShapeTheAnswer_data();
    void faultsShapeTheAnswer();
    void recordsPacketsAndReassemblesUploads();
};

void tst_SimCamera::downloadStreamsInChunks_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QStringList>("answer");
    QTest::newRow("empty") << 0 << 0 << QStringList{"r2:0+0", "r3:0+0"};
    QTest::newRow("two and a bit chunks") << 2049 << 0 << QStringList{"r2:0+0", "d1024", "d1024", "d1", "r3:0+0"};
    QTest::newRow("from an offset") << 2049 << 1000 << QStringList{"r2:0+0", "d1024", "d25", "r3:0+0"};
    QTest::newRow("offset at the end") << 10 << 10 << QStringList{"r2:0+0", "r3:0+0"};
}

void tst_SimCamera::downloadStreamsInChunks()
{
    QFETCH(int, size);
    QFETCH(int, offset);
    QFETCH(QStringList, answer);
    SimCamera camera;
    Bytes content(static_cast<size_t>(size));
    for (size_t at = 0; at < content.size(); ++at)
        content[at] = static_cast<std::uint8_t>(at * 13);
    camera.store().putFile("DCIM/a.mp4", content);
    camera.setDataChunkSize(1024);
    send(camera, downloadRequest("DCIM/a.mp4", offset));
    const auto packets = drain(camera);
    QCOMPARE(describe(packets), answer);
    Bytes received;
    for (const Bytes &packet : packets) {
        if (u32At(packet, 8) == 0)
            received.insert(received.end(), packet.begin() + 12, packet.end());
    }
    QVERIFY(received == Bytes(content.begin() + offset, content.end()));
}

void tst_SimCamera::largeDownloadIsMadeLazily()
{
    SimCamera camera;
    const std::uint64_t size = 64ull << 20;
    camera.store().putFile("big.mp4", std::make_shared<sim::PatternFile>(size));
    send(camera, downloadRequest("big.mp4", 0));
    // Reply 2, the stream and reply 3: the data packets are made as they are taken.
    QCOMPARE(camera.pendingIn(), size_t(3));
    Bytes packet;
    QVERIFY(camera.takeIn(packet, 0));
    QVERIFY(camera.takeIn(packet, 0));
    QCOMPARE(packet.size(), size_t(0x80000));
    for (size_t at = 0; at < 3 * 4096 + 5; ++at)
        QCOMPARE(packet[12 + at], sim::PatternFile::byteAt(at));
    QCOMPARE(camera.pendingIn(), size_t(2));
}

void tst_SimCamera::refusedDownloadEndsWithReplyThree_data()
{
    QTest::addColumn<Bytes>("packet");
    QTest::newRow("no such file") << downloadRequest("missing.mp4", 0);
    QTest::newRow("offset past the end") << downloadRequest("a.mp4", 11);
    QTest::newRow("negative offset") << downloadRequest("a.mp4", -1);
    QTest::newRow("payload too short") << request(2, Bytes(100, 'a'));
}

void tst_SimCamera::refusedDownloadEndsWithReplyThree()
{
    QFETCH(Bytes, packet);
    SimCamera camera;
    camera.store().putFile("a.mp4", Bytes(10, 1));
    send(camera, packet);
    QCOMPARE(describe(drain(camera)), (QStringList{"r2:1+0", "r3:1+0"}));
}

void tst_SimCamera::nameListTransfers()
{
    SimCamera camera;
    camera.store().setLogNames({"a.txt", std::string(130, 'l')});
    send(camera, request(20));
    const auto packets = drain(camera);
    QCOMPARE(describe(packets), (QStringList{"r20:0+0", "d256", "r3:0+0"}));
    QCOMPARE(std::string(reinterpret_cast<const char *>(&packets[1][12])), std::string("a.txt"));
    QVERIFY(std::all_of(packets[1].begin() + 12 + 128, packets[1].end(), [](std::uint8_t c) { return c == 'l'; }));

    send(camera, request(21));
    QCOMPARE(describe(drain(camera)), (QStringList{"r21:0+0", "d0", "r3:0+0"}));
}

void tst_SimCamera::recordPairSharesOneRecord()
{
    SimCamera camera;
    camera.registerRecordPair(9, 4, "recording");
    send(camera, request(9));
    QCOMPARE(describe(drain(camera)), QStringList{"r9:1+0"});
    camera.store().putRecord("recording", Bytes(12, 0));
    send(camera, request(4, Bytes(12, 7)));
    QCOMPARE(describe(drain(camera)), QStringList{"r4:0+0"});
    send(camera, request(9));
    const auto packets = drain(camera);
    QCOMPARE(describe(packets), QStringList{"r9:0+12"});
    QVERIFY(Bytes(packets[0].begin() + 20, packets[0].end()) == Bytes(12, 7));
}

void tst_SimCamera::faultsShapeTheAnswer_data()
{
    QTest::addColumn<std::uint32_t>("command");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("answer");
    QTest::addColumn<bool>("stored");
    using Kind = sim::CommandFault::Kind;
    QTest::newRow("get fails") << 9u << int(Kind::FailResult) << QStringList{"r9:5+0"} << false;
    QTest::newRow("get short") << 9u << int(Kind::ShortPayload) << QStringList{"r9:0+3"} << false;
    QTest::newRow("get empty") << 9u << int(Kind::EmptyPayload) << QStringList{"r9:0+0"} << false;
    QTest::newRow("get unanswered") << 9u << int(Kind::NoAnswer) << QStringList{} << false;
    QTest::newRow("set fails unstored") << 4u << int(Kind::FailResult) << QStringList{"r4:5+0"} << false;
    QTest::newRow("set unanswered unstored") << 4u << int(Kind::NoAnswer) << QStringList{} << false;
    QTest::newRow("set empty stored") << 4u << int(Kind::EmptyPayload) << QStringList{"r4:0+0"} << true;
    QTest::newRow("transfer fails") << 20u << int(Kind::FailResult) << QStringList{"r20:5+0", "r3:5+0"} << false;
    QTest::newRow("unknown command") << 777u << int(Kind::None) << QStringList{"r777:1+0"} << false;
}

void tst_SimCamera::faultsShapeTheAnswer()
{
    QFETCH(std::uint32_t, command);
    QFETCH(int, kind);
    QFETCH(QStringList, answer);
    QFETCH(bool, stored);
    SimCamera camera;
    camera.registerRecordPair(9, 4, "recording");
    camera.store().putRecord("recording", Bytes(12, 1));
    camera.store().setLogNames({"a.txt"});
    camera.setFault(command, {static_cast<sim::CommandFault::Kind>(kind), 5, 3});
    send(camera, request(command, command == 4 ? Bytes(12, 2) : Bytes{}));
    QCOMPARE(describe(drain(camera)), answer);
    QCOMPARE(camera.store().record("recording") == Bytes(12, 2), stored);

    camera.clearFaults();
    send(camera, request(9));
    QCOMPARE(describe(drain(camera)), QStringList{"r9:0+12"});
}

void tst_SimCamera::recordsPacketsAndReassemblesUploads()
{
    SimCamera camera;
    const Bytes probe{20, 0, 0, 0, 0, 0, 0, 0, 39, 0, 0, 0, 39, 0, 0, 0, 1, 0, 0, 0};
    Bytes first{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 'a', 'b', 'c'};
    putU32(first, 0, 15);
    Bytes overstated{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 'd'};
    putU32(overstated, 0, 500);
    const std::vector<Bytes> sent{probe, first, overstated, Bytes{1, 2, 3}};
    for (const Bytes &packet : sent)
        send(camera, packet);
    QVERIFY(camera.receivedPackets() == sent);
    QVERIFY(camera.uploadedData() == (Bytes{'a', 'b', 'c', 'd'}));
    QVERIFY(drain(camera).empty());

    camera.injectIn({9, 9});
    QVERIFY((drain(camera) == std::vector<Bytes>{Bytes{9, 9}}));
    camera.clearReceived();
    QVERIFY(camera.receivedPackets().empty());
    QVERIFY(!camera.waitForReceived(1, 10));
}

QTEST_GUILESS_MAIN(tst_SimCamera)
#include "tst_SimCamera.moc"
