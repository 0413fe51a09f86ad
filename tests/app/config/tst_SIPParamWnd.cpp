// The GB28181 page: the whole record through the simulated camera, the order
// of its checks, the stream row the camera offers, the heartbeat pairs and
// the log line of a save.

#include "LogCapture.h"
#include "PageFixture.h"
#include "SIPParamWnd.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QtEndian>
#include <QtTest>

using sim::camera::CameraProfile;

namespace {

constexpr quint32 kGetSip = 300;
constexpr quint32 kSetSip = 301;
constexpr int kSize = 340;

const char *const kFrames[] = {"serverid_point_frame", "serverdomain_point_frame", "serverip_point_frame",
                               "port_point_frame1",    "localip_point_frame",      "port_point_frame2",
                               "username_point_frame", "key_point_frame",          "devid_point_frame",
                               "vedioid_point_frame",  "clarmid_point_frame"};

// Distinct texts that fill their fields to the last byte.
const QByteArray kServerId = "34020000002000000001ABCDEFGHIJKL";
const QByteArray kDomain = "3402000000.gb28181.example.org--" + QByteArray("0123456789abcdefghijklmnopqrstuv");
const QByteArray kUser = "operator.user-name+0123456789ABC";
const QByteArray kPassword = "p@ss~word!#$%&*[]0123456789abcde";
const QByteArray kDevId = "34020000001320000001DEVICEIDXYZ.";
const QByteArray kVideoId = "34020000001310000001VIDEOCHANNEL";
const QByteArray kAlarmId = "34020000001340000001ALARMCHANNEL";

struct Sip
{
    qint32 registering = 1;
    QByteArray registrarIp = "192.168.100.200";
    quint16 registrarPort = 5060;
    QByteArray localIp = "10.1.2.3";
    quint16 localPort = 5061;
    quint8 stream = 2;
    quint8 talk = 1;
    qint32 expires = 3600;
    quint8 heartbeat = 60;
    quint8 timeouts = 3;
    quint8 transport = 1;
    quint8 reserved = 0;

    QByteArray bytes() const
    {
        QByteArray record(kSize, '\0');
        const auto put = [&record](int offset, const QByteArray &text) { record.replace(offset, text.size(), text); };
        qToLittleEndian(registering, record.data());
        put(4, kServerId);
        put(36, kDomain);
        put(100, registrarIp);
        qToLittleEndian(registrarPort, record.data() + 132);
        put(134, localIp);
        qToLittleEndian(localPort, record.data() + 166);
        record[168] = char(stream);
        record[169] = char(talk);
        put(170, kUser);
        put(202, kPassword);
        record[234] = record[235] = record[240] = char(reserved);
        qToLittleEndian(expires, record.data() + 236);
        record[241] = char(heartbeat);
        record[242] = char(timeouts);
        record[243] = char(transport);
        put(244, kDevId);
        put(276, kVideoId);
        put(308, kAlarmId);
        return record;
    }
};

QStringList visibleFrames(QWidget *page)
{
    QStringList shown;
    for (const char *name : kFrames)
        if (page->findChild<QFrame *>(name)->isVisible())
            shown << name;
    return shown;
}

} // namespace

Q_DECLARE_METATYPE(Sip)

class tst_SIPParamWnd : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_fixture.reset(new PageFixture); }
    void cleanup() { m_fixture.reset(); }

    void aSaveWithoutEditsSendsTheRecordBack_data();
    void aSaveWithoutEditsSendsTheRecordBack();
    void emptyFieldsAndTheAddressShowTogetherThenOnePortAtATime_data();
    void emptyFieldsAndTheAddressShowTogetherThenOnePortAtATime();
    void theCameraOffersTheStreamRowWithAPlainOne_data();
    void theCameraOffersTheStreamRowWithAPlainOne();
    void typingKeepsOnlyWhatTheFieldsRuleTakes_data();
    void typingKeepsOnlyWhatTheFieldsRuleTakes();
    void theHintNamesTheTarvioTabOnlyWhenACameraOffersIt_data();
    void theHintNamesTheTarvioTabOnlyWhenACameraOffersIt();
    void slidersAndSpinBoxesFollowEachOther();
    void aClearedRegisterBoxGreysTheFieldsButTheLocalIpStaysGreyed();
    void theSaveLogsTheRecordButNotThePassword();
    void theCameraAnswerDecidesTheToast_data();
    void theCameraAnswerDecidesTheToast();
    void aRefusedRequestShowsOneFailure();

