// The platform container: which tabs a camera gets and which one comes first.

#include "ExtendConfigWnd.h"
#include "FtpConfigWnd.h"
#include "PageFixture.h"
#include "PlateConfigWnd.h"
#include "PlatformTabs.h"
#include "PlatformWnd.h"

#include <QTabWidget>
#include <QtTest>

using sim::camera::CameraProfile;

namespace {

// Capability bytes of the device-code record that the tab rules read.
constexpr std::size_t kDialByte = 264;
constexpr std::size_t kWifiByte = 265;
constexpr std::size_t kPlatformBytes[] = {278, 284, 285, 286, 289, 290, 291, 292, 331, 334};

const char *const kPlatformKeys[] = {"supportTarvioV20",    "supportFtp",          "supportTarvioV50",
                                     "supportGB28181",      "supportPlatform1400", "supportGroupTalk",
                                     "supportPlatformCustom", "supportFace",       "supportLumaroV3",
                                     "supportRTMP",         "supportExtendNetworkParam"};

// A JSON camera with every platform key set, then the given keys changed.
CameraProfile json(const QMap<QString, int> &keys = {})
{
    CameraProfile profile = PageFixture::profile("J");
    for (auto it = keys.begin(); it != keys.end(); ++it)
        profile.abilityOverrides[it.key().toStdString()] = it.value();
    return profile;
}

CameraProfile jsonWithout(std::initializer_list<const char *> keys)
{
    CameraProfile profile = json();
    for (const char *key : keys)
        profile.abilityOverrides[key] = 0;
    return profile;
}

CameraProfile jsonNone()
{
    CameraProfile profile = json();
    for (const char *key : kPlatformKeys)
        profile.abilityOverrides[key] = 0;
    return profile;
}

// A classic camera of the generation with all platform bytes set or clear,
// no network bytes unless told, and the "other" key off.
CameraProfile classic(int generation, std::uint8_t platforms, std::uint8_t wifi = 0, std::uint8_t dial = 0)
{
    CameraProfile profile = PageFixture::profile(generation == 3 ? "G3-12" : generation == 2 ? "G2" : "G1");
    for (std::size_t at : kPlatformBytes)
        profile.deviceCodeOverrides[at] = platforms;
    profile.deviceCodeOverrides[kWifiByte] = wifi;
    profile.deviceCodeOverrides[kDialByte] = dial;
    profile.abilityOverrides["supportExtendNetworkParam"] = 0;
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

QList<int> range(int from, int to)
{
    QList<int> list;
    for (int index = from; index <= to; ++index)
        list << index;
    return list;
}

} // namespace

class tst_PlatformWnd : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_fixture.reset(new PageFixture); }
    void cleanup() { m_fixture.reset(); }

    void tabsFollowWhatTheCameraOffers_data();
    void tabsFollowWhatTheCameraOffers();
    void theShortHintOnlyWhenNeitherTarvioNorQuensaIsOffered_data();
    void theShortHintOnlyWhenNeitherTarvioNorQuensaIsOffered();
    void eachPageIsBuiltOnceAndAsksOnEverySelection();
    void theOtherTabAsksThroughItsRefreshOnEverySelection();

private:
    QScopedPointer<PageFixture> m_fixture;
};

void tst_PlatformWnd::tabsFollowWhatTheCameraOffers_data()
{
    QTest::addColumn<CameraProfile>("profile");
    QTest::addColumn<QList<int>>("enabled");
    QTest::addColumn<int>("current");

    // Tab 8 never shows on a JSON camera; "other" wins the current index.
    QTest::newRow("JSON, every key") << json() << (QList<int> {0} + range(1, 7) + QList<int> {9, 10, 11}) << 11;
    QTest::newRow("JSON, no other tab")
            << jsonWithout({"supportExtendNetworkParam"}) << (range(0, 7) + QList<int> {9, 10}) << 0;
    // Tarvio needs a network on a JSON camera.
    QTest::newRow("JSON Tarvio without Wi-Fi and 4G")
            << jsonWithout({"supportWifi", "support4G", "supportExtendNetworkParam"})
            << (range(1, 7) + QList<int> {9, 10}) << 1;
    QTest::newRow("JSON Tarvio with 4G only")
            << jsonWithout({"supportWifi", "supportExtendNetworkParam", "supportFtp"})
            << (QList<int> {0} + range(2, 7) + QList<int> {9, 10}) << 0;
    QTest::newRow("JSON, RTMP only") << json({{"supportTarvioV20", 0}, {"supportFtp", 0}, {"supportTarvioV50", 0},
                                              {"supportGB28181", 0}, {"supportPlatform1400", 0},
                                              {"supportGroupTalk", 0}, {"supportPlatformCustom", 0},
                                              {"supportFace", 0}, {"supportLumaroV3", 0},
                                              {"supportExtendNetworkParam", 0}})
                                     << QList<int> {10} << 10;
    // Nothing offered: the form's current tab stays.
    QTest::newRow("JSON, nothing") << jsonNone() << QList<int>() << 11;
    // Before generation 3 only Tarvio, whatever the bytes say.
    QTest::newRow("generation 2") << classic(2, 1) << QList<int> {0} << 0;
    QTest::newRow("generation 1") << classic(1, 1) << QList<int> {0} << 0;
    QTest::newRow("generation 3, every byte") << classic(3, 1, 1) << range(0, 10) << 0;
    QTest::newRow("generation 3, Tarvio by dial-up") << classic(3, 0, 0, 1) << QList<int> {0} << 0;
    QTest::newRow("generation 3, no network") << classic(3, 1) << range(1, 10) << 1;
    QTest::newRow("generation 3, nothing") << classic(3, 0) << QList<int>() << 11;
}

