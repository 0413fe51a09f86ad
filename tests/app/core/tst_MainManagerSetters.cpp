#include "CameraRig.h"
#include "LocalText.h"
#include "NamedProfiles.h"

#include <QTemporaryDir>
#include <QTextCodec>
#include <QtEndian>
#include <QtTest>

#include <cstring>
#include <functional>
#include <mutex>
#include <memory>
#include <thread>
#include <vector>

using SetterCall = std::function<bool(MainManager *)>;
Q_DECLARE_METATYPE(SetterCall)

namespace {

constexpr int kHeadSize = 20;

// The expected payload: zeros with the fields written in.
class Layout
{
public:
    explicit Layout(int size)
        : m_bytes(size, '\0')
    {
    }
    Layout &u8(int offset, int value)
    {
        m_bytes[offset] = char(value);
        return *this;
    }
    Layout &u16(int offset, quint16 value)
    {
        qToLittleEndian(value, m_bytes.data() + offset);
        return *this;
    }
    Layout &u32(int offset, quint32 value)
    {
        qToLittleEndian(value, m_bytes.data() + offset);
        return *this;
    }
    Layout &at(int offset, const QByteArray &bytes)
    {
        m_bytes.replace(offset, bytes.size(), bytes);
        return *this;
    }
    operator QByteArray() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

QByteArray pattern(int size, int seed)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char(seed + i * 7);
    return bytes;
}

QByteArray gbk(const QString &text)
{
    return LocalText::encode(text);
}

// The payloads of the command packets the camera received with that code.
QList<QByteArray> payloadsOf(const sim::FullCamera &camera, quint32 command)
{
    QList<QByteArray> payloads;
    for (const auto &packet : camera.receivedPackets()) {
        const QByteArray bytes(reinterpret_cast<const char *>(packet.data()), int(packet.size()));
        if (bytes.size() >= kHeadSize && qFromLittleEndian<quint32>(bytes.constData() + 8) == 1
            && qFromLittleEndian<quint32>(bytes.constData() + 12) == command)
            payloads << bytes.mid(kHeadSize);
    }
    return payloads;
}

int commandPacketCount(const sim::FullCamera &camera)
{
    int count = 0;
    for (const auto &packet : camera.receivedPackets())
        if (packet.size() >= std::size_t(kHeadSize) && qFromLittleEndian<quint32>(packet.data() + 8) == 1)
            ++count;
    return count;
}

template<typename Record>
Record recordFrom(const QByteArray &bytes)
{
    Record record;
    std::memcpy(&record, bytes.constData(), sizeof record);
    return record;
}

struct SetterRow
{
    const char *name;
    SetterCall call;
    quint32 command;
    QByteArray payload;
};

const QByteArray kOsd = pattern(196, 1);
const QByteArray kDst = pattern(112, 2);
const QByteArray kSip = pattern(340, 3);
const QByteArray kTalk = pattern(188, 4);

// Every setter that builds or forwards a record, with distinct values in its
// fields and the payload the camera must receive. 中 is E4 B8 AD in UTF-8 and
// D6 D0 in GBK.
std::vector<SetterRow> setterRows()
{
    const QByteArray utf8Zhong("\xE4\xB8\xAD");
    const QChar zhong(0x4E2D); // 中
    return {
            {"video", [](MainManager *m) { return m->SetDevVideoParam(5, 25, 4096); }, 4,
             Layout(12).u32(0, 5).u32(4, 25).u32(8, 4096)},
            {"network video", [](MainManager *m) { return m->SetDevNetParam(3, 15, 1024); }, 5,
             Layout(12).u32(0, 3).u32(4, 15).u32(8, 1024)},
            {"video v3", [](MainManager *m) { return m->SetDevVideoV3Param(7, 30, 8192, 2, 1); }, 1000,
             Layout(88).u32(0, 2).u32(8, 1).u32(12, 7).u32(16, 30).u32(20, 8192)},
            {"network video v3", [](MainManager *m) { return m->SetDevNetV3Param(6, 20, 2048, 3, 4, 1); },
             1000, Layout(88).u32(0, 3).u32(4, 1).u32(8, 4).u32(12, 6).u32(16, 20).u32(20, 2048).u32(24, 1)},
            {"picture", [](MainManager *m) { return m->SetDevPICParam(3); }, 1014, Layout(36).u8(0, 3)},
            {"packing", [](MainManager *m) { return m->SetDevicePackParam(1, 2, 3, 0x0405); }, 551,
             Layout(8).u8(0, 1).u8(1, 2).u8(2, 3).u16(4, 0x0405)},
            {"osd record",
             [](MainManager *m) {
                 const auto r = recordFrom<EXTRA_OSD>(kOsd);
                 return m->SetDeviceOSDParam(&r);
             },
             401, kOsd},
            {"dst record",
             [](MainManager *m) {
                 const auto r = recordFrom<USB_DST_T>(kDst);
                 return m->SetDevDSTParam(&r);
             },
             1012, kDst},
            {"sip record",
             [](MainManager *m) {
                 const auto r = recordFrom<SIPUA_CONFIG_T>(kSip);
                 return m->SetDevSIPParam(&r);
             },
             301, kSip},
            {"group talk record",
             [](MainManager *m) {
                 const auto r = recordFrom<GROUP_TALK_PARA_T>(kTalk);
                 return m->SetDevGroupTalkParam(&r);
             },
             136, kTalk},
            {"json up to its NUL, in GBK",
             [](MainManager *m) {
                 static const char text[] = "{\"id\":\"customParam\",\"name\":\"拓展\"}\0{}";
                 return m->SetDevCustomParamJson(QByteArray(text, int(sizeof text) - 1));
             },
             73, QByteArray("{\"id\":\"customParam\",\"name\":\"") + gbk(QStringLiteral("拓展")) + "\"}"},
            {"password", [](MainManager *m) { return m->ChangeDevPassword("123456", "密码654321"); }, 16,
             Layout(256).at(0, "123456").at(128, QByteArray("\xE5\xAF\x86\xE7\xA0\x81") + "654321")},
            // GBK, 63 bytes at most: the officer ID's next character would need bytes 62 and 63.
            {"identity",
             [zhong](MainManager *m) {
                 return m->SetDeviceIdParam(QStringLiteral("设备") + QString(70, 'D'),
                                            "ab" + QString(40, zhong));
             },
             15,
             Layout(128)
                     .at(0, "ab" + gbk(QString(30, zhong)))
                     .at(64, gbk(QStringLiteral("设备")) + QByteArray(59, 'D'))},
            // Up to 32 and 64: a full field has no NUL.
            {"wifi",
             [](MainManager *m) { return m->SetDevWifiParam(true, true, QString(40, 'S'), "中文key", 4, 5); },
             6,
             Layout(100)
                     .u8(0, 1)
                     .u8(1, 4)
                     .u8(2, 5)
                     .u8(3, 1)
                     .at(4, QByteArray(32, 'S'))
                     .at(36, QByteArray("\xE4\xB8\xAD\xE6\x96\x87key"))},
            {"wifi v2, hotspot on",
             [](MainManager *m) {
                 return m->SetDevWifiParamV2(false, "client", "ckey", true, false, "热点", QString(64, 'k'));
             },
             51,
             Layout(1156)
                     .u8(0, 1)
                     .u8(2, 1)
                     .at(4, QByteArray("\xE7\x83\xAD\xE7\x82\xB9"))
                     .at(36, QByteArray(64, 'k'))
                     .at(100, "client")
                     .at(132, "ckey")},
            {"wifi v2, all off",
             [](MainManager *m) { return m->SetDevWifiParamV2(false, "", "", false, true, "", ""); }, 51,
             Layout(1156).u8(1, 1)},
            {"dial-up",
             [](MainManager *m) {
                 return m->SetDevApnParam(true, 3, "cmnet中", QString(40, '9'), "用户", "密码pw", "1500", 2);
             },
             7,
             Layout(136)
                     .u8(0, 1)
                     .u8(1, 3)
                     .at(4, "cmnet" + gbk(QStringLiteral("中")))
                     .at(36, QByteArray(31, '9'))
                     .at(68, gbk(QStringLiteral("用户")))
                     .at(100, QByteArray("\xE5\xAF\x86\xE7\xA0\x81pw"))
                     .u16(132, 1500)
                     .u16(134, 2)},
            {"dial-up, values outside the lists: one byte each, byte 135 stays zero",
             [](MainManager *m) { return m->SetDevApnParam(false, -1, "", "", "", "", "x", -1); }, 7,
             Layout(136).u8(1, 255).u8(134, 255)},
            {"platform",
             [](MainManager *m) {
                 return m->SetDevPlateParam(true, false, true, "192.168.1.10", "8080", "DEV中");
             },
             8,
             Layout(44)
                     .u8(0, 1)
                     .u8(2, 1)
                     .at(4, QByteArray("\xC0\xA8\x01\x0A"))
                     .u16(8, 8080)
                     .at(12, "DEV" + utf8Zhong)},
            {"platform with gps, octal-looking address, port too large",
             [](MainManager *m) {
                 return m->SetDevPlateParamEx(false, true, false, "10.0.0.010", "65536", QString(40, 'D'),
                                              30);
             },
             8,
             Layout(44)
                     .u8(1, 1)
                     .at(4, QByteArray("\x0A\x00\x00\x0A", 4))
                     .u16(10, 30)
                     .at(12, QByteArray(32, 'D'))},
            {"platform, bad address",
             [](MainManager *m) {
                 return m->SetDevPlateParam(false, false, false, "192.168.1.09x", "abc", "");
             },
             8, Layout(44).u32(4, 0xFFFFFFFF)},
            {"domain", [](MainManager *m) { return m->SetDevDomainParam(1, QString(70, 'w')); }, 48,
             Layout(68).u32(0, 1).at(4, QByteArray(63, 'w'))},
            {"tarvio",
             [zhong](MainManager *m) {
                 return m->SetDevTarvioParam(1, 2, "srv.example", "abc", "ID-7", QString(33, zhong),
                                             "k" + QString(20, zhong));
             },
             501,
             Layout(616)
                     .u8(0, 1)
                     .u8(1, 2)
                     .at(4, "srv.example")
                     .at(264, "ID-7")
                     .at(520, gbk(QString(32, zhong)))
                     .at(584, "k" + QByteArray("\xE4\xB8\xAD").repeated(10))},
            // Two rows give each FTP flag its own pattern: delete 11, recordings 10, pictures 01, video 00.
            {"ftp, first pattern",
             [](MainManager *m) {
                 return m->SetDevFtpParam(true, true, true, false, false, "ftp.host", "21", "user", "pw");
             },
             511,
             Layout(136)
                     .u32(0, 1)
                     .at(4, "ftp.host")
                     .u16(36, 21)
                     .u8(38, 1)
                     .at(40, "user")
                     .at(72, "pw")
                     .u8(105, 1)},
            {"ftp, second pattern",
             [](MainManager *m) {
                 return m->SetDevFtpParam(false, true, false, true, false, "", "2121", "", "");
             },
             511, Layout(136).u16(36, 2121).u8(38, 1).u8(39, 1)},
            {"ga/t 1400",
             [](MainManager *m) { return m->SetDevPlat1400Param(true, "1.2.3.4", "8081", "user", "pass"); },
             531, Layout(136).u32(0, 1).at(4, "1.2.3.4").u16(36, 8081).at(40, "user").at(72, "pass")},
            {"custom platform",
             [](MainManager *m) {
                 return m->SetDevPlatCustomParam(false, "主机", "65535", "u", QString(32, 'p'));
             },
             541,
             Layout(136)
                     .at(4, QByteArray("\xE4\xB8\xBB\xE6\x9C\xBA"))
                     .u16(36, 65535)
                     .at(40, "u")
                     .at(72, QByteArray(32, 'p'))},
            {"tim platform",
             [](MainManager *m) {
                 return m->SetDevTimPlateParam(true, 2, false, "tim.host", "192.168.100.200", 9000, "/path",
                                               1400);
             },
             563,
             Layout(252)
                     .u8(0, 1)
                     .u8(2, 2)
                     .at(4, "tim.host")
                     .at(68, "192.168.100.200")
                     .u32(84, 9000)
                     .at(88, "/path")
                     .u32(216, 1400)},
            {"face platform",
             [](MainManager *m) {
                 return m->SetDevFaceTdaParam(true, false, true, true, false, "tda", "80", "mq", "8080",
                                              "store", "443");
             },
             521,
             Layout(204)
                     .at(0, "tda")
                     .at(64, "mq")
                     .at(128, "store")
                     .u16(192, 80)
                     .u16(194, 8080)
                     .u16(196, 443)
                     .u8(198, 1)
                     .u8(200, 1)
                     .u8(201, 1)},
            {"lumaro v3",
             [](MainManager *m) { return m->SetDevLUMR3Param(true, QString(20, 'c'), false, "key中"); }, 561,
             Layout(228).u8(0, 1).at(4, QByteArray(16, 'c')).at(132, "key" + utf8Zhong)},
            {"aes", [](MainManager *m) { return m->SetDevAESParam(1, 2, "aes-key"); }, 68,
             Layout(44).u8(0, 1).u8(1, 2).at(4, "aes-key")},
            {"activation",
             [](MainManager *m) {
                 return m->SetDevActiveInfo(m->GetCurIndex(), "1234" + QString(40, QChar(0x4E2D)));
             },
             1018, Layout(128).at(0, "1234" + gbk(QString(29, QChar(0x4E2D))))},
            {"hotspot activation",
             [](MainManager *m) { return m->SetDevActiveAPInfo(m->GetCurIndex(), "热点密码12"); }, 1019,
             Layout(128).at(0, gbk(QStringLiteral("热点密码12")))},
            {"upload start",
             [](MainManager *m) { return m->ReqUploadFileStart(QStringLiteral("固件.bin"), 0x12345678, 1); },
             55,
             Layout(208)
                     .at(0, QByteArray("\xE5\x9B\xBA\xE4\xBB\xB6.bin"))
                     .u32(128, 0x12345678)
                     .u32(132, 1)
                     .u32(136, 0x8000)},
    };
}

// The setters that merge into a cached record.
std::vector<std::pair<const char *, SetterCall>> mergeSetters()
{
    return {
            {"system", [](MainManager *m) { return m->SetDevSystemParam(1, 2, 3, 4, 5, 6); }},
            {"system ex", [](MainManager *m) { return m->SetDevSystemParamEx(1, 2, 3, 4); }},
            {"extended", [](MainManager *m) { return m->SetDevExParamV3(1, 2, 3, 4, 5, 6, 7); }},
            {"extended all",
             [](MainManager *m) {
                 const auto r = recordFrom<Ex_Param_V3_T>(pattern(92, 9));
                 return m->SetDevExParamV3All(&r);
             }},
            {"lumaro", [](MainManager *m) { return m->SetDevExParamV3Lumaro(true, "1234"); }},
    };
}

} // namespace

