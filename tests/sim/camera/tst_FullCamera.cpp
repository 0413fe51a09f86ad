// Drives the complete camera simulator through its USB end with raw request
// packets, the way the device library talks to a camera.

#include "FullCamera.h"
#include "LittleEndian.h"
#include "behaviour/DeviceKeyVault.h"
#include "behaviour/RecordCatalog.h"

#include <QTextCodec>
#include <QtTest>

#include <chrono>
#include <memory>

using sim::FullCamera;
using sim::camera::CameraBehaviour;
using sim::camera::CameraProfile;
using sim::camera::MediaFile;
using sim::camera::RecordCatalog;
using sim::camera::RecordEntry;
using Bytes = std::vector<std::uint8_t>;

namespace {

struct Reply
{
    std::uint32_t command = 0;
    int result = -1;
    Bytes payload;
};

using sim::camera::le::putU32;

using sim::camera::le::u32At;

Bytes text(const std::string &s, std::size_t width)
{
    Bytes b(width, 0);
    std::copy(s.begin(), s.begin() + std::min(s.size(), width), b.begin());
    return b;
}

Bytes commandPacket(std::uint32_t command, const Bytes &payload, std::uint16_t flags = 0x0101)
{
    Bytes p(20, 0);
    putU32(p, 0, std::uint32_t(20 + payload.size()));
    putU32(p, 8, 1);
    putU32(p, 12, command);
    p[16] = std::uint8_t(flags);
    p[17] = std::uint8_t(flags >> 8);
    p.insert(p.end(), payload.begin(), payload.end());
    return p;
}

Bytes dataPacket(const Bytes &data)
{
    Bytes p(12, 0);
    putU32(p, 0, std::uint32_t(12 + data.size()));
    p.insert(p.end(), data.begin(), data.end());
    return p;
}

Reply parse(const Bytes &packet)
{
    Reply r;
    if (packet.size() < 20 || u32At(packet, 8) != 1)
        return r;
    r.command = u32At(packet, 12);
    r.result = packet[18];
    r.payload.assign(packet.begin() + 20, packet.end());
    return r;
}

// Sends one request and returns the camera's reply to it.
Reply ask(sim::DeviceSide &camera, std::uint32_t command, const Bytes &payload = {})
{
    const Bytes packet = commandPacket(command, payload, payload.empty() ? 0x0001 : 0x0101);
    camera.handleOut(packet.data(), packet.size());
    Bytes in;
    if (!camera.takeIn(in, 1000))
        return Reply();
    const Reply r = parse(in);
    if (u32At(in, 0) != in.size())
        return Reply();
    return r;
}

void send(sim::DeviceSide &camera, const Bytes &packet)
{
    camera.handleOut(packet.data(), packet.size());
}

Bytes pattern(std::size_t size, std::uint8_t seed)
{
    Bytes b(size);
    for (std::size_t i = 0; i < size; ++i)
        b[i] = std::uint8_t(seed + i * 7);
    return b;
}

Bytes uploadStart(const std::string &name, std::uint64_t size)
{
    Bytes record = text(name, 208);
    putU32(record, 128, std::uint32_t(size));
    putU32(record, 132, std::uint32_t(size >> 32));
    putU32(record, 136, 0x8000);
    return record;
}

void upload(sim::DeviceSide &camera, const Bytes &content)
{
    for (std::size_t at = 0; at < content.size(); at += 0x8000) {
        const std::size_t n = std::min<std::size_t>(0x8000, content.size() - at);
        send(camera, dataPacket(Bytes(content.begin() + at, content.begin() + at + n)));
    }
}

} // namespace

class tst_FullCamera : public QObject
{
    Q_OBJECT

private slots:
    void answersEveryCommand_data();
    void answersEveryCommand();
    void setChangesWhatThePairedGetAnswers();
    void setOfWrongSizeIsRefused();
    void compositeRepliesAreAssembledFromTheirParts();
    void jsonGroupsKeepValidTextsOnly();
    void profileOverridesReachTheCameraReplies();
    void loginLocksAfterRepeatedFailures();
    void activationGivesTheCameraItsPassword();
    void deviceKeyAnswerRestoresFactoryPassword();
    void mediaListComesInPagesOfHundred();
    void fileLengthIsSplitIntoTwoWords();
    void uploadIsReassembledAndFollowedUp();
    void incompleteUploadIsRefused();
    void xmlExchangeReturnsTheStoredDocument();
    void filesAreServedThroughTransfers();
};