void tst_PlatformWnd::tabsFollowWhatTheCameraOffers()
{
    QFETCH(CameraProfile, profile);
    QFETCH(QList<int>, enabled);
    QFETCH(int, current);

    m_fixture->loginTo(profile);
    auto *container = m_fixture->show<PlatformWnd>(false);
    auto *tabs = container->findChild<QTabWidget *>("tabWidget");
    QVERIFY(tabs);
    QCOMPARE(tabs->count(), int(PlatformTabs::kTabCount));
    QCOMPARE(enabledTabs(tabs), enabled);
    QCOMPARE(tabs->currentIndex(), current);
    for (int tab = 0; tab < PlatformTabs::kTabCount; ++tab)
        QCOMPARE(PlatformTabs::isEnabled(tab), enabled.contains(tab));
}

void tst_PlatformWnd::theShortHintOnlyWhenNeitherTarvioNorQuensaIsOffered_data()
{
    QTest::addColumn<CameraProfile>("profile");
    QTest::addColumn<bool>("shortHint");

    QTest::newRow("JSON, both") << json() << false;
    QTest::newRow("JSON, Quensa only") << jsonWithout({"supportTarvioV20"}) << false;
    QTest::newRow("JSON, Tarvio only") << jsonWithout({"supportTarvioV50"}) << false;
    QTest::newRow("JSON, neither") << jsonWithout({"supportTarvioV20", "supportTarvioV50"}) << true;
    QTest::newRow("generation 3, Quensa only") << classic(3, 1) << false;
    QTest::newRow("generation 3, neither") << classic(3, 0) << true;
    QTest::newRow("generation 2") << classic(2, 0) << false;
}

void tst_PlatformWnd::theShortHintOnlyWhenNeitherTarvioNorQuensaIsOffered()
{
    QFETCH(CameraProfile, profile);
    QFETCH(bool, shortHint);

    m_fixture->loginTo(profile);
    QCOMPARE(PlatformTabs::onePlatformHint(),
             shortHint ? QStringLiteral("QUENSA、国标 、Lumaro同时只可启用一个平台") : QString());
}

void tst_PlatformWnd::eachPageIsBuiltOnceAndAsksOnEverySelection()
{
    constexpr quint32 kGetPlate = 13;
    constexpr quint32 kGetFtp = 510;
    m_fixture->loginTo(jsonWithout({"supportExtendNetworkParam"}));
    auto *container = m_fixture->show<PlatformWnd>();
    auto *tabs = container->findChild<QTabWidget *>("tabWidget");
    QCOMPARE(tabs->currentIndex(), int(PlatformTabs::kTarvio));
    QWidget *tarvio = container->pageAt(PlatformTabs::kTarvio);
    QVERIFY(qobject_cast<PlateConfigWnd *>(tarvio));
    QCOMPARE(m_fixture->requestCount(kGetPlate), 1);
    QCOMPARE(m_fixture->requestCount(kGetFtp), 0);

    for (int round = 1; round <= 2; ++round) {
        tabs->setCurrentIndex(PlatformTabs::kFtp);
        QTRY_COMPARE(m_fixture->requestCount(kGetFtp), round);
        tabs->setCurrentIndex(PlatformTabs::kTarvio);
        QTRY_COMPARE(m_fixture->requestCount(kGetPlate), round + 1);
    }
    QCOMPARE(container->pageAt(PlatformTabs::kTarvio), tarvio);
    QCOMPARE(container->findChildren<PlateConfigWnd *>().size(), 1);
    QCOMPARE(container->findChildren<FtpConfigWnd *>().size(), 1);
}

void tst_PlatformWnd::theOtherTabAsksThroughItsRefreshOnEverySelection()
{
    constexpr quint32 kGetNetExtend = 80;
    m_fixture->loginTo(json());
    auto *container = m_fixture->show<PlatformWnd>();
    auto *tabs = container->findChild<QTabWidget *>("tabWidget");
    QCOMPARE(tabs->currentIndex(), int(PlatformTabs::kOther));
    QWidget *other = container->pageAt(PlatformTabs::kOther);
    QVERIFY(qobject_cast<ExtendConfigWnd *>(other));
    QTRY_COMPARE(m_fixture->requestCount(kGetNetExtend), 1);

    tabs->setCurrentIndex(PlatformTabs::kTarvio);
    tabs->setCurrentIndex(PlatformTabs::kOther);
    QTRY_COMPARE(m_fixture->requestCount(kGetNetExtend), 2);
    tabs->setCurrentIndex(PlatformTabs::kFtp);
    tabs->setCurrentIndex(PlatformTabs::kOther);
    QTRY_COMPARE(m_fixture->requestCount(kGetNetExtend), 3);
    QCOMPARE(container->pageAt(PlatformTabs::kOther), other);
    QCOMPARE(container->findChildren<ExtendConfigWnd *>().size(), 1);
}

QTEST_MAIN(tst_PlatformWnd)
#include "tst_PlatformWnd.moc"
