// Every page built on the record-page pattern sends back exactly what the
// operator did not change: texts the page cannot show as they are (GBK in a
// field read byte for byte, more bytes than the edit holds), choices outside
// a list, a hidden box refilled while a request is out. One table per family
// of fields, each row a hostile record on the simulated camera.

#include "ApnParamWnd.h"
#include "EncryptParamWnd.h"
#include "FaceTdaConfigWnd.h"
#include "FtpConfigWnd.h"
#include "GroupTalkConfigWnd.h"
#include "LocalText.h"
#include "LumaroV3ConfigWnd.h"
#include "OSDSConfigWnd.h"
#include "PageFixture.h"
#include "ParamPage.h"
#include "PicParamWnd.h"
#include "Plat1400ConfigWnd.h"
#include "PlatCustomConfigWnd.h"
#include "PlateConfigWnd.h"
#include "SIPParamWnd.h"
#include "TarvioConfigWnd.h"
#include "TimPlateConfigWnd.h"
#include "VideoConfigWnd.h"
#include "WifiParamWnd.h"
#include "WifiStaticParamWnd.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QMap>
#include <QtEndian>
#include <QtTest>

namespace {

using Patches = QMap<int, QByteArray>; // offset -> bytes the camera holds there

enum Page {
    kPlat1400,
    kPlatCustom,
    kFace,
    kFtp,
    kQuensa,
    kTarvio,
    kLumaroV3,
    kGroupTalk,
    kWifi,
    kRecording,
    kApn,
    kGb28181,
    kRtmp,
    kOsd,
    kPhoto,
};

QWidget *open(PageFixture &fixture, Page page)
{
    switch (page) {
    case kPlat1400:
        return fixture.show<Plat1400ConfigWnd>();
    case kPlatCustom:
        return fixture.show<PlatCustomConfigWnd>();
    case kFace:
        return fixture.show<FaceTdaConfigWnd>();
    case kFtp:
        return fixture.show<FtpConfigWnd>();
    case kQuensa:
        return fixture.show<TarvioConfigWnd>();
    case kTarvio:
        return fixture.show<PlateConfigWnd>();
    case kLumaroV3:
        return fixture.show<LumaroV3ConfigWnd>(false);
    case kGroupTalk:
        return fixture.show<GroupTalkConfigWnd>();
    case kWifi:
        return fixture.show<WifiParamWnd>(false);
    case kRecording:
        return fixture.show<VideoConfigWnd>(false);
    case kApn:
        return fixture.show<ApnParamWnd>(false);
    case kGb28181:
        return fixture.show<SIPParamWnd>();
    case kRtmp:
        return fixture.show<TimPlateConfigWnd>(false);
    case kOsd:
        return fixture.show<OSDSConfigWnd>();
    case kPhoto:
        return fixture.show<PicParamWnd>();
    }
    return nullptr;
}

// Pages that ask the camera when their container says so.
bool refreshedOnRequest(Page page)
{
    return page == kLumaroV3 || page == kWifi || page == kRecording || page == kApn || page == kRtmp;
}

// The text's bytes in a field of width bytes, NUL-padded.
QByteArray field(const QByteArray &bytes, int width)
{
    return bytes.leftJustified(width, '\0', true);
}

QByteArray gbk(const char *utf8)
{
    return LocalText::encode(QString::fromUtf8(utf8));
}

QByteArray u8(quint8 value)
{
    return QByteArray(1, char(value));
}

QByteArray i32(qint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray u16(quint16 value)
{
    QByteArray bytes(2, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

// 张三 in GBK: shown byte for byte as "ÕÅÈý", which UTF-8 would grow.
const QByteArray kZhangSan = gbk("张三");

} // namespace

Q_DECLARE_METATYPE(Patches)
Q_DECLARE_METATYPE(Page)

class tst_UnchangedValues : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { m_fixture.reset(); }

    void unchangedTextsGoBackAsTheCameraSentThem_data();
    void unchangedTextsGoBackAsTheCameraSentThem() { savedUnchanged(); }
    void choicesOutsideTheirListsGoBackAsTheCameraSentThem_data();
    void choicesOutsideTheirListsGoBackAsTheCameraSentThem() { savedUnchanged(); }
    void aChangedTextIsWrittenAsItsSetterSays_data();
    void aChangedTextIsWrittenAsItsSetterSays();
    void theHiddenDnsModeSurvivesASaveRightAfterARefresh();
    void aClientSsidKeepsItsNulInsideTheField_data();
    void aClientSsidKeepsItsNulInsideTheField();
    void theEncodingPageReportsTheLatestSaveOnly();

private:
    void addColumns();
    void savedUnchanged();
    QWidget *openWith(const char *profile, Page page, const char *record, const Patches &patches);

    QScopedPointer<PageFixture> m_fixture;
};

void tst_UnchangedValues::addColumns()
{
    QTest::addColumn<QByteArray>("profile");
    QTest::addColumn<Page>("page");
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<Patches>("patches");
}

QWidget *tst_UnchangedValues::openWith(const char *profile, Page page, const char *record, const Patches &patches)
{
    m_fixture.reset(new PageFixture);
    m_fixture->loginTo(PageFixture::profile(profile));
    QByteArray stored = m_fixture->record(record);
    for (auto it = patches.cbegin(); it != patches.cend(); ++it)
        stored.replace(it.key(), it.value().size(), it.value());
    m_fixture->setRecord(record, stored);
    QWidget *widget = open(*m_fixture, page);
    if (widget && refreshedOnRequest(page)) {
        const int before = m_fixture->replies();
        static_cast<ParamPage *>(widget)->refreshParam();
        m_fixture->waitForReplies(1, before);
    }
    return widget;
}

void tst_UnchangedValues::savedUnchanged()
{
    QFETCH(QByteArray, profile);
    QFETCH(Page, page);
    QFETCH(QByteArray, record);
    QFETCH(Patches, patches);

    QWidget *widget = openWith(profile.constData(), page, record.constData(), patches);
    QVERIFY(widget);
    PageFixture::clickSave(widget);
    QTRY_COMPARE(m_fixture->toasts(widget), QStringList {"保存成功"});
    const QByteArray held = m_fixture->record(record.constData());
    for (auto it = patches.cbegin(); it != patches.cend(); ++it)
        QCOMPARE(held.mid(it.key(), it.value().size()).toHex(' '), it.value().toHex(' '));
}

void tst_UnchangedValues::unchangedTextsGoBackAsTheCameraSentThem_data()
{
    addColumns();
    const QByteArray long32(32, 'L');
    const QByteArray long64 = QByteArray(60, 'x') + "yzw!";
    for (const auto &platform : {std::make_pair(kPlat1400, "PLATFORM_1400_CFG_PARAM"),
                                 std::make_pair(kPlatCustom, "PLATFORM_CUSTOM_CFG_PARAM")}) {
        const QByteArray name = platform.first == kPlat1400 ? "GA/T 1400" : "custom";
        QTest::newRow(name + ": GBK user, full password")
                << QByteArray("J") << platform.first << QByteArray(platform.second)
                << Patches {{0, i32(0)}, {40, field(kZhangSan, 32)}, {72, long32}};
    }
    QTest::newRow("face: GBK and 64-byte storage addresses")
            << QByteArray("G3-12") << kFace << QByteArray("PLATFORM_FACE_CFG_PARAM")
            << Patches {{198, u8(1)}, {199, u8(0)}, {201, u8(0)}, {128, long64}, {64, field(kZhangSan, 64)}};
    QTest::newRow("FTP: GBK user, full password") << QByteArray("J") << kFtp << QByteArray("FTP_CFG_PARAM")
                                                   << Patches {{0, i32(0)}, {40, field(kZhangSan, 32)}, {72, long32}};
    QTest::newRow("Quensa: GBK and 64-byte ID, 64-byte name, full key")
            << QByteArray("J") << kQuensa << QByteArray("PLATFROM_TARVIO50_PARAM")
            << Patches {{4, field("10.1.2.3", 32)}, {260, u16(7001)},
                        {264, field(kZhangSan + QByteArray(36, 'i'), 64)}, {520, QByteArray(64, 'n')}, {584, long32}};
    QTest::newRow("Tarvio: GBK device ID") << QByteArray("G1") << kTarvio << QByteArray("PLATFORM_PARA_T")
                                           << Patches {{8, u16(80)}, {12, field(kZhangSan, 32)}};
    QTest::newRow("Lumaro V3: GBK code and key of 16 bytes")
            << QByteArray("G3-12") << kLumaroV3 << QByteArray("LUMARO_PARAM_V3_T")
            << Patches {{0, u8(0)}, {4, field(gbk("张三李四王五赵六"), 16)}, {132, field(kZhangSan + "Ab1!", 16)}};
    QTest::newRow("group talk: GBK user, hidden code of 31 bytes")
            << QByteArray("G3-12") << kGroupTalk << QByteArray("GROUP_TALK_PARA_T")
            << Patches {{0, u8(0)}, {4, field("", 32)}, {40, field(kZhangSan, 32)}, {136, field(long32.left(31), 32)}};
    QTest::newRow("OSD: a GBK line filling its 64 bytes") << QByteArray("G3-12") << kOsd << QByteArray("EXTRA_OSD")
                                                       << Patches {{0, i32(1)}, {4, kZhangSan.repeated(16)}};
    QTest::newRow("Wi-Fi generation 1: WepAsc key of 32 bytes")
            << QByteArray("G1") << kWifi << QByteArray("WIFI_PARA_T_V1_0")
            << Patches {{0, u8(0)}, {3, u8(1)}, {36, field(QByteArray(16, 'a').toHex().toUpper(), 64)}};
}

void tst_UnchangedValues::choicesOutsideTheirListsGoBackAsTheCameraSentThem_data()
{
    addColumns();
    QTest::newRow("recording: infrared, delayed, pre-record, segment")
            << QByteArray("G2") << kRecording << QByteArray("SYSTEM_PARA_T")
            << Patches {{22, u8(7)}, {8, i32(7000)}, {12, i32(7)}, {4, i32(9)}};
    QTest::newRow("group-talk mode") << QByteArray("G3-12") << kGroupTalk << QByteArray("GROUP_TALK_PARA_T")
                                     << Patches {{0, u8(9)}, {4, field("10.1.2.3", 32)}, {36, u16(5060)}};
    QTest::newRow("APN mode and authentication")
            << QByteArray("G3-Apn-2") << kApn << QByteArray("EACH_PPP_PARA_T")
            << Patches {{0, u8(0)}, {1, u8(9)}, {134, u8(9)}};
    // Every text the GB28181 page requires, and its two ports.
    Patches gb {{4, field("34020000002000000001", 32)}, {36, field("3402000000", 64)},
                {100, field("10.1.2.3", 32)},           {132, u16(5060)},
                {166, u16(5060)},                       {170, field("user", 32)},
                {202, field("secret", 32)},             {244, field("34020000001320000001", 32)},
                {276, field("34020000001320000002", 32)}, {308, field("34020000001340000001", 32)}};
    Patches stream0 = gb;
    stream0.insert(168, u8(0));
    stream0.insert(169, u8(9));
    stream0.insert(243, u8(9));
    QTest::newRow("GB28181 stream 0, talk mode, signalling")
            << QByteArray("G3-12") << kGb28181 << QByteArray("SIPUA_CONFIG_T") << stream0;
    Patches stream3 = gb;
    stream3.insert(168, u8(3));
    QTest::newRow("GB28181 stream 3") << QByteArray("G3-12") << kGb28181 << QByteArray("SIPUA_CONFIG_T") << stream3;
    QTest::newRow("photo size") << QByteArray("G3-12") << kPhoto << QByteArray("PIC_PARAM") << Patches {{0, u8(9)}};
    QTest::newRow("RTMP protocol") << QByteArray("J") << kRtmp << QByteArray("TIM_PARAM_T")
                                   << Patches {{1, u8(0)}, {2, u8(9)}, {68, field("10.1.2.3", 16)}, {84, i32(1935)}};
}

void tst_UnchangedValues::aChangedTextIsWrittenAsItsSetterSays_data()
{
    QTest::addColumn<QByteArray>("profile");
    QTest::addColumn<Page>("page");
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<Patches>("patches");
    QTest::addColumn<QByteArray>("edit");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("expected"); // the whole field
    // The camera holds the same text in the page's display encoding: only
    // the operator's typing makes it the setter's.
    const QByteArray shown = field("\xD5\xC5", 8);
    const QString zhangSan = QString::fromUtf8("张三");
    QTest::newRow("GA/T 1400 user in UTF-8")
            << QByteArray("J") << kPlat1400 << QByteArray("PLATFORM_1400_CFG_PARAM")
            << Patches {{0, i32(0)}, {40, shown}} << QByteArray("mqip_edit") << 40 << field(zhangSan.toUtf8(), 32);
    QTest::newRow("Quensa name in GBK")
            << QByteArray("J") << kQuensa << QByteArray("PLATFROM_TARVIO50_PARAM")
            << Patches {{4, field("10.1.2.3", 32)}, {260, u16(7001)}, {264, field("id", 64)}, {584, field("k", 32)},
                        {520, shown}}
            << QByteArray("name_edit") << 520 << field(kZhangSan, 64);
}

void tst_UnchangedValues::aChangedTextIsWrittenAsItsSetterSays()
{
    QFETCH(QByteArray, profile);
    QFETCH(Page, page);
    QFETCH(QByteArray, record);
    QFETCH(Patches, patches);
    QFETCH(QByteArray, edit);
    QFETCH(int, offset);
    QFETCH(QByteArray, expected);

    QWidget *widget = openWith(profile.constData(), page, record.constData(), patches);
    auto *line = widget->findChild<QLineEdit *>(QString::fromLatin1(edit));
    QVERIFY(line);
    line->setText(QString::fromUtf8("张三"));
    PageFixture::clickSave(widget);
    QTRY_COMPARE(m_fixture->toasts(widget), QStringList {"保存成功"});
    QCOMPARE(m_fixture->record(record.constData()).mid(offset, expected.size()).toHex(' '), expected.toHex(' '));
}

void tst_UnchangedValues::theHiddenDnsModeSurvivesASaveRightAfterARefresh()
{
    m_fixture.reset(new PageFixture);
    m_fixture->loginTo(PageFixture::profile("G3-12"));
    QByteArray stored = m_fixture->record("WIFI_PARA_STATIC_T");
    stored.replace(20, 4, i32(1));
    m_fixture->setRecord("WIFI_PARA_STATIC_T", stored);
    auto *page = m_fixture->show<WifiStaticParamWnd>();
    QCOMPARE(page->findChild<QComboBox *>("autoDnsMode")->currentIndex(), 1);

    // The refresh is never answered: the box still holds the camera's mode.
    m_fixture->silence(45);
    page->refreshParam();
    QCOMPARE(page->findChild<QComboBox *>("autoDnsMode")->currentIndex(), 1);
    QTest::mouseClick(page->findChild<QPushButton *>("saveBtn"), Qt::LeftButton);
    QTRY_COMPARE(m_fixture->toasts(page), QStringList {"保存成功"});
    QCOMPARE(m_fixture->record("WIFI_PARA_STATIC_T").mid(20, 4), i32(1));
}

void tst_UnchangedValues::aClientSsidKeepsItsNulInsideTheField_data()
{
    QTest::addColumn<QByteArray>("profile");
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QString>("ssid");
    QTest::addColumn<QByteArray>("expected");
    // 中 is three UTF-8 bytes: ten of them and "ab" make 32 bytes.
    const QString ten(10, QChar(0x4E2D));
    for (const auto &generation : {std::make_tuple("G1", "WIFI_PARA_T_V1_0", 4),
                                   std::make_tuple("G2", "WIFI_PARA_V2_T", 100)}) {
        const QByteArray name = std::get<0>(generation);
        QTest::newRow(name + ": 32 bytes keep 31")
                << name << QByteArray(std::get<1>(generation)) << std::get<2>(generation) << ten + "ab"
                << field((ten + "a").toUtf8(), 32);
        QTest::newRow(name + ": 33 bytes cut before a character")
                << name << QByteArray(std::get<1>(generation)) << std::get<2>(generation) << ten + QChar(0x4E2D)
                << field(ten.toUtf8(), 32);
    }
}

void tst_UnchangedValues::aClientSsidKeepsItsNulInsideTheField()
{
    QFETCH(QByteArray, profile);
    QFETCH(QByteArray, record);
    QFETCH(int, offset);
    QFETCH(QString, ssid);
    QFETCH(QByteArray, expected);

    QWidget *widget = openWith(profile.constData(), kWifi, record.constData(), {});
    widget->findChild<QCheckBox *>("wifi_enable")->setChecked(false);
    widget->findChild<QLineEdit *>("wifi_ssid_edit")->setText(ssid);
    PageFixture::clickSave(widget);
    QTRY_COMPARE(m_fixture->toasts(widget), QStringList {"保存成功"});
    QCOMPARE(m_fixture->record(record.constData()).mid(offset, 32).toHex(' '), expected.toHex(' '));
}

void tst_UnchangedValues::theEncodingPageReportsTheLatestSaveOnly()
{
    m_fixture.reset(new PageFixture);
    m_fixture->loginTo(PageFixture::profile("G2"));
    auto *page = m_fixture->show<EncryptParamWnd>(false);
    page->refreshParam();
    QTRY_VERIFY(m_fixture->replies() >= 2);
    PageFixture::clickSave(page);
    m_fixture->setResult(4, 1);
    m_fixture->setResult(5, 1);
    PageFixture::clickSave(page);
    QTRY_COMPARE(m_fixture->toasts(page), QStringList {"保存失败"});
    // The answers of the first save stay unreported however long one waits.
    QTest::qWait(200);
    QCOMPARE(m_fixture->toasts(page), QStringList {"保存失败"});
}

QTEST_MAIN(tst_UnchangedValues)
#include "tst_UnchangedValues.moc"