void tst_FullCamera::answersEveryCommand_data()
{
    QTest::addColumn<int>("generation");
    QTest::addColumn<bool>("json");
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("requestSize");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("payloadSize");   // -1: some text, not empty

    for (const RecordEntry &e : RecordCatalog::entries()) {
        QTest::addRow("get %u %s", e.getCode, e.name) << 3 << true << int(e.getCode) << 0 << 0
                                                      << int(e.size);
        if (e.setCode != 0)
            QTest::addRow("set %u %s", e.setCode, e.name)
                << 3 << true << int(e.setCode) << int(e.size) << 0 << 0;
    }
    QTest::newRow("gen3 all V3") << 3 << true << 1003 << 0 << 0 << 304;
    QTest::newRow("gen3 all V2 not supported") << 3 << true << 50 << 0 << 4 << 0;
    QTest::newRow("gen2 all V2") << 2 << false << 50 << 0 << 0 << 152;
    QTest::newRow("gen2 all V3 not supported") << 2 << false << 1003 << 0 << 4 << 0;
    QTest::newRow("video V3 query") << 3 << true << 1001 << 88 << 0 << 88;
    QTest::newRow("activation capability") << 3 << true << 1020 << 0 << 0 << 8;
    QTest::newRow("activation status") << 3 << true << 1021 << 0 << 0 << 4;
    QTest::newRow("gen1 activation capability absent") << 1 << false << 1020 << 0 << 4 << 0;
    QTest::newRow("ability description") << 3 << true << 100 << 0 << 0 << -1;
    QTest::newRow("no ability description") << 3 << false << 100 << 0 << 4 << 0;
    QTest::newRow("firmware version") << 3 << true << 1009 << 0 << 0 << -1;
    QTest::newRow("old firmware") << 2 << false << 1009 << 0 << 4 << 0;
    QTest::newRow("device key") << 3 << true << 32 << 0 << 0 << -1;
    for (int code : {70, 72, 74, 76, 80})
        QTest::addRow("json get %d", code) << 3 << true << code << 0 << 0 << -1;
    QTest::newRow("json get without json") << 2 << false << 70 << 0 << 4 << 0;
    QTest::newRow("media list") << 3 << true << 36 << 16 << 0 << 16 + 100 * 336 * 0 + 18 * 336;
    QTest::newRow("file length of unknown file") << 3 << true << 22 << 128 << 1 << 0;
    for (int code : {24, 1002, 1016, 33, 66, 34})
        QTest::addRow("action %d", code) << 3 << true << code << 0 << 0 << 0;
    QTest::newRow("gen2 usb mode") << 2 << false << 26 << 0 << 0 << 0;
    QTest::newRow("gen2 upload not supported") << 2 << false << 55 << 208 << 4 << 0;
    QTest::newRow("upgrade without upload") << 3 << true << 57 << 0 << 1 << 0;
    QTest::newRow("logo without upload") << 3 << true << 4101 << 0 << 1 << 0;
    QTest::newRow("name tag without upload") << 3 << true << 4096 << 0 << 1 << 0;
    QTest::newRow("plate list without upload") << 3 << true << 1536 << 0 << 1 << 0;
    QTest::newRow("stop without upload") << 3 << true << 56 << 0 << 1 << 0;
    QTest::newRow("key validation with garbage") << 3 << true << 31 << 1024 << 1 << 0;
    QTest::newRow("unknown command") << 3 << true << 9999 << 0 << 1 << 0;
}

