// The Wi-Fi page: rows per camera, both record generations through the
// simulated camera, the save's checks and the hex form of WepAsc keys.

#include "PageFixture.h"
#include "WifiParamWnd.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using sim::camera::CameraProfile;

namespace {

constexpr quint32 kSetWifiV1 = 6;
constexpr quint32 kSetWifiV2 = 51;
constexpr std::size_t kApByte = 279;
constexpr std::size_t kExclusiveByte = 335;

CameraProfile withHotspot(const char *name = "G3-12")
{
    CameraProfile profile = PageFixture::profile(name);
    profile.deviceCodeOverrides[kApByte] = 1;
    return profile;
}

void putText(QByteArray &record, int offset, const QByteArray &text)
{
    record.replace(offset, text.size(), text);
}

QByteArray v2Record(quint8 enable, quint8 mode, quint8 custom, const QByteArray &apSsid, const QByteArray &apKey,
                    const QByteArray &ssid, const QByteArray &key)
{
    QByteArray record(1156, '\0');
    record[0] = char(enable);
    record[1] = char(mode);
    record[2] = char(custom);
    putText(record, 4, apSsid);
    putText(record, 36, apKey);
    putText(record, 100, ssid);
    putText(record, 132, key);
    return record;
}

QByteArray v1Record(quint8 enable, quint8 webAsc, const QByteArray &ssid, const QByteArray &key)
{
    QByteArray record(100, '\0');
    record[0] = char(enable);
    record[3] = char(webAsc);
    putText(record, 4, ssid);
    putText(record, 36, key);
    return record;
}

} // namespace

class tst_WifiParamWnd : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_fixture.reset(new PageFixture); }
    void cleanup() { m_fixture.reset(); }

    void hexFormRoundTrips_data();
    void hexFormRoundTrips();
    void rowsFollowTheCamera_data();
    void rowsFollowTheCamera();
    void aSaveWithoutEditsSendsTheRecordBack_data();
    void aSaveWithoutEditsSendsTheRecordBack();
    void wepAscKeysTravelAsHexText();
    void failedChecksShowTheirHintAndSendNothing_data();
    void failedChecksShowTheirHintAndSendNothing();
    void anEmptyHotspotSsidDoesNotBlockSavesOnceTheHotspotIsOff();
    void aHiddenHotspotNeverBlocksTheClient();
    void resultsReachTheToast_data();
    void resultsReachTheToast();
    void aRefusedWriteShowsOneFailure();
    void aV1ReplyChangesNothingOnALaterGeneration();

private:
    template<typename T>
    T *child(QWidget *page, const char *name)
    {
        return page->findChild<T *>(name);
    }
    QScopedPointer<PageFixture> m_fixture;
};

void tst_WifiParamWnd::hexFormRoundTrips_data()
{
    QTest::addColumn<QString>("hex");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("encodes");

    QTest::newRow("abc") << "616263" << "abc" << true;
    QTest::newRow("lower-case digits") << "6a6B" << "jk" << false;
    QTest::newRow("odd length") << "61626" << "" << false;
    QTest::newRow("letters past F count on") << "61G2" << QString()
                                             << false;
    QTest::newRow("other character") << "61-2" << "" << false;
    QTest::newRow("a zero byte stops") << "610062" << "a" << false;
    QTest::newRow("Chinese") << "E4B8AD" << QString::fromUtf8("中") << true;
    QTest::newRow("empty") << "" << "" << true;
}

void tst_WifiParamWnd::hexFormRoundTrips()
{
    QFETCH(QString, hex);
    QFETCH(QString, text);
    QFETCH(bool, encodes);
    if (QByteArray(QTest::currentDataTag()) == "letters past F count on") {
        // G is 16: 16 * 16 + 2 kept to 8 bits is 2.
        QCOMPARE(hexDecode(hex).toUtf8(), QByteArray("a\x02"));
        return;
    }
    QCOMPARE(hexDecode(hex), text);
    if (encodes)
        QCOMPARE(hexEncode(text), hex);
}