private:
    SIPParamWnd *showPage(const Sip &stored, const char *profileName = "J")
    {
        m_fixture->loginTo(PageFixture::profile(profileName));
        m_fixture->setRecord("SIPUA_CONFIG_T", stored.bytes());
        return m_fixture->show<SIPParamWnd>();
    }
    void save(QWidget *page) { PageFixture::clickSave(page); }

    QScopedPointer<PageFixture> m_fixture;
};

void tst_SIPParamWnd::aSaveWithoutEditsSendsTheRecordBack_data()
{
    QTest::addColumn<Sip>("stored");
    QTest::addColumn<Sip>("expected");

    Sip plain;
    QTest::newRow("every field, texts at full width") << plain << plain;
    Sip noisy;
    noisy.registering = 7;
    noisy.reserved = 0xA5;
    Sip cleaned;
    QTest::newRow("register flag to 1, reserved bytes zero") << noisy << cleaned;
    Sip off;
    off.registering = 0;
    QTest::newRow("not registering") << off << off;
    Sip zeros;
    zeros.expires = 0;
    zeros.heartbeat = 0;
    zeros.timeouts = 0;
    Sip clamped;
    clamped.expires = 1;
    clamped.heartbeat = 1;
    clamped.timeouts = 1;
    QTest::newRow("expiry and heartbeats clamp to 1") << zeros << clamped;
    Sip big;
    big.expires = 70000;
    Sip bigClamped;
    bigClamped.expires = 65535;
    QTest::newRow("expiry clamps to 65535") << big << bigClamped;
    for (quint8 stream : {0, 3}) {
        Sip outside;
        outside.stream = stream;
        QTest::addRow("stream %d outside the list goes back as it came", stream) << outside << outside;
    }
    Sip main;
    main.stream = 1;
    main.talk = 0;
    main.transport = 0;
    QTest::newRow("main stream, talk auto, UDP") << main << main;
    Sip lists;
    lists.talk = 3;
    lists.transport = 2;
    QTest::newRow("talk and signalling outside the list go back as they came") << lists << lists;
}

void tst_SIPParamWnd::aSaveWithoutEditsSendsTheRecordBack()
{
    QFETCH(Sip, stored);
    QFETCH(Sip, expected);

    auto *page = showPage(stored);
    QCOMPARE(page->findChild<QLineEdit *>("localip")->isVisibleTo(page), false);
    QCOMPARE(page->findChild<QLineEdit *>("serverID_edit")->text(), QString::fromLatin1(kServerId));
    QCOMPARE(page->findChild<QLineEdit *>("serverDomain_edit")->text(), QString::fromLatin1(kDomain));
    save(page);
    QTRY_COMPARE(m_fixture->toasts(page), QStringList {"保存成功"});
    QCOMPARE(m_fixture->sent(kSetSip), expected.bytes());
    QCOMPARE(m_fixture->record("SIPUA_CONFIG_T"), expected.bytes());
}