void tst_FullCamera::answersEveryCommand()
{
    QFETCH(int, generation);
    QFETCH(bool, json);
    QFETCH(int, command);
    QFETCH(int, requestSize);
    QFETCH(int, result);
    QFETCH(int, payloadSize);

    FullCamera camera(CameraProfile::generation(generation, json));
    Bytes payload(std::size_t(requestSize), 0);
    if (command == 17)   // a set needs a valid clock
        for (int i = 0; i < 8; ++i)
            putU32(payload, std::size_t(i) * 4, std::uint32_t(std::vector<int>{8, 0, 2024, 3, 5, 8, 15, 0}[i]));
    if (command == 36)
        payload[0] = 1;
    if (command == 1000 || command == 1001) {
        putU32(payload, 16, 25);
        putU32(payload, 20, 4096);
    }
    const Reply reply = ask(camera, std::uint32_t(command), payload);
    QCOMPARE(int(reply.command), command);
    QCOMPARE(reply.result, result);
    if (payloadSize < 0)
        QVERIFY(!reply.payload.empty());
    else
        QCOMPARE(int(reply.payload.size()), payloadSize);
}

void tst_FullCamera::setChangesWhatThePairedGetAnswers()
{
    FullCamera camera;
    for (const RecordEntry &e : RecordCatalog::entries()) {
        if (e.setCode == 0 || std::string(e.name) == "TIME_PARA_T")
            continue;
        const Bytes record = pattern(e.size, std::uint8_t(e.setCode));
        QCOMPARE(ask(camera, e.setCode, record).result, 0);
        const Reply got = ask(camera, e.getCode);
        QVERIFY2(got.payload == record, e.name);
    }

    Bytes clock(32, 0);
    const std::uint32_t fields[8] = {5, 30, 2031, 12, 31, 23, 59, 58};
    for (int i = 0; i < 8; ++i)
        putU32(clock, std::size_t(i) * 4, fields[i]);
    QCOMPARE(ask(camera, 17, clock).result, 0);
    const Bytes now = ask(camera, 18).payload;
    QCOMPARE(u32At(now, 0), 5u);
    QCOMPARE(u32At(now, 4), 30u);
    QVERIFY(u32At(now, 8) == 2031 || u32At(now, 8) == 2032);   // the camera's clock runs on

    putU32(clock, 12, 13);
    QCOMPARE(ask(camera, 17, clock).result, 1);
}

void tst_FullCamera::setOfWrongSizeIsRefused()
{
    FullCamera camera;
    const Bytes before = ask(camera, 11).payload;
    QCOMPARE(ask(camera, 6, pattern(99, 1)).result, 1);
    QCOMPARE(ask(camera, 11).payload, before);
}

void tst_FullCamera::compositeRepliesAreAssembledFromTheirParts()
{
    FullCamera third;
    Bytes identity = text("officer-7", 128);
    std::copy_n(text("device-9", 64).begin(), 64, identity.begin() + 64);
    QCOMPARE(ask(third, 15, identity).result, 0);
    Bytes network(88, 0);
    putU32(network, 4, 1);
    putU32(network, 12, 3);
    putU32(network, 16, 30);
    putU32(network, 20, 2048);
    QCOMPARE(ask(third, 1000, network).result, 0);

    const Bytes all = ask(third, 1003).payload;
    QCOMPARE(Bytes(all.begin(), all.begin() + 128), identity);
    QCOMPARE(Bytes(all.begin() + 216, all.end()), network);
    QCOMPARE(u32At(all, 128 + 4), 0u);   // the recording stream stays at 128

    Bytes query(88, 0);
    putU32(query, 4, 1);
    QCOMPARE(ask(third, 1001, query).payload, network);

    putU32(network, 16, 0);
    QCOMPARE(ask(third, 1000, network).result, 2);

    FullCamera second(CameraProfile::generation(2, false));
    const Bytes recording = pattern(12, 40);
    const Bytes net = pattern(12, 90);
    QCOMPARE(ask(second, 4, recording).result, 0);
    QCOMPARE(ask(second, 5, net).result, 0);
    const Bytes v2 = ask(second, 50).payload;
    QCOMPARE(Bytes(v2.begin() + 128, v2.begin() + 140), recording);
    QCOMPARE(Bytes(v2.begin() + 140, v2.end()), net);
}