class tst_MainManagerSetters : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void buildsEachRecordFieldByField_data();
    void buildsEachRecordFieldByField();
    void everySetterRefusesWithoutACamera();
    void nullRecordsAreRefused();
    void systemSettersMergeIntoTheCamerasRecord();
    void extendedSettersMergeIntoTheCamerasRecord();
    void passwordChangesOnlyWhenTheCameraAccepts();
    void identityChangesOnlyWhenTheCameraAccepts();
    void unsentActionsReportThroughTheirSignal_data();
    void unsentActionsReportThroughTheirSignal();
    void validationKeyHoldsAtMost1023Bytes();
    void usbModeSwitchFollowsTheGeneration_data();
    void usbModeSwitchFollowsTheGeneration();
    void unchangedChineseJsonFormArrivesByteIdentical();
    void uploadFromAWorkerWhileTheGuiThreadSaves();
    void savedSystemRecordIsWhatTheCameraHolds();

private:
    // One camera of the profile, discovered and logged in.
    bool start(const char *profile = NamedProfiles::Gen3Json);
    MainManager *manager() const { return m_rig->manager(); }
    sim::FullCamera &camera() const { return m_rig->camera(0); }
    SignalProbe &probe() const { return m_rig->probe(); }
    void setCameraRecord(const char *name, const QByteArray &bytes);
    QByteArray lastPayload(quint32 command) const;

    std::unique_ptr<CameraRig> m_rig;
};

