// The camera container: which tabs a camera gets, which page comes first, and
// that every selection and every show asks the camera again.

#include "CameraConfigWnd.h"
#include "PageFixture.h"
#include "ParamPage.h"

#include <QTabWidget>
#include <QtTest>

using sim::camera::CameraProfile;

namespace {

constexpr quint32 kGetSystem = 30;

constexpr quint32 kGetRecJson = 70;
constexpr quint32 kGetOsd = 400;
constexpr quint32 kGetPack = 550;
constexpr quint32 kGetPic = 1015;

CameraProfile jsonWithout(std::initializer_list<const char *> keys)
{
    CameraProfile profile = PageFixture::profile("J");
    for (const char *key : keys)
        profile.abilityOverrides[key] = 0;
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

QStringList builtPages(QWidget *container)
{
    QStringList names;
    for (ParamPage *page : container->findChildren<ParamPage *>())
        names << page->metaObject()->className();
    return names;
}

} // namespace

class tst_CameraConfigWnd : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_fixture.reset(new PageFixture); }
    void cleanup() { m_fixture.reset(); }

    void tabsFollowWhatTheCameraCanDo_data();
    void tabsFollowWhatTheCameraCanDo();
    void everySelectionAndEveryShowAsksAgainWithOnePagePerTab();

private:
    QScopedPointer<PageFixture> m_fixture;
};

void tst_CameraConfigWnd::tabsFollowWhatTheCameraCanDo_data()
{
    QTest::addColumn<CameraProfile>("profile");
    QTest::addColumn<QList<int>>("enabled");
    QTest::addColumn<int>("current");
    QTest::addColumn<QStringList>("pages");
    QTest::addColumn<quint32>("request");

    // Generation 2 ignores the capability bytes it carries.
    QTest::newRow("G1") << PageFixture::profile("G1") << QList<int> {0, 1} << 0 << QStringList {"EncryptParamWnd"} << 0u;
    QTest::newRow("G2") << PageFixture::profile("G2") << QList<int> {0, 1} << 0 << QStringList {"EncryptParamWnd"} << 0u;
    QTest::newRow("G3-12") << PageFixture::profile("G3-12") << QList<int> {0, 1, 2, 4, 5} << 0
                           << QStringList {"EncryptParamWnd"} << 0u;
    CameraProfile noOsd = PageFixture::profile("G3-12");
    noOsd.deviceCodeOverrides[288] = 0;
    QTest::newRow("G3-12 without OSD") << noOsd << QList<int> {0, 1, 4, 5} << 0 << QStringList {"EncryptParamWnd"}
                                       << 0u;
    QTest::newRow("J") << PageFixture::profile("J") << QList<int> {0, 1, 2, 4, 5} << 0
                       << QStringList {"EncryptParamEXWnd"} << kGetRecJson;
    QTest::newRow("J without encoding and recording")
            << jsonWithout({"supportEncodedParam", "supportVideoParam"}) << QList<int> {2, 4, 5} << 2
            << QStringList {"OSDSConfigWnd"} << kGetOsd;
    QTest::newRow("J with photos only") << jsonWithout(
            {"supportEncodedParam", "supportVideoParam", "supportExtraOsd", "supportAudioAndVedioPackChg"})
                                        << QList<int> {5} << 5 << QStringList {"PicParamWnd"} << kGetPic;
    QTest::newRow("J with every key 0")
            << jsonWithout({"supportEncodedParam", "supportVideoParam", "supportExtraOsd", "picQuality",
                            "supportAudioAndVedioPackChg"})
            << QList<int>() << 0 << QStringList {"EncryptParamEXWnd"} << kGetRecJson;
}

void tst_CameraConfigWnd::tabsFollowWhatTheCameraCanDo()
{
    QFETCH(CameraProfile, profile);
    QFETCH(QList<int>, enabled);
    QFETCH(int, current);
    QFETCH(QStringList, pages);
    QFETCH(quint32, request);

    m_fixture->loginTo(profile);
    auto *container = m_fixture->show<CameraConfigWnd>(request != 0);
    auto *tabs = container->findChild<QTabWidget *>("tabWidget");

    QCOMPARE(enabledTabs(tabs), enabled);
    QCOMPARE(tabs->currentIndex(), current);
    QCOMPARE(builtPages(container), pages);
    for (quint32 code : {kGetOsd, kGetPack, kGetPic})
        QCOMPARE(m_fixture->requestCount(code), code == request ? 1 : 0);
}

void tst_CameraConfigWnd::everySelectionAndEveryShowAsksAgainWithOnePagePerTab()
{
    m_fixture->loginTo(PageFixture::profile("G3-12"));
    auto *container = m_fixture->show<CameraConfigWnd>(false);
    auto *tabs = container->findChild<QTabWidget *>("tabWidget");

    tabs->setCurrentIndex(CameraConfigWnd::kOsdTab);
    QVERIFY(m_fixture->waitForReplies(1));
    QWidget *osd = container->pageAt(CameraConfigWnd::kOsdTab);
    QVERIFY(osd);
    tabs->setCurrentIndex(CameraConfigWnd::kPackingTab);
    QVERIFY(m_fixture->waitForReplies(1));
    tabs->setCurrentIndex(CameraConfigWnd::kOsdTab);
    QVERIFY(m_fixture->waitForReplies(1));

    QCOMPARE(container->pageAt(CameraConfigWnd::kOsdTab), osd);
    QCOMPARE(builtPages(container).count(), 3); // the encoding page came with the first show
    QCOMPARE(m_fixture->requestCount(kGetOsd), 2);
    QCOMPARE(m_fixture->requestCount(kGetPack), 1);

    container->hide();
    container->show();
    QVERIFY(m_fixture->waitForReplies(1));
    QCOMPARE(m_fixture->requestCount(kGetOsd), 3);
    QCOMPARE(builtPages(container).count(), 3);

    // The recording tab's page asks for the system record on every selection.
    tabs->setCurrentIndex(CameraConfigWnd::kRecordingTab);
    QVERIFY(m_fixture->waitForReplies(1));
    tabs->setCurrentIndex(CameraConfigWnd::kEncodingTab);
    tabs->setCurrentIndex(CameraConfigWnd::kRecordingTab);
    QVERIFY(m_fixture->waitForReplies(1));
    QTRY_COMPARE(m_fixture->requestCount(kGetSystem), 2);
    QCOMPARE(builtPages(container).count(), 4);
}

QTEST_MAIN(tst_CameraConfigWnd)
#include "tst_CameraConfigWnd.moc"