void tst_FullCamera::jsonGroupsKeepValidTextsOnly()
{
    FullCamera camera;
    const Bytes original = ask(camera, 74).payload;
    // The camera sends its forms in GBK, like all of its texts.
    QTextCodec *gbk = QTextCodec::codecForName("GBK");
    const QByteArray originalBytes(reinterpret_cast<const char *>(original.data()), int(original.size()));
    QVERIFY(originalBytes.contains(gbk->fromUnicode(QStringLiteral("录像参数"))));
    QJsonObject form = QJsonDocument::fromJson(gbk->toUnicode(originalBytes).toUtf8()).object();
    QVERIFY(!form.value("form").toArray().isEmpty());
    form.insert("name", "changed");
    const QByteArray edited = QJsonDocument(form).toJson(QJsonDocument::Indented);
    Bytes editedBytes(edited.begin(), edited.end());

    const Reply set = ask(camera, 75, editedBytes);
    QCOMPARE(set.result, 0);
    QCOMPARE(set.payload, editedBytes);
    QCOMPARE(ask(camera, 74).payload, editedBytes);

    // Chinese arrives in the camera's GBK and comes back byte for byte.
    form.insert("name", QStringLiteral("录像参数（修改）"));
    const QByteArray local =
        QTextCodec::codecForName("GBK")->fromUnicode(QString::fromUtf8(QJsonDocument(form).toJson()));
    const Bytes localBytes(local.begin(), local.end());
    QCOMPARE(ask(camera, 75, localBytes).result, 0);
    QCOMPARE(ask(camera, 74).payload, localBytes);
    editedBytes = localBytes;

    const Reply broken = ask(camera, 75, Bytes{'{', '"'});
    QCOMPARE(broken.result, 1);
    QVERIFY(!broken.payload.empty());
    form.insert("id", "another");
    const QByteArray foreign = QJsonDocument(form).toJson();
    QCOMPARE(ask(camera, 75, Bytes(foreign.begin(), foreign.end())).result, 1);
    QCOMPARE(ask(camera, 74).payload, editedBytes);

    const Bytes ability = ask(camera, 100).payload;
    const QJsonObject a = QJsonDocument::fromJson(QByteArray(reinterpret_cast<const char *>(ability.data()),
                                                             int(ability.size())))
                              .object();
    QCOMPARE(a.value("protocolVer").toInt(), 3);
    QCOMPARE(a.value("supportNoPwdLogin").toInt(), 0);
}

void tst_FullCamera::profileOverridesReachTheCameraReplies()
{
    CameraProfile profile;
    profile.abilityOverrides = {{"showMediaInfo", 0}, {"supportLog", 7}, {"madeUpKey", 3}};
    profile.deviceCodeOverrides = {{264, 0}, {271, 0}, {300, 9}, {388, 5}};
    FullCamera camera(profile);

    const Bytes ability = ask(camera, 100).payload;
    const QJsonObject a = QJsonDocument::fromJson(QByteArray(reinterpret_cast<const char *>(ability.data()),
                                                             int(ability.size())))
                              .object();
    QCOMPARE(a.value("showMediaInfo").toInt(-1), 0);
    QCOMPARE(a.value("supportLog").toInt(-1), 7);
    QCOMPARE(a.value("madeUpKey").toInt(-1), 3);
    QCOMPARE(a.value("showDeviceInfo").toInt(-1), 1);

    const Bytes code = ask(camera, 39).payload;
    QCOMPARE(code.size(), std::size_t(388));
    QCOMPARE(int(code[264]), 0);
    QCOMPARE(int(code[265]), 1);
    QCOMPARE(int(code[271]), 0);
    QCOMPARE(int(code[300]), 9);
    QCOMPARE(u32At(code, 256), 3u);

    // A profile without overrides keeps the typical camera's values.
    FullCamera plain;
    const Bytes plainCode = ask(plain, 39).payload;
    QCOMPARE(int(plainCode[264]), 1);
    QCOMPARE(int(plainCode[271]), 1);
}