bool tst_MainManagerSetters::start(const char *profile)
{
    m_rig.reset(new CameraRig({profile}));
    m_rig->manager()->setReplyDeadlines(500, 3000);
    return m_rig->discover() && m_rig->loginAs(0, "123456");
}

void tst_MainManagerSetters::cleanup()
{
    m_rig.reset();
}

void tst_MainManagerSetters::setCameraRecord(const char *name, const QByteArray &bytes)
{
    camera().edit([&](sim::camera::CameraBehaviour &b) {
        b.parameters().setRecord(name, sim::camera::le::Bytes(bytes.begin(), bytes.end()));
    });
}

QByteArray tst_MainManagerSetters::lastPayload(quint32 command) const
{
    const QList<QByteArray> payloads = payloadsOf(camera(), command);
    return payloads.isEmpty() ? QByteArray() : payloads.last();
}

void tst_MainManagerSetters::buildsEachRecordFieldByField_data()
{
    QTest::addColumn<SetterCall>("call");
    QTest::addColumn<quint32>("command");
    QTest::addColumn<QByteArray>("payload");
    for (const SetterRow &row : setterRows())
        QTest::newRow(row.name) << row.call << row.command << row.payload;
}

void tst_MainManagerSetters::buildsEachRecordFieldByField()
{
    QFETCH(SetterCall, call);
    QFETCH(quint32, command);
    QFETCH(QByteArray, payload);
    QVERIFY(start());
    camera().clearReceived();

    QVERIFY(call(manager()));
    const QList<QByteArray> sent = payloadsOf(camera(), command);
    QCOMPARE(sent.size(), 1);
    QCOMPARE(sent.first().toHex(' '), payload.toHex(' '));
}