void tst_SIPParamWnd::emptyFieldsAndTheAddressShowTogetherThenOnePortAtATime_data()
{
    QTest::addColumn<bool>("registering");
    QTest::addColumn<QVariantMap>("edits");
    QTest::addColumn<QStringList>("frames");

    QTest::newRow("empty fields and a bad address together, no port frame")
            << true
            << QVariantMap {{"serverID_edit", ""}, {"password", ""}, {"alarmchannel", ""},
                            {"registerserver_edit", "192.168.1.300"}, {"registerport_edit", "0"},
                            {"localport", ""}}
            << QStringList {"serverid_point_frame", "serverip_point_frame", "key_point_frame",
                            "clarmid_point_frame"};
    QTest::newRow("every empty field")
            << true
            << QVariantMap {{"serverID_edit", ""}, {"serverDomain_edit", ""}, {"username", ""}, {"deviceid", ""},
                            {"password", ""}, {"videochannel", ""}, {"alarmchannel", ""}}
            << QStringList {"serverid_point_frame", "serverdomain_point_frame", "username_point_frame",
                            "key_point_frame", "devid_point_frame", "vedioid_point_frame", "clarmid_point_frame"};
    QTest::newRow("a blank is not empty") << true << QVariantMap {{"serverID_edit", " "}} << QStringList {};
    QTest::newRow("registrar port 0 alone, before the local port")
            << true << QVariantMap {{"registerport_edit", "0"}, {"localport", "0"}}
            << QStringList {"port_point_frame1"};
    QTest::newRow("registrar port 65536") << true << QVariantMap {{"registerport_edit", "65536"}}
                                          << QStringList {"port_point_frame1"};
    QTest::newRow("empty local port") << true << QVariantMap {{"localport", ""}} << QStringList {"port_point_frame2"};
    QTest::newRow("00080 is port 80") << true << QVariantMap {{"registerport_edit", "00080"}} << QStringList {};
    QTest::newRow("a bad local IP is not checked") << true << QVariantMap {{"localip", "not an address"}}
                                                   << QStringList {};
    QTest::newRow("greyed fields are still checked")
            << false << QVariantMap {{"serverID_edit", ""}, {"registerserver_edit", ""}}
            << QStringList {"serverid_point_frame", "serverip_point_frame"};
}

void tst_SIPParamWnd::emptyFieldsAndTheAddressShowTogetherThenOnePortAtATime()
{
    QFETCH(bool, registering);
    QFETCH(QVariantMap, edits);
    QFETCH(QStringList, frames);

    Sip stored;
    stored.registering = registering ? 1 : 0;
    auto *page = showPage(stored);
    for (auto edit = edits.cbegin(); edit != edits.cend(); ++edit)
        page->findChild<QLineEdit *>(edit.key())->setText(edit.value().toString());
    save(page);

    QCOMPARE(visibleFrames(page), frames);
    for (const QString &frame : frames) {
        const QString expected = frame.startsWith("port") ? "端口号的范围是1~65535"
                                 : frame == "serverip_point_frame" ? "非法的IP"
                                                                    : "不能为空";
        QCOMPARE(page->findChild<QFrame *>(frame)->findChildren<QLabel *>().last()->text(), expected);
    }
    if (frames.isEmpty()) {
        QTRY_COMPARE(m_fixture->toasts(page), QStringList {"保存成功"});
        if (edits.contains("registerport_edit"))
            QCOMPARE(qFromLittleEndian<quint16>(m_fixture->sent(kSetSip).constData() + 132), quint16(80));
    } else {
        QTest::qWait(50);
        QCOMPARE(m_fixture->requestCount(kSetSip), 0);
        QCOMPARE(m_fixture->toasts(page), QStringList());
    }
}

void tst_SIPParamWnd::theCameraOffersTheStreamRowWithAPlainOne_data()
{
    QTest::addColumn<bool>("json");
    QTest::addColumn<int>("offer");
    QTest::addColumn<bool>("shown");

    QTest::newRow("JSON gbStreamIdx 1") << true << 1 << true;
    QTest::newRow("JSON gbStreamIdx 2") << true << 2 << false;
    QTest::newRow("JSON gbStreamIdx 0") << true << 0 << false;
    QTest::newRow("byte 313 is 1") << false << 1 << true;
    QTest::newRow("byte 313 is 2") << false << 2 << false;
}