void tst_FullCamera::loginLocksAfterRepeatedFailures()
{
    FullCamera camera;
    auto now = std::make_shared<std::chrono::steady_clock::time_point>(std::chrono::steady_clock::now());
    camera.edit([now](CameraBehaviour &b) { b.login().setClock([now] { return *now; }); });

    for (int attempt = 1; attempt <= 4; ++attempt) {
        const Reply r = ask(camera, 1, text("654321", 128));
        QCOMPARE(r.result, 1);
        QCOMPARE(r.payload.size(), std::size_t(4));
        QCOMPARE(u32At(r.payload, 0), 0u);
    }
    // During the lock the camera reports the seconds since it began, never 0.
    QCOMPARE(u32At(ask(camera, 1, text("654321", 128)).payload, 0), 1u);

    *now += std::chrono::milliseconds(100500);
    const Reply locked = ask(camera, 1, text("123456", 128));
    QCOMPARE(locked.result, 1);
    QCOMPARE(u32At(locked.payload, 0), 100u);

    *now += std::chrono::milliseconds(199499);
    QCOMPARE(u32At(ask(camera, 1, text("123456", 128)).payload, 0), 299u);

    *now += std::chrono::milliseconds(1);
    const Reply open = ask(camera, 1, text("123456", 128));
    QCOMPARE(open.result, 0);
    QVERIFY(open.payload.empty());

    // A success clears the count: four more failures do not lock.
    for (int attempt = 1; attempt <= 4; ++attempt)
        QCOMPARE(u32At(ask(camera, 1, text("000000", 128)).payload, 0), 0u);

    // A password without its NUL within the field is compared up to the field's end.
    QCOMPARE(ask(camera, 1, Bytes(128, '1')).result, 1);
}

void tst_FullCamera::activationGivesTheCameraItsPassword()
{
    CameraProfile profile;
    profile.activated = false;
    FullCamera camera(profile);

    QCOMPARE(u32At(ask(camera, 1021).payload, 0), 0u);
    const Bytes capability = ask(camera, 1020).payload;
    QCOMPARE(u32At(capability, 0), 1u);
    QCOMPARE(u32At(capability, 4), 1u);
    QCOMPARE(ask(camera, 1, text("123456", 128)).result, 1);

    QCOMPARE(ask(camera, 1019, text("", 128)).result, 9);
    QCOMPARE(ask(camera, 1019, text("12345678", 128)).result, 9);
    QCOMPARE(ask(camera, 1019, text("short", 128)).result, 1);
    QCOMPARE(ask(camera, 1019, text("hotspot-pass", 128)).result, 0);
    QCOMPARE(ask(camera, 1018, text("12ab56", 128)).result, 1);
    QCOMPARE(ask(camera, 1018, text("246810", 128)).result, 0);
    QCOMPARE(ask(camera, 1018, text("111111", 128)).result, 1);   // only once

    QCOMPARE(u32At(ask(camera, 1021).payload, 0), 1u);
    QCOMPARE(ask(camera, 1, text("246810", 128)).result, 0);

    QCOMPARE(ask(camera, 33).result, 0);
    QCOMPARE(u32At(ask(camera, 1021).payload, 0), 0u);
}

void tst_FullCamera::deviceKeyAnswerRestoresFactoryPassword()
{
    FullCamera camera;
    Bytes change = text("123456", 128);
    const Bytes fresh = text("778899", 128);
    change.insert(change.end(), fresh.begin(), fresh.end());
    QCOMPARE(ask(camera, 16, change).result, 0);
    QCOMPARE(ask(camera, 16, change).result, 1);   // the old password no longer matches
    QCOMPARE(ask(camera, 1, text("123456", 128)).result, 1);

    const Bytes key = ask(camera, 32).payload;
    QVERIFY(!key.empty());
    QCOMPARE(key.back(), std::uint8_t(0));
    const std::string keyText(reinterpret_cast<const char *>(key.data()));
    QVERIFY(keyText.find("<DeviceKey>") != std::string::npos);

    QCOMPARE(ask(camera, 31, text("<Encrypt><Answer>00</Answer></Encrypt>", 1024)).result, 1);
    QCOMPARE(ask(camera, 31, text(sim::camera::DeviceKeyVault::answerFor(keyText), 1024)).result, 0);
    QCOMPARE(ask(camera, 1, text("123456", 128)).result, 0);
}

