// The network container: which tabs a camera gets, which one comes first, and
// that the Wi-Fi page is built once and asks the camera on every selection
// and every show.

#include "MainWindow.h"
#include "NetworkProWnd.h"
#include "PageFixture.h"
#include "WifiParamWnd.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

using sim::camera::CameraProfile;

namespace {

constexpr quint32 kGetWifiV2 = 52;
constexpr std::size_t kDialByte = 264;
constexpr std::size_t kWifiByte = 265;

CameraProfile json(int wifi, int dial)
{
    CameraProfile profile = PageFixture::profile("J");
    profile.abilityOverrides["supportWifi"] = wifi;
    profile.abilityOverrides["support4G"] = dial;
    return profile;
}

CameraProfile classic(int generation, int wifi, int dial)
{
    CameraProfile profile = PageFixture::profile(generation == 3 ? "G3-12" : generation == 2 ? "G2" : "G1");
    profile.deviceCodeOverrides[kWifiByte] = std::uint8_t(wifi);
    profile.deviceCodeOverrides[kDialByte] = std::uint8_t(dial);
    return profile;
}

QList<int> enabledTabs(QTabWidget *tabs)
{
    QList<int> enabled;
    for (int index = 0; index < tabs->count(); ++index)
        if (tabs->isTabEnabled(index))
            enabled << index;
    return enabled;
}

} // namespace

class tst_NetworkProWnd : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_fixture.reset(new PageFixture); }
    void cleanup() { m_fixture.reset(); }

    void tabsFollowWhatTheCameraCanDo_data();
    void tabsFollowWhatTheCameraCanDo();
    void theWifiPageIsBuiltOnceAndAsksOnEverySelectionAndShow();
    void aWifiClientSavedFromTheMainWindowStaysOnTheCamera();

private:
    QScopedPointer<PageFixture> m_fixture;
};

void tst_NetworkProWnd::tabsFollowWhatTheCameraCanDo_data()
{
    QTest::addColumn<CameraProfile>("profile");
    QTest::addColumn<QList<int>>("enabled");
    QTest::addColumn<int>("current");
    QTest::addColumn<bool>("wifiPage");

    QTest::newRow("JSON without 4G") << json(1, 0) << QList<int> {0, 1} << 0 << true;
    // Tab 2 has no page yet, so nothing is built or asked.
    QTest::newRow("JSON without Wi-Fi") << json(0, 1) << QList<int> {2} << 2 << false;
    QTest::newRow("JSON without either") << json(0, 0) << QList<int>() << 0 << true;
    QTest::newRow("JSON with both") << json(1, 1) << QList<int> {0, 1, 2} << 0 << true;
    // The capability bytes count only from generation 3 on.
    QTest::newRow("generation 2, bytes 0") << classic(2, 0, 0) << QList<int> {0, 1, 2} << 0 << true;
    QTest::newRow("generation 1") << classic(1, 0, 0) << QList<int> {0, 2} << 0 << true;
    QTest::newRow("generation 3, no dial-up") << classic(3, 1, 0) << QList<int> {0, 1} << 0 << true;
    QTest::newRow("generation 3, no Wi-Fi") << classic(3, 0, 1) << QList<int> {2} << 2 << false;
    QTest::newRow("generation 3, neither") << classic(3, 0, 0) << QList<int>() << 0 << true;
}

void tst_NetworkProWnd::tabsFollowWhatTheCameraCanDo()
{
    QFETCH(CameraProfile, profile);
    QFETCH(QList<int>, enabled);
    QFETCH(int, current);
    QFETCH(bool, wifiPage);

    m_fixture->loginTo(profile);
    auto *container = m_fixture->show<NetworkProWnd>(wifiPage);
    auto *tabs = container->findChild<QTabWidget *>("tabWidget");

    QCOMPARE(enabledTabs(tabs), enabled);
    QCOMPARE(tabs->currentIndex(), current);
    QWidget *page = container->pageAt(NetworkProWnd::kWifiTab);
    QCOMPARE(page != nullptr, wifiPage);
    if (page) {
        // Without a usable tab the page is there, but Qt keeps it disabled.
        QCOMPARE(page->isEnabled(), !enabled.isEmpty());
        QVERIFY(m_fixture->requestCount(kGetWifiV2) + m_fixture->requestCount(11) == 1);
    }
}

void tst_NetworkProWnd::theWifiPageIsBuiltOnceAndAsksOnEverySelectionAndShow()
{
    m_fixture->loginTo(json(1, 1));
    auto *container = m_fixture->show<NetworkProWnd>();
    auto *tabs = container->findChild<QTabWidget *>("tabWidget");
    QWidget *page = container->pageAt(NetworkProWnd::kWifiTab);
    QVERIFY(page);
    QCOMPARE(m_fixture->requestCount(kGetWifiV2), 1);

    tabs->setCurrentIndex(NetworkProWnd::kApnTab);
    tabs->setCurrentIndex(NetworkProWnd::kWifiTab);
    QVERIFY(m_fixture->waitForReplies(1));
    QCOMPARE(m_fixture->requestCount(kGetWifiV2), 2);

    container->hide();
    container->show();
    QVERIFY(m_fixture->waitForReplies(1));
    QCOMPARE(m_fixture->requestCount(kGetWifiV2), 3);
    QCOMPARE(container->pageAt(NetworkProWnd::kWifiTab), page);
    QCOMPARE(container->findChildren<WifiParamWnd *>().size(), 1);
}

void tst_NetworkProWnd::aWifiClientSavedFromTheMainWindowStaysOnTheCamera()
{
    m_fixture->loginTo(json(1, 1));
    MainWindow window;
    window.show();
    QTest::mouseClick(window.findChild<QPushButton *>("deviceConfig_btn"), Qt::LeftButton);
    auto *rows = window.findChild<QListWidget *>("listWidget");
    QVERIFY(rows);
    const QList<QListWidgetItem *> items = rows->findItems("网络连接", Qt::MatchExactly);
    QVERIFY(!items.isEmpty());
    const int before = m_fixture->replies();
    QTest::mouseClick(rows->viewport(), Qt::LeftButton, Qt::NoModifier,
                      rows->visualItemRect(items.first()).center());
    QTRY_VERIFY(window.findChild<NetworkProWnd *>());
    QVERIFY(m_fixture->waitForReplies(1, before));
    auto *page = window.findChild<WifiParamWnd *>();
    QVERIFY(page);

    page->findChild<QCheckBox *>("ap_enable")->setChecked(false);
    page->findChild<QCheckBox *>("wifi_enable")->setChecked(true);
    auto *ssid = page->findChild<QLineEdit *>("wifi_ssid_edit");
    auto *key = page->findChild<QLineEdit *>("wifi_secertKey_edit");
    ssid->clear();
    QTest::keyClicks(ssid, "Station-7");
    key->clear();
    QTest::keyClicks(key, "s3cret-key");
    QTest::mouseClick(page->findChild<QPushButton *>("save_btn"), Qt::LeftButton);
    QTRY_COMPARE(m_fixture->toasts(page), QStringList {"保存成功"});

    const QByteArray stored = m_fixture->record("WIFI_PARA_V2_T");
    QCOMPARE(stored.left(2), QByteArray("\x01\x01"));
    QCOMPARE(stored.mid(100, 10), QByteArray("Station-7\0", 10));
    QCOMPARE(stored.mid(132, 11), QByteArray("s3cret-key\0", 11));
}

QTEST_MAIN(tst_NetworkProWnd)
#include "tst_NetworkProWnd.moc"