void tst_SIPParamWnd::theCameraOffersTheStreamRowWithAPlainOne()
{
    QFETCH(bool, json);
    QFETCH(int, offer);
    QFETCH(bool, shown);

    CameraProfile profile = PageFixture::profile(json ? "J" : "G3-12");
    if (json)
        profile.abilityOverrides["gbStreamIdx"] = offer;
    else
        profile.deviceCodeOverrides[313] = std::uint8_t(offer);
    m_fixture->loginTo(profile);
    Sip stored;
    stored.stream = 2;
    m_fixture->setRecord("SIPUA_CONFIG_T", stored.bytes());
    auto *page = m_fixture->show<SIPParamWnd>();

    auto *streams = page->findChild<QComboBox *>("comboBox");
    QCOMPARE(streams->isVisible(), shown);
    QCOMPARE(page->findChild<QLabel *>("label_2")->isVisible(), shown);
    QCOMPARE(streams->currentText(), QString("子码流"));
    save(page);
    QTRY_COMPARE(m_fixture->toasts(page), QStringList {"保存成功"});
    QCOMPARE(m_fixture->sent(kSetSip).at(168), char(2));
}

void tst_SIPParamWnd::typingKeepsOnlyWhatTheFieldsRuleTakes_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");

    QTest::newRow("IDs: the range *-. admits + and , but no / or ^")
            << "serverID_edit" << "a/b^c+d,e-f.g*h[i]~!@#$%&" << "abc+d,e-f.g*h[i]~!@#$%&";
    QTest::newRow("password: the same rule, no blank") << "password" << "pa ss_word" << "password";
    QTest::newRow("port: digits") << "registerport_edit" << "5a06b0" << "5060";
    QTest::newRow("registrar: an address in the making") << "registerserver_edit" << "192.168.1.10x" << "192.168.1.10";
    QTest::newRow("registrar: no part above 255") << "registerserver_edit" << "300" << "30";
}

void tst_SIPParamWnd::typingKeepsOnlyWhatTheFieldsRuleTakes()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, kept);

    auto *page = showPage(Sip());
    auto *edit = page->findChild<QLineEdit *>(field);
    edit->clear();
    QTest::keyClicks(edit, typed);
    QCOMPARE(edit->text(), kept);
}

void tst_SIPParamWnd::theHintNamesTheTarvioTabOnlyWhenACameraOffersIt_data()
{
    QTest::addColumn<CameraProfile>("profile");
    QTest::addColumn<QString>("hint");

    const QString full = "TARVIO、QUENSA、国标 、Lumaro同时只可启用一个平台";
    const QString shorter = "QUENSA、国标 、Lumaro同时只可启用一个平台";
    QTest::newRow("JSON camera with both") << PageFixture::profile("J") << full;
    CameraProfile noTarvio = PageFixture::profile("J");
    noTarvio.abilityOverrides["supportTarvioV20"] = 0;
    QTest::newRow("JSON camera with Quensa only") << noTarvio << full;
    CameraProfile neither = noTarvio;
    neither.abilityOverrides["supportTarvioV50"] = 0;
    QTest::newRow("JSON camera with neither") << neither << shorter;
    CameraProfile noNetwork = PageFixture::profile("J");
    noNetwork.abilityOverrides["supportWifi"] = 0;
    noNetwork.abilityOverrides["support4G"] = 0;
    noNetwork.abilityOverrides["supportTarvioV50"] = 0;
    QTest::newRow("JSON camera with Tarvio but no network") << noNetwork << shorter;
    QTest::newRow("classic camera with a network") << PageFixture::profile("G3-12") << full;
    CameraProfile classic = PageFixture::profile("G3-12");
    classic.deviceCodeOverrides[264] = 0;
    classic.deviceCodeOverrides[265] = 0;
    classic.deviceCodeOverrides[286] = 0;
    QTest::newRow("classic camera without network or Quensa") << classic << shorter;
}

void tst_SIPParamWnd::theHintNamesTheTarvioTabOnlyWhenACameraOffersIt()
{
    QFETCH(CameraProfile, profile);
    QFETCH(QString, hint);
    m_fixture->loginTo(profile);
    auto *page = m_fixture->show<SIPParamWnd>();
    QCOMPARE(page->findChild<QLabel *>("lblTips")->text(), hint);
}