void tst_WifiParamWnd::rowsFollowTheCamera_data()
{
    QTest::addColumn<CameraProfile>("profile");
    QTest::addColumn<bool>("wifiRows");
    QTest::addColumn<bool>("webAsc");
    QTest::addColumn<bool>("hotspot");
    QTest::addColumn<bool>("hint");

    QTest::newRow("generation 1") << PageFixture::profile("G1") << true << true << false << false;
    CameraProfile g2 = withHotspot("G2");
    g2.deviceCodeOverrides[kExclusiveByte] = 1;
    QTest::newRow("generation 2 ignores its bytes") << g2 << true << false << false << false;
    CameraProfile noAp = PageFixture::profile("G3-12");
    noAp.deviceCodeOverrides[kApByte] = 0;
    QTest::newRow("generation 3 without hotspot") << noAp << true << false << false << false;
    CameraProfile g3 = withHotspot();
    g3.deviceCodeOverrides[kExclusiveByte] = 1;
    QTest::newRow("generation 3 with hotspot and hint") << g3 << true << false << true << true;
    QTest::newRow("generation 3 model type 1") << withHotspot("G3-1") << true << false << false << false;
    CameraProfile noWifi = withHotspot();
    noWifi.deviceCodeOverrides[265] = 0;
    QTest::newRow("generation 3 without Wi-Fi") << noWifi << false << false << false << false;
    QTest::newRow("JSON") << PageFixture::profile("J") << true << false << true << true;
    CameraProfile jsonNoAp = PageFixture::profile("J");
    jsonNoAp.abilityOverrides["supportAp"] = 0;
    jsonNoAp.abilityOverrides["wifiAndDialMutualExclusion"] = 2;
    QTest::newRow("JSON without hotspot") << jsonNoAp << true << false << false << false;
}

void tst_WifiParamWnd::rowsFollowTheCamera()
{
    QFETCH(CameraProfile, profile);
    QFETCH(bool, wifiRows);
    QFETCH(bool, webAsc);
    QFETCH(bool, hotspot);
    QFETCH(bool, hint);

    m_fixture->loginTo(profile);
    auto *page = m_fixture->show<WifiParamWnd>(false);
    page->refreshParam();
    QVERIFY(m_fixture->waitForReplies(1));
    for (const char *name : {"label", "wifi_enable", "wifi_ssid_edit", "wifi_secertKey_edit"})
        QCOMPARE(child<QWidget>(page, name)->isVisibleTo(page), wifiRows);
    QCOMPARE(child<QWidget>(page, "webAsc_enable")->isVisibleTo(page), webAsc);
    for (const char *name : {"label_13", "ap_enable", "ap_SSID_enable", "AP_ssid_edit", "AP_secertKey_edit"})
        QCOMPARE(child<QWidget>(page, name)->isVisibleTo(page), hotspot);
    QCOMPARE(child<QWidget>(page, "label_tip")->isVisibleTo(page), hint);
    QVERIFY(child<QWidget>(page, "save_btn")->isVisibleTo(page));
}