void tst_MainManagerSetters::everySetterRefusesWithoutACamera()
{
    m_rig.reset(new CameraRig({NamedProfiles::Gen3Json}));
    QCOMPARE(manager()->GetCurIndex(), -1);
    for (const SetterRow &row : setterRows())
        QVERIFY2(!row.call(manager()), row.name);
    for (const auto &merge : mergeSetters())
        QVERIFY2(!merge.second(manager()), merge.first);
    QVERIFY(!manager()->ReqUploadFile(QStringLiteral("/dev/null")));
    QVERIFY(!manager()->ReqUploadFileStop());
    QCOMPARE(commandPacketCount(camera()), 0);
}

void tst_MainManagerSetters::nullRecordsAreRefused()
{
    QVERIFY(start());
    QVERIFY(manager()->ReqDevExParamV3() == 0);
    QVERIFY(probe().wait("devExParamChangedV3"));
    camera().clearReceived();
    QVERIFY(!manager()->SetDeviceOSDParam(nullptr));
    QVERIFY(!manager()->SetDevDSTParam(nullptr));
    QVERIFY(!manager()->SetDevSIPParam(nullptr));
    QVERIFY(!manager()->SetDevGroupTalkParam(nullptr));
    QVERIFY(!manager()->SetDevExParamV3All(nullptr));
    QCOMPARE(commandPacketCount(camera()), 0);
}