void tst_SIPParamWnd::slidersAndSpinBoxesFollowEachOther()
{
    auto *page = showPage(Sip());
    auto *heartbeat = page->findChild<QSpinBox *>("heartbeat");
    auto *heartbeatSlider = page->findChild<QSlider *>("heartbeatSlider");
    auto *timeouts = page->findChild<QSpinBox *>("maxheartrate");
    auto *timeoutsSlider = page->findChild<QSlider *>("maxheartrateSlider");
    QCOMPARE(heartbeatSlider->value(), 60);
    QCOMPARE(timeoutsSlider->value(), 3);

    heartbeatSlider->setValue(200);
    QCOMPARE(heartbeat->value(), 200);
    timeouts->setValue(17);
    QCOMPARE(timeoutsSlider->value(), 17);
    timeoutsSlider->setValue(255);
    heartbeat->setValue(42);
    QCOMPARE(heartbeatSlider->value(), 42);

    save(page);
    QTRY_COMPARE(m_fixture->toasts(page), QStringList {"保存成功"});
    QCOMPARE(quint8(m_fixture->sent(kSetSip).at(241)), quint8(42));
    QCOMPARE(quint8(m_fixture->sent(kSetSip).at(242)), quint8(255));
}

void tst_SIPParamWnd::aClearedRegisterBoxGreysTheFieldsButTheLocalIpStaysGreyed()
{
    Sip off;
    off.registering = 0;
    auto *page = showPage(off);
    auto *box = page->findChild<QCheckBox *>("enable_box");
    QVERIFY(!box->isChecked());
    QVERIFY(!page->findChild<QLineEdit *>("serverID_edit")->isEnabled());
    QVERIFY(!page->findChild<QSlider *>("maxheartrateSlider")->isEnabled());
    QVERIFY(!page->findChild<QComboBox *>("comboBox_3")->isEnabled());
    QVERIFY(box->isEnabled());

    box->setChecked(true);
    QVERIFY(page->findChild<QLineEdit *>("serverID_edit")->isEnabled());
    QVERIFY(page->findChild<QComboBox *>("comboBox_3")->isEnabled());
    QVERIFY(!page->findChild<QLineEdit *>("localip")->isEnabled());
}

void tst_SIPParamWnd::theSaveLogsTheRecordButNotThePassword()
{
    LogCapture capture;
    QVERIFY(capture.started());

    auto *page = showPage(Sip());
    save(page);
    QTRY_COMPARE(m_fixture->toasts(page), QStringList {"保存成功"});
    const QByteArray log = capture.finish();
    const QByteArray line = "\t<SIPParamWnd::onSaveBtnClicked>,SIPUA_CONFIG_T  dev_id = " + kDevId
                            + ",video_id = " + kVideoId + ",alarm_id = " + kAlarmId
                            + ",b_register = 1,server_id = " + kServerId + ",server_domain = " + kDomain
                            + ",registrar_ip=192.168.100.200;registrar_port = 5060,szlocalip = 10.1.2.3,"
                              "szlocalport = 5061,\n";
    QVERIFY2(log.contains(line), log.constData());
    QVERIFY(!log.contains(kPassword));
}

void tst_SIPParamWnd::theCameraAnswerDecidesTheToast_data()
{
    PageFixture::addVerdictRows();
}

void tst_SIPParamWnd::theCameraAnswerDecidesTheToast()
{
    QFETCH(int, result);
    QFETCH(QString, toast);
    auto *page = showPage(Sip());
    m_fixture->setResult(kSetSip, result);
    save(page);
    QTRY_COMPARE(m_fixture->toasts(page), QStringList {toast});
}

void tst_SIPParamWnd::aRefusedRequestShowsOneFailure()
{
    auto *page = showPage(Sip());
    QCOMPARE(m_fixture->requestCount(kGetSip), 1);
    m_fixture->failNextWrite();
    save(page);
    QTest::qWait(50);
    QCOMPARE(m_fixture->toasts(page), QStringList {"保存失败"});
}

QTEST_MAIN(tst_SIPParamWnd)
#include "tst_SIPParamWnd.moc"