void tst_WifiParamWnd::aSaveWithoutEditsSendsTheRecordBack_data()
{
    QTest::addColumn<CameraProfile>("profile");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("client") << withHotspot()
                            << v2Record(7, 1, 9, "hot-ssid", "hotkey12", "home-net", "clientkey")
                            << v2Record(1, 1, 1, "hot-ssid", "hotkey12", "home-net", "clientkey");
    QTest::newRow("hotspot on the default SSID")
            << withHotspot() << v2Record(1, 0, 0, "hot-ssid", "hotkey12", "home-net", "clientkey")
            << v2Record(1, 0, 0, "hot-ssid", "hotkey12", "home-net", "clientkey");
    QByteArray reserved = v2Record(0, 0, 1, "ap", "", "net", "");
    reserved[3] = 5;
    reserved[500] = 7;
    QTest::newRow("both off, reserved bytes") << withHotspot() << reserved << v2Record(0, 1, 1, "ap", "", "net", "");
    QByteArray afterNul = v2Record(1, 1, 1, "ap", "", "net", "");
    afterNul[104] = 'x';
    afterNul[100 + 4] = 'x';
    putText(afterNul, 100, QByteArray("net\0zz", 6));
    QTest::newRow("bytes after a text's NUL") << withHotspot() << afterNul << v2Record(1, 1, 1, "ap", "", "net", "");
    QTest::newRow("generation 2 sends the hidden hotspot back")
            << PageFixture::profile("G2") << v2Record(1, 0, 1, "hot", "hotkey12", "cli", "")
            << v2Record(1, 0, 1, "hot", "hotkey12", "cli", "");
}

void tst_WifiParamWnd::aSaveWithoutEditsSendsTheRecordBack()
{
    QFETCH(CameraProfile, profile);
    QFETCH(QByteArray, stored);
    QFETCH(QByteArray, expected);

    m_fixture->loginTo(profile);
    m_fixture->setRecord("WIFI_PARA_V2_T", stored);
    auto *page = m_fixture->show<WifiParamWnd>(false);
    page->refreshParam();
    QVERIFY(m_fixture->waitForReplies(1));
    QTest::mouseClick(child<QPushButton>(page, "save_btn"), Qt::LeftButton);
    QTRY_COMPARE(m_fixture->toasts(page), QStringList {"保存成功"});
    QCOMPARE(m_fixture->sent(kSetWifiV2), expected);
    QCOMPARE(m_fixture->record("WIFI_PARA_V2_T"), expected);
}

void tst_WifiParamWnd::wepAscKeysTravelAsHexText()
{
    m_fixture->loginTo(PageFixture::profile("G1"));
    QByteArray stored = v1Record(3, 1, "old-net", "6B6579313233343536");
    stored[1] = 4;
    m_fixture->setRecord("WIFI_PARA_T_V1_0", stored);
    auto *page = m_fixture->show<WifiParamWnd>(false);
    page->refreshParam();
    QVERIFY(m_fixture->waitForReplies(1));

    auto *key = child<QLineEdit>(page, "wifi_secertKey_edit");
    QCOMPARE(key->text(), QString("key123456"));
    QTest::mouseClick(child<QPushButton>(page, "save_btn"), Qt::LeftButton);
    QTRY_COMPARE(m_fixture->toasts(page), QStringList {"保存成功"});
    QCOMPARE(m_fixture->sent(kSetWifiV1), v1Record(1, 1, "old-net", "6B6579313233343536"));

    // Without WepAsc the key goes as it stands; switching WepAsc on cuts it to 30.
    auto *webAsc = child<QCheckBox>(page, "webAsc_enable");
    webAsc->setChecked(false);
    key->setText(QString(40, 'k'));
    QTest::mouseClick(child<QPushButton>(page, "save_btn"), Qt::LeftButton);
    QTRY_COMPARE(m_fixture->toasts(page).size(), 2);
    QCOMPARE(m_fixture->sent(kSetWifiV1), v1Record(1, 0, "old-net", QByteArray(40, 'k')));
    webAsc->setChecked(true);
    QCOMPARE(key->text(), QString(30, 'k'));
}