void tst_MainManagerSetters::systemSettersMergeIntoTheCamerasRecord()
{
    QVERIFY(start());
    const QByteArray cameras = pattern(28, 0x40);
    setCameraRecord("SYSTEM_PARA_T", cameras);
    camera().clearReceived();

    // Nothing of this camera is cached yet: sending would overwrite its record with zeros.
    QVERIFY(!manager()->SetDevSystemParam(1, 600000, 1, 0, 1, 1));
    QVERIFY(!manager()->IsSystemParamValid());
    QCOMPARE(commandPacketCount(camera()), 0);

    QCOMPARE(manager()->ReqDevSystemParam(), 0);
    QVERIFY(probe().wait("devSystemParamChanged"));
    QVERIFY(manager()->IsSystemParamValid());

    QVERIFY(manager()->SetDevSystemParam(0x11, 600000, 0x12, 0x13, 0x14, 0x15));
    const QByteArray first = Layout(28)
                                     .at(0, cameras)
                                     .u8(19, 0x11)
                                     .u32(0, 600000)
                                     .u8(16, 0x12)
                                     .u8(20, 0x13)
                                     .u8(18, 0x14)
                                     .u8(23, 0x15);
    QCOMPARE(lastPayload(29).toHex(' '), first.toHex(' '));

    QVERIFY(manager()->SetDevSystemParamEx(0x21, 15, 30, -1));
    const QByteArray second = Layout(28).at(0, first).u8(22, 0x21).u32(12, 15).u32(8, 30).u32(4, 0xFFFFFFFF);
    QCOMPARE(lastPayload(29).toHex(' '), second.toHex(' '));
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(manager()->GetSystemParam().bytes), 28).toHex(' '),
             second.toHex(' '));

    // A new log-in may be another camera: its record has to be asked for again.
    QVERIFY(m_rig->loginAs(0, "123456"));
    QVERIFY(!manager()->IsSystemParamValid());
    const int sent = payloadsOf(camera(), 29).size();
    QVERIFY(!manager()->SetDevSystemParamEx(1, 2, 3, 4));
    QCOMPARE(payloadsOf(camera(), 29).size(), sent);
    const int replies = probe().count("devSystemParamChanged");
    manager()->ReqDevSystemParam();
    QVERIFY(probe().wait("devSystemParamChanged", replies + 1));
    QVERIFY(manager()->SetDevSystemParamEx(1, 2, 3, 4));
}

