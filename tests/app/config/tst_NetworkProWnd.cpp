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
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

using sim::camera::CameraProfile;

namespace {

constexpr quint32 kGetWifiV2 = 52;
constexpr quint32 kGetApn = 12;
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
    void aTabSavedFromTheMainWindowStaysOnTheCamera_data();
    void aTabSavedFromTheMainWindowStaysOnTheCamera();

private:
    // The main window's navigator opens "网络连接"; waits for its first reply.
    NetworkProWnd *openNetwork(MainWindow &window);
    QScopedPointer<PageFixture> m_fixture;
};

void tst_NetworkProWnd::tabsFollowWhatTheCameraCanDo_data()
{
    QTest::addColumn<CameraProfile>("profile");
    QTest::addColumn<QList<int>>("enabled");
    QTest::addColumn<int>("current");
    QTest::addColumn<bool>("wifiPage");

    QTest::newRow("JSON without 4G") << json(1, 0) << QList<int> {0, 1} << 0 << true;
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
    // The dial-up tab left current gets its page, which asks at once.
    if (current == NetworkProWnd::kApnTab) {
        QVERIFY(container->pageAt(NetworkProWnd::kApnTab));
        QTRY_COMPARE(m_fixture->requestCount(kGetApn), 1);
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

NetworkProWnd *tst_NetworkProWnd::openNetwork(MainWindow &window)
{
    window.show();
    QTest::mouseClick(window.findChild<QPushButton *>("deviceConfig_btn"), Qt::LeftButton);
    auto *rows = window.findChild<QListWidget *>("listWidget");
    if (!rows)
        return nullptr;
    const QList<QListWidgetItem *> items = rows->findItems("网络连接", Qt::MatchExactly);
    if (items.isEmpty())
        return nullptr;
    const int before = m_fixture->replies();
    QTest::mouseClick(rows->viewport(), Qt::LeftButton, Qt::NoModifier,
                      rows->visualItemRect(items.first()).center());
    if (!QTest::qWaitFor([&] { return window.findChild<NetworkProWnd *>() != nullptr; })
        || !m_fixture->waitForReplies(1, before))
        return nullptr;
    return window.findChild<NetworkProWnd *>();
}

void tst_NetworkProWnd::aWifiClientSavedFromTheMainWindowStaysOnTheCamera()
{
    m_fixture->loginTo(json(1, 1));
    MainWindow window;
    QVERIFY(openNetwork(window));
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

void tst_NetworkProWnd::aTabSavedFromTheMainWindowStaysOnTheCamera_data()
{
    QTest::addColumn<QString>("tab");
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("save");
    QTest::addColumn<QString>("record");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("reply");
    QTest::addColumn<int>("replies");

    // The static page asks from its constructor and on the selection; the
    // dial-up page's reply brings the card number after it.
    QTest::newRow("static IP") << "Wi-Fi静态IP" << "ipAddress" << "192.168.1.77" << "saveBtn"
                               << "WIFI_PARA_STATIC_T" << QByteArray("\xC0\xA8\x01\x4D", 4)
                               << "devStaitcWifiParamChanged" << 2;
    QTest::newRow("dial-up") << "拨号" << "apn_name_edit" << "cmnet" << "save_btn" << "EACH_PPP_PARA_T"
                             << QByteArray("\0\0\0\0cmnet\0", 10) << "devCCIDParamChanged" << 1;
}

void tst_NetworkProWnd::aTabSavedFromTheMainWindowStaysOnTheCamera()
{
    QFETCH(QString, tab);
    QFETCH(QString, edit);
    QFETCH(QString, typed);
    QFETCH(QString, save);
    QFETCH(QString, record);
    QFETCH(QByteArray, stored);
    QFETCH(QString, reply);
    QFETCH(int, replies);

    m_fixture->loginTo(json(1, 1));
    MainWindow window;
    NetworkProWnd *container = openNetwork(window);
    QVERIFY(container);
    QTabBar *bar = container->findChild<QTabWidget *>("tabWidget")->tabBar();
    int index = -1;
    for (int i = 0; i < bar->count(); ++i)
        if (bar->tabText(i) == tab)
            index = i;
    QVERIFY(index >= 0);
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(index).center());
    QTRY_COMPARE(m_fixture->replies(reply.toLatin1().constData()), replies);
    QWidget *page = container->pageAt(index);
    QVERIFY(page);

    auto *field = page->findChild<QLineEdit *>(edit);
    field->clear();
    QTest::keyClicks(field, typed);
    QTest::mouseClick(page->findChild<QPushButton *>(save), Qt::LeftButton);
    QTRY_COMPARE(m_fixture->toasts(page), QStringList {"保存成功"});
    QCOMPARE(m_fixture->record(record.toLatin1().constData()).left(stored.size()), stored);
}

QTEST_MAIN(tst_NetworkProWnd)
#include "tst_NetworkProWnd.moc"