void tst_WifiParamWnd::failedChecksShowTheirHintAndSendNothing_data()
{
    QTest::addColumn<bool>("wifiOn");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("apOn");
    QTest::addColumn<QString>("apSsid");
    QTest::addColumn<QString>("apKey");
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QString>("text");

    const QString shortKey = "1234567";
    QTest::newRow("client key of 7") << true << shortKey << false << "ap" << "" << "wifikey_length_frame"
                                     << "请输入八位wifi密码";
    QTest::newRow("client off, key of 7 passes") << false << shortKey << false << "ap" << "" << "" << "";
    QTest::newRow("client key empty passes") << true << "" << false << "ap" << "" << "" << "";
    QTest::newRow("client key of 8 passes") << true << "12345678" << false << "ap" << "" << "" << "";
    QTest::newRow("hotspot key of 7") << false << "" << true << "ap" << shortKey << "key_length_frame"
                                      << "请输入八位wifi密码";
    QTest::newRow("hotspot SSID empty") << false << "" << true << "" << "" << "apID_length_frame"
                                        << "SSID不能为空";
    QTest::newRow("client and hotspot") << true << "" << true << "ap" << "" << "ap_enable_frame"
                                        << "Wifi和AP热点不能同时启用";
}

void tst_WifiParamWnd::failedChecksShowTheirHintAndSendNothing()
{
    QFETCH(bool, wifiOn);
    QFETCH(QString, key);
    QFETCH(bool, apOn);
    QFETCH(QString, apSsid);
    QFETCH(QString, apKey);
    QFETCH(QString, frame);
    QFETCH(QString, text);

    m_fixture->loginTo(withHotspot());
    auto *page = m_fixture->show<WifiParamWnd>(false);
    page->refreshParam();
    QVERIFY(m_fixture->waitForReplies(1));
    // A hint takes room kept for it: the fields and the save button stay put.
    const auto places = [this, page] {
        QList<QPoint> points;
        for (const char *name : {"wifi_enable", "wifi_secertKey_edit", "AP_ssid_edit", "save_btn"})
            points << child<QWidget>(page, name)->mapTo(page, QPoint());
        return points;
    };
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const QList<QPoint> before = places();
    child<QCheckBox>(page, "wifi_enable")->setChecked(wifiOn);
    child<QLineEdit>(page, "wifi_secertKey_edit")->setText(key);
    child<QCheckBox>(page, "ap_enable")->setChecked(apOn);
    child<QCheckBox>(page, "ap_SSID_enable")->setChecked(false);
    child<QLineEdit>(page, "AP_ssid_edit")->setText(apSsid);
    child<QLineEdit>(page, "AP_secertKey_edit")->setText(apKey);
    QTest::mouseClick(child<QPushButton>(page, "save_btn"), Qt::LeftButton);

    if (frame.isEmpty()) {
        QTRY_COMPARE(m_fixture->toasts(page), QStringList {"保存成功"});
        return;
    }
    QCOMPARE(m_fixture->toasts(page), QStringList {"保存失败"});
    QVERIFY(child<QWidget>(page, qPrintable(frame))->isVisible());
    const QString out = frame == "wifikey_length_frame" ? "wifikey_length_out"
            : frame == "key_length_frame"               ? "key_length_out"
            : frame == "apID_length_frame"              ? "apid_length_out"
                                                        : "ap_enable_out";
    QCOMPARE(child<QLabel>(page, qPrintable(out))->text(), text);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QCOMPARE(places(), before);
    QTest::qWait(0);
    QCOMPARE(m_fixture->requestCount(kSetWifiV2), 0);
}

void tst_WifiParamWnd::anEmptyHotspotSsidDoesNotBlockSavesOnceTheHotspotIsOff()
{
    m_fixture->loginTo(withHotspot());
    auto *page = m_fixture->show<WifiParamWnd>(false);
    page->refreshParam();
    QVERIFY(m_fixture->waitForReplies(1));
    auto *ap = child<QCheckBox>(page, "ap_enable");
    ap->setChecked(true);
    child<QCheckBox>(page, "wifi_enable")->setChecked(false);
    child<QLineEdit>(page, "AP_ssid_edit")->setText("");
    QTest::mouseClick(child<QPushButton>(page, "save_btn"), Qt::LeftButton);
    QCOMPARE(m_fixture->toasts(page), QStringList {"保存失败"});

    ap->setChecked(false);
    QTest::mouseClick(child<QPushButton>(page, "save_btn"), Qt::LeftButton);
    QTRY_COMPARE(m_fixture->toasts(page), (QStringList {"保存失败", "保存成功"}));
}