void tst_MainManagerSetters::extendedSettersMergeIntoTheCamerasRecord()
{
    QVERIFY(start());
    const QByteArray cameras = pattern(92, 0x50);
    setCameraRecord("Ex_Param_V3_T", cameras);
    QVERIFY(!manager()->SetDevExParamV3Lumaro(true, "x"));
    QCOMPARE(manager()->ReqDevExParamV3(), 0);
    QVERIFY(probe().wait("devExParamChangedV3"));

    QVERIFY(manager()->SetDevExParamV3(1, 2, 3, 4, 5, 6, 7));
    Layout expected(92);
    expected.at(0, cameras).u8(3, 1).u8(16, 2).u8(60, 3).u8(63, 4).u8(66, 5).u8(67, 6).u8(68, 7);
    QCOMPARE(lastPayload(1006).toHex(' '), QByteArray(expected).toHex(' '));

    const QByteArray page = pattern(92, 0x90);
    const auto pageRecord = recordFrom<Ex_Param_V3_T>(page);
    QVERIFY(manager()->SetDevExParamV3All(&pageRecord));
    for (int offset : {0, 1, 2, 4, 5, 6, 7, 61, 62, 64, 65, 70, 71})
        expected.u8(offset, quint8(page.at(offset)));
    expected.at(8, page.mid(8, 8)).at(28, page.mid(28, 31));
    QCOMPARE(lastPayload(1006).toHex(' '), QByteArray(expected).toHex(' '));

    // Eight GBK bytes at most, at whole characters; a shorter code leaves none of the longer one.
    QVERIFY(manager()->SetDevExParamV3Lumaro(true, QStringLiteral("中文ABC文字")));
    expected.u8(17, 1).at(20, gbk(QStringLiteral("中文ABC")) + QByteArray(1, '\0'));
    QCOMPARE(lastPayload(1006).toHex(' '), QByteArray(expected).toHex(' '));
    QVERIFY(manager()->SetDevExParamV3Lumaro(false, "AB"));
    expected.u8(17, 0).at(20, QByteArray("AB\0\0\0\0\0\0", 8));
    QCOMPARE(lastPayload(1006).toHex(' '), QByteArray(expected).toHex(' '));
}

void tst_MainManagerSetters::passwordChangesOnlyWhenTheCameraAccepts()
{
    QVERIFY(start());
    // The password each verdict finds, written on the reader thread that
    // emits it. The probe hears the verdict before this receiver does, so the
    // list is awaited, not read once the probe has counted.
    struct Verdicts
    {
        std::mutex mutex;
        QStringList passwords;
    };
    const auto verdicts = std::make_shared<Verdicts>();
    MainManager *const manager = this->manager();
    const QMetaObject::Connection connection = connect(
            manager, &MainManager::reqSetDevPwd, manager,
            [verdicts, manager](int) {
                const QString password = manager->getLoginPwd();
                std::lock_guard<std::mutex> lock(verdicts->mutex);
                verdicts->passwords.append(password);
            },
            Qt::DirectConnection);
    const auto disconnectAtEnd = qScopeGuard([connection] { QObject::disconnect(connection); });
    const auto passwordsAtVerdicts = [verdicts] {
        std::lock_guard<std::mutex> lock(verdicts->mutex);
        return verdicts->passwords;
    };

    camera().clearReceived();
    QVERIFY(!manager->ChangeDevPassword("654321", "111111"));
    QVERIFY(!manager->ChangeDevPassword("123456", QString(128, 'x')));
    QCOMPARE(commandPacketCount(camera()), 0);

    // The camera wants 6 to 16 characters.
    QVERIFY(manager->ChangeDevPassword("123456", "short"));
    QVERIFY(probe().wait("reqSetDevPwd"));
    QCOMPARE(probe().last("reqSetDevPwd").values.value(0).toInt(), 1);
    QCOMPARE(manager->getLoginPwd(), QString("123456"));

    QVERIFY(manager->ChangeDevPassword("123456", "654321"));
    QVERIFY(probe().wait("reqSetDevPwd", 2));
    QCOMPARE(probe().last("reqSetDevPwd").values.value(0).toInt(), 0);
    QTRY_COMPARE(passwordsAtVerdicts(), (QStringList {"123456", "654321"}));
    QCOMPARE(manager->getLoginPwd(), QString("654321"));
}