void tst_FullCamera::mediaListComesInPagesOfHundred()
{
    FullCamera camera;
    camera.edit([](CameraBehaviour &b) {
        b.media().clear();
        const QDateTime start(QDate(2024, 3, 5), QTime(8, 0));
        for (int i = 0; i < 250; ++i)
            b.media().add(MediaFile{"/mnt/sdcard/DCIM/VID_" + std::to_string(i) + ".MP4",
                                    start.addSecs(i * 60), start.addSecs(i * 60 + 30), 1000});
    });
    Bytes query(16, 0);
    query[0] = 1;
    putU32(query, 4, 100);

    const std::uint32_t counts[] = {100, 100, 50, 0};
    std::size_t listed = 0;
    for (std::uint32_t expected : counts) {
        const Bytes page = ask(camera, 36, query).payload;
        QCOMPARE(u32At(page, 4), expected);
        QCOMPARE(u32At(page, 8), 250u);
        listed += expected;
        QCOMPARE(u32At(page, 12), std::uint32_t(listed));
        QCOMPARE(page.size(), 16 + expected * 336);
        if (expected > 0) {
            const std::string first(reinterpret_cast<const char *>(page.data() + 16 + 8));
            QCOMPARE(first, "/mnt/sdcard/DCIM/VID_" + std::to_string(listed - expected) + ".MP4");
            QCOMPARE(u32At(page, 16 + 264), 2024u);
            QCOMPARE(u32At(page, 16 + 268), 3u);
            QCOMPARE(u32At(page, 16 + 272), 5u);
        }
        query[0] = 0;
    }

    query[0] = 1;   // a first request starts over
    QCOMPARE(u32At(ask(camera, 36, query).payload, 12), 100u);

    QCOMPARE(ask(camera, 34).result, 0);   // format empties the store
    const Bytes empty = ask(camera, 36, query).payload;
    QCOMPARE(u32At(empty, 8), 0u);
    QCOMPARE(u32At(empty, 4), 0u);
}

void tst_FullCamera::fileLengthIsSplitIntoTwoWords()
{
    FullCamera camera;
    const std::uint64_t huge = 0x123456789ull;
    camera.edit([huge](CameraBehaviour &b) {
        b.media().add(MediaFile{"/mnt/sdcard/DCIM/BIG.MP4", QDateTime::currentDateTime(),
                                QDateTime::currentDateTime(), huge});
    });
    const Reply r = ask(camera, 22, text("/mnt/sdcard/DCIM/BIG.MP4", 128));
    QCOMPARE(r.result, 0);
    QCOMPARE(r.payload.size(), std::size_t(8));
    QCOMPARE(u32At(r.payload, 0), 0x23456789u);
    QCOMPARE(u32At(r.payload, 4), 0x1u);
}

void tst_FullCamera::uploadIsReassembledAndFollowedUp()
{
    FullCamera camera;
    const Bytes firmware = pattern(3 * 0x8000 + 5, 3);
    QCOMPARE(ask(camera, 55, uploadStart("update.bin", firmware.size())).result, 0);
    upload(camera, firmware);
    QCOMPARE(ask(camera, 56).result, 0);
    QCOMPARE(ask(camera, 56).result, 0);   // the repeated stop
    Bytes received;
    camera.edit([&received](CameraBehaviour &b) { received = b.uploads().completedData(); });
    QCOMPARE(received, firmware);
    QCOMPARE(ask(camera, 4101).result, 1);   // not a logo
    QCOMPARE(ask(camera, 57).result, 0);
    QCOMPARE(ask(camera, 57).result, 1);     // consumed

    const Bytes logo = pattern(320 * 216 * 3 + 54, 9);
    QCOMPARE(ask(camera, 55, uploadStart("pic.bmp", logo.size())).result, 0);
    upload(camera, logo);
    QCOMPARE(ask(camera, 56).result, 0);
    QCOMPARE(ask(camera, 4096).result, 1);
    QCOMPARE(ask(camera, 4101).result, 0);

    const Bytes empty;
    QCOMPARE(ask(camera, 55, uploadStart("plates.csv", 0)).result, 0);
    send(camera, dataPacket(empty));
    QCOMPARE(ask(camera, 56).result, 0);
    QCOMPARE(ask(camera, 1536).result, 0);

    std::vector<std::string> applied;
    camera.edit([&applied](CameraBehaviour &b) { applied = b.appliedUploads(); });
    QCOMPARE(applied, (std::vector<std::string>{"firmware:update.bin", "logo:pic.bmp",
                                                 "plate list:plates.csv"}));
}