void tst_WifiParamWnd::aHiddenHotspotNeverBlocksTheClient()
{
    m_fixture->loginTo(PageFixture::profile("G2"));
    m_fixture->setRecord("WIFI_PARA_V2_T", v2Record(1, 0, 1, "", "123", "cli", ""));
    auto *page = m_fixture->show<WifiParamWnd>(false);
    page->refreshParam();
    QVERIFY(m_fixture->waitForReplies(1));
    child<QCheckBox>(page, "wifi_enable")->setChecked(true);
    QVERIFY(!child<QWidget>(page, "wifi_enable_frame")->isVisibleTo(page));
    QTest::mouseClick(child<QPushButton>(page, "save_btn"), Qt::LeftButton);
    QTRY_COMPARE(m_fixture->toasts(page), QStringList {"保存成功"});
    QCOMPARE(m_fixture->sent(kSetWifiV2), v2Record(1, 1, 1, "", "123", "cli", ""));
}

void tst_WifiParamWnd::resultsReachTheToast_data()
{
    QTest::addColumn<CameraProfile>("profile");
    QTest::addColumn<quint32>("command");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("toast");

    QTest::newRow("V1 accepted") << PageFixture::profile("G1") << kSetWifiV1 << 0 << "保存成功";
    QTest::newRow("V1 refused") << PageFixture::profile("G1") << kSetWifiV1 << 1 << "保存失败";
    QTest::newRow("V2 accepted") << withHotspot() << kSetWifiV2 << 0 << "保存成功";
    QTest::newRow("V2 refused") << withHotspot() << kSetWifiV2 << 1 << "保存失败";
}

void tst_WifiParamWnd::resultsReachTheToast()
{
    QFETCH(CameraProfile, profile);
    QFETCH(quint32, command);
    QFETCH(int, result);
    QFETCH(QString, toast);

    m_fixture->loginTo(profile);
    m_fixture->setResult(command, result);
    auto *page = m_fixture->show<WifiParamWnd>(false);
    page->refreshParam();
    QVERIFY(m_fixture->waitForReplies(1));
    QTest::mouseClick(child<QPushButton>(page, "save_btn"), Qt::LeftButton);
    QTRY_COMPARE(m_fixture->toasts(page), QStringList {toast});
}

void tst_WifiParamWnd::aRefusedWriteShowsOneFailure()
{
    m_fixture->loginTo(withHotspot());
    auto *page = m_fixture->show<WifiParamWnd>(false);
    page->refreshParam();
    QVERIFY(m_fixture->waitForReplies(1));
    m_fixture->failNextWrite();
    QTest::mouseClick(child<QPushButton>(page, "save_btn"), Qt::LeftButton);
    QTest::qWait(50);
    QCOMPARE(m_fixture->toasts(page), QStringList {"保存失败"});
}

void tst_WifiParamWnd::aV1ReplyChangesNothingOnALaterGeneration()
{
    m_fixture->loginTo(withHotspot());
    m_fixture->setRecord("WIFI_PARA_V2_T", v2Record(1, 1, 1, "ap", "", "v2-net", ""));
    auto *page = m_fixture->show<WifiParamWnd>(false);
    page->refreshParam();
    QVERIFY(m_fixture->waitForReplies(1));
    QByteArray v1 = v1Record(0, 0, "v1-net", "");
    WIFI_PARA_T_V1_0 record;
    memcpy(&record, v1.constData(), sizeof record);
    page->onSiganlDevWifiParamChanged(&record);
    QCOMPARE(child<QLineEdit>(page, "wifi_ssid_edit")->text(), QString("v2-net"));
    QVERIFY(child<QCheckBox>(page, "wifi_enable")->isChecked());
}

QTEST_MAIN(tst_WifiParamWnd)
#include "tst_WifiParamWnd.moc"