void tst_MainManagerSetters::identityChangesOnlyWhenTheCameraAccepts()
{
    QVERIFY(start());
    const DEVICE_ID_PARA_T before = manager()->GetDevIdParam();
    const QByteArray beforeBytes(reinterpret_cast<const char *>(&before), sizeof before);
    probe().clear();

    camera().setFault(15, sim::CommandFault::fail());
    QVERIFY(manager()->SetDeviceIdParam(QStringLiteral("设备-1"), QStringLiteral("警员-1")));
    QVERIFY(probe().wait("reqSetDevIdParam"));
    QCOMPARE(probe().last("reqSetDevIdParam").values.value(0).toInt(), 1);
    const DEVICE_ID_PARA_T refused = manager()->GetDevIdParam();
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(&refused), sizeof refused), beforeBytes);
    QCOMPARE(probe().last("devIdParamChanged").bytes(), beforeBytes);

    camera().clearFaults();
    probe().clear();
    QVERIFY(manager()->SetDeviceIdParam(QStringLiteral("设备-2"), QStringLiteral("警员-2")));
    QVERIFY(probe().wait("reqSetDevIdParam"));
    QCOMPARE(probe().last("reqSetDevIdParam").values.value(0).toInt(), 0);
    const QByteArray accepted =
            Layout(128).at(0, gbk(QStringLiteral("警员-2"))).at(64, gbk(QStringLiteral("设备-2")));
    const DEVICE_ID_PARA_T now = manager()->GetDevIdParam();
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(&now), sizeof now), accepted);
    QCOMPARE(probe().last("devIdParamChanged").bytes(), accepted);
    const QStringList order = probe().order();
    QVERIFY(order.indexOf("devIdParamChanged") >= 0);
    QVERIFY(order.indexOf("devIdParamChanged") < order.indexOf("reqSetDevIdParam"));
}

void tst_MainManagerSetters::unsentActionsReportThroughTheirSignal_data()
{
    QTest::addColumn<SetterCall>("call");
    QTest::addColumn<QByteArray>("signal");
    const auto action = [](int (MainManager::*request)()) {
        return SetterCall([request](MainManager *m) { return (m->*request)() != 0; });
    };
    QTest::newRow("factory reset") << action(&MainManager::ReqFactoryReset) << QByteArray("factoryReset");
    QTest::newRow("default reset") << action(&MainManager::ReqSimpleDefaultReset)
                                   << QByteArray("deviceDefault");
    QTest::newRow("format") << action(&MainManager::ReqMemoryFormat) << QByteArray("memoryFormat");
    QTest::newRow("parameter export")
            << action(&MainManager::ReqExportParams) << QByteArray("devExportParams");
    QTest::newRow("key validation") << SetterCall([](MainManager *m) {
        return m->ReqValidateEncrypt(m->GetCurIndex(), "KEY") != 0;
    }) << QByteArray("validateEncrypt");
}

void tst_MainManagerSetters::unsentActionsReportThroughTheirSignal()
{
    QFETCH(SetterCall, call);
    QFETCH(QByteArray, signal);
    m_rig.reset(new CameraRig({NamedProfiles::Gen3Json}));

    QVERIFY(call(manager()));
    QCOMPARE(probe().count(signal), 1);
    QCOMPARE(probe().last(signal).values.value(0).toInt(), -1);
}

void tst_MainManagerSetters::validationKeyHoldsAtMost1023Bytes()
{
    QVERIFY(start());
    const int index = manager()->GetCurIndex();
    camera().clearReceived();

    QCOMPARE(manager()->ReqValidateEncrypt(index, QString(1023, 'A')), 0);
    QCOMPARE(lastPayload(31), QByteArray(1023, 'A') + QByteArray(1, '\0'));

    // Cut, it would be a different key; 342 characters of three UTF-8 bytes are 1026.
    QCOMPARE(manager()->ReqValidateEncrypt(index, QString(1024, 'A')), -1);
    QCOMPARE(manager()->ReqValidateEncrypt(index, QString(342, QChar(0x4E2D))), -1);
    QCOMPARE(payloadsOf(camera(), 31).size(), 1);
    int refusals = 0;
    for (const SignalProbe::Emission &e : probe().emissions("validateEncrypt"))
        refusals += e.values.value(0).toInt() == -1 ? 1 : 0;
    QCOMPARE(refusals, 2);
}

void tst_MainManagerSetters::usbModeSwitchFollowsTheGeneration_data()
{
    QTest::addColumn<QByteArray>("profile");
    QTest::addColumn<quint32>("command");
    QTest::newRow("generation 2") << QByteArray(NamedProfiles::Gen2) << 26u;
    QTest::newRow("generation 3") << QByteArray(NamedProfiles::Gen3Classic) << 1002u;
}

void tst_MainManagerSetters::usbModeSwitchFollowsTheGeneration()
{
    QFETCH(QByteArray, profile);
    QFETCH(quint32, command);
    QVERIFY(start(profile.constData()));
    camera().clearReceived();

    QCOMPARE(manager()->ReqChangeUsbMode(), 0);
    QCOMPARE(payloadsOf(camera(), command).size(), 1);
    QCOMPARE(payloadsOf(camera(), command == 26 ? 1002 : 26).size(), 0);
    QVERIFY(probe().wait("switchUsbModel"));
    QCOMPARE(probe().last("switchUsbModel").values.value(0).toBool(), true);
}