void tst_FullCamera::incompleteUploadIsRefused()
{
    FullCamera camera;
    QCOMPARE(ask(camera, 55, uploadStart("pic.ink", 100)).result, 0);
    send(camera, dataPacket(pattern(60, 1)));
    QCOMPARE(ask(camera, 56).result, 1);
    QCOMPARE(ask(camera, 56).result, 1);
    QCOMPARE(ask(camera, 4096).result, 1);

    QCOMPARE(ask(camera, 55, uploadStart("pic.ink", 10)).result, 0);
    send(camera, dataPacket(pattern(11, 1)));   // more than announced
    QCOMPARE(ask(camera, 56).result, 1);

    // A data packet whose length field exceeds what arrived adds only what arrived.
    QCOMPARE(ask(camera, 55, uploadStart("pic.ink", 4)).result, 0);
    Bytes lying = dataPacket(pattern(4, 1));
    putU32(lying, 0, 5000);
    send(camera, lying);
    QCOMPARE(ask(camera, 56).result, 0);

    QCOMPARE(ask(camera, 55, uploadStart("", 10)).result, 1);
    QCOMPARE(ask(camera, 55, uploadStart("huge.bin", 1ull << 40)).result, 1);
    QCOMPARE(ask(camera, 55, Bytes(20, 0)).result, 1);
}

void tst_FullCamera::xmlExchangeReturnsTheStoredDocument()
{
    FullCamera camera;
    const std::string doc = "<Config><Item>1</Item></Config>";
    Bytes set(12, 0);
    putU32(set, 0, 7);
    putU32(set, 4, std::uint32_t(doc.size()));
    set.insert(set.end(), doc.begin(), doc.end());
    const Reply stored = ask(camera, 61, set);
    QCOMPARE(stored.result, 0);
    QVERIFY(stored.payload.empty());

    Bytes query(12, 0);
    putU32(query, 0, 7);
    const Reply r = ask(camera, 69, query);
    QCOMPARE(r.result, 0);
    QCOMPARE(u32At(r.payload, 0), 7u);
    QCOMPARE(u32At(r.payload, 4), std::uint32_t(doc.size()));
    QCOMPARE(std::string(r.payload.begin() + 12, r.payload.end()), doc);

    putU32(set, 4, 3);   // head and text disagree
    QCOMPARE(ask(camera, 61, set).result, 1);
}

void tst_FullCamera::filesAreServedThroughTransfers()
{
    FullCamera camera;
    send(camera, commandPacket(20, {}, 0x0001));
    Bytes in;
    QVERIFY(camera.takeIn(in, 1000));
    QCOMPARE(parse(in).result, 0);
    QVERIFY(camera.takeIn(in, 1000));
    QCOMPARE(u32At(in, 8), 0u);
    const std::size_t names = (in.size() - 12) / 128;
    QCOMPARE(names, std::size_t(3));
    const std::string logName(reinterpret_cast<const char *>(in.data() + 12));
    QVERIFY(camera.takeIn(in, 1000));
    QCOMPARE(parse(in).command, 3u);

    Bytes download = text(logName, 136);
    send(camera, commandPacket(2, download));
    QVERIFY(camera.takeIn(in, 1000));
    QCOMPARE(parse(in).result, 0);
    std::string log;
    while (camera.takeIn(in, 1000) && u32At(in, 8) == 0)
        log.append(in.begin() + 12, in.end());
    QCOMPARE(parse(in).command, 3u);
    QVERIFY(log.rfind("[", 0) == 0);
    QCOMPARE(log.find("] []"), std::size_t(22));

    const Reply length = ask(camera, 22, text(logName, 128));
    QCOMPARE(u32At(length.payload, 0), std::uint32_t(log.size()));
}

QTEST_GUILESS_MAIN(tst_FullCamera)
#include "tst_FullCamera.moc"