void tst_MainManagerSetters::unchangedChineseJsonFormArrivesByteIdentical()
{
    QVERIFY(start());
    QByteArray stored;
    camera().edit([&](sim::camera::CameraBehaviour &b) {
        const std::string text = b.json().group(sim::camera::JsonTexts::Recording);
        stored = QByteArray(text.data(), int(text.size()));
    });
    QVERIFY(stored.contains(gbk(QStringLiteral("分辨率"))));

    manager()->ReqDevRecParamJson();
    QVERIFY(probe().wait("devGetRecParamJsonChanged"));
    const QByteArray form = probe().last("devGetRecParamJsonChanged").values.value(0).toByteArray();
    QVERIFY(form.contains(QStringLiteral("分辨率").toUtf8()));

    camera().clearReceived();
    QVERIFY(manager()->SetDevRecParamJson(form));
    QCOMPARE(lastPayload(71), stored);
    QVERIFY(probe().wait("reqSetDevRecParamJson"));
    QCOMPARE(probe().last("reqSetDevRecParamJson").values.value(0).toInt(), 0);
}

void tst_MainManagerSetters::uploadFromAWorkerWhileTheGuiThreadSaves()
{
    QVERIFY(start());
    manager()->ReqDevSystemParam();
    manager()->ReqDevExParamV3();
    QVERIFY(probe().wait("devSystemParamChanged"));
    QVERIFY(probe().wait("devExParamChangedV3"));

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    // A local path goes out in the file system's encoding, not the camera's.
    const QString path = dir.filePath(QStringLiteral("升级包.bin"));
    const QByteArray content = pattern(200 * 1024, 5);
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    // A plain thread, as the upload worker is one: its start is a hand-over
    // that ThreadSanitizer sees.
    MainManager *m = manager();
    bool uploaded = false;
    std::thread worker([&, m, size = content.size()] {
        uploaded = m->ReqUploadFileStart(QStringLiteral("firmware.bin"), quint32(size), 0)
                && m->ReqUploadFile(path) && m->ReqUploadFileStop();
    });
    // Each save is answered after the camera's pause, so a few dozen are enough.
    // (No early return while the worker runs.)
    int saves = 0;
    bool saved = true;
    for (; saves < 20; ++saves) {
        saved = m->SetDevSystemParam(1, quint32(saves), 1, 0, 1, 0) && saved;
        saved = m->SetDevExParamV3(1, 2, 3, 4, 5, 6, quint8(saves)) && saved;
        saved = m->SetDevTimPlateParam(true, 1, true, "tim", "1.2.3.4", saves, "/u", 10) && saved;
        QCoreApplication::processEvents();
    }
    worker.join();
    QVERIFY(saved);
    QVERIFY(uploaded);
    const auto received = camera().uploadedData();
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(received.data()), int(received.size())), content);
    QVERIFY(probe().wait("reqSetDevUpfileParam", 1, 20000));
    QCOMPARE(probe().emissions("reqSetDevUpfileParam").first().values.value(0).toInt(), 0);
    QCOMPARE(lastPayload(1006).at(68), char(saves - 1));
}

void tst_MainManagerSetters::savedSystemRecordIsWhatTheCameraHolds()
{
    QVERIFY(start());
    manager()->ReqDevSystemParam();
    QVERIFY(probe().wait("devSystemParamChanged"));
    const QByteArray before = probe().last("devSystemParamChanged").bytes();

    QVERIFY(manager()->SetDevSystemParam(0, 120000, 0, 1, 0, 1));
    QVERIFY(probe().wait("reqSetDevSystemParam"));
    QCOMPARE(probe().last("reqSetDevSystemParam").values.value(0).toInt(), 0);

    manager()->ReqDevSystemParam();
    QVERIFY(probe().wait("devSystemParamChanged", 2));
    const QByteArray after = probe().last("devSystemParamChanged").bytes();
    QCOMPARE(after.toHex(' '),
             QByteArray(Layout(28).at(0, before).u8(19, 0).u32(0, 120000).u8(16, 0).u8(20, 1).u8(18, 0).u8(23,
                                                                                                           1))
                     .toHex(' '));
    QVERIFY(after != before);
}

QTEST_MAIN(tst_MainManagerSetters)
#include "tst_MainManagerSetters.moc"
