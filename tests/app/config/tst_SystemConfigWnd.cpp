// The system container: which tabs a camera gets, which page comes first, and
// that the password tab starts empty on every return.

#include "PageFixture.h"
#include "SafeConfigWnd.h"
#include "SystemConfigWnd.h"
#include "SystemParamWnd.h"

#include <QFrame>
#include <QLineEdit>
#include <QTabWidget>
#include <QtTest>

using sim::camera::CameraProfile;

namespace {

constexpr quint32 kGetSystem = 30;

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

} // namespace

class tst_SystemConfigWnd : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_fixture.reset(new PageFixture); }
    void cleanup() { m_fixture.reset(); }

    void tabsFollowWhatTheCameraCanDo_data();
    void tabsFollowWhatTheCameraCanDo();
    void thePasswordTabStartsEmptyOnEveryReturn();
    void theSystemTabAsksOnEverySelectionWithOnePage();

private:
    QScopedPointer<PageFixture> m_fixture;
};

void tst_SystemConfigWnd::tabsFollowWhatTheCameraCanDo_data()
{
    QTest::addColumn<CameraProfile>("profile");
    QTest::addColumn<QList<int>>("enabled");
    QTest::addColumn<int>("current");
    QTest::addColumn<QString>("builtPage"); // object or class name of the first page, empty: none

    QTest::newRow("G2 has every tab") << PageFixture::profile("G2") << QList<int> {0, 1, 2} << 0 << QString();
    QTest::newRow("G3-12 has every tab") << PageFixture::profile("G3-12") << QList<int> {0, 1, 2} << 0
                                         << QString();
    QTest::newRow("J without time") << jsonWithout({"supportTimeParam"}) << QList<int> {1, 2} << 1
                                    << "SafeConfigWnd";
    QTest::newRow("J with the system page only")
            << jsonWithout({"supportTimeParam", "supportPasswordParam"}) << QList<int> {2} << 2
            << "SystemParamEXWnd";
    QTest::newRow("J without any")
            << jsonWithout({"supportTimeParam", "supportPasswordParam", "supportSystemParam"}) << QList<int> {}
            << 0 << QString();
}

void tst_SystemConfigWnd::tabsFollowWhatTheCameraCanDo()
{
    QFETCH(CameraProfile, profile);
    QFETCH(QList<int>, enabled);
    QFETCH(int, current);
    QFETCH(QString, builtPage);

    m_fixture->loginTo(profile);
    auto *container = m_fixture->show<SystemConfigWnd>(false);
    auto *tabs = container->findChild<QTabWidget *>("tabWidget");
    QCOMPARE(enabledTabs(tabs), enabled);
    QCOMPARE(tabs->currentIndex(), current);
    QWidget *page = container->pageAt(current);
    if (builtPage.isEmpty()) {
        QVERIFY(!container->pageAt(SystemConfigWnd::kPasswordTab));
        QVERIFY(!container->pageAt(SystemConfigWnd::kSystemTab));
    } else {
        QVERIFY(page);
        QVERIFY(page->objectName() == builtPage || QString(page->metaObject()->className()) == builtPage);
    }
}

void tst_SystemConfigWnd::thePasswordTabStartsEmptyOnEveryReturn()
{
    m_fixture->loginTo(PageFixture::profile("G3-12"));
    auto *container = m_fixture->show<SystemConfigWnd>(false);
    auto *tabs = container->findChild<QTabWidget *>("tabWidget");
    tabs->setCurrentIndex(SystemConfigWnd::kPasswordTab);
    auto *page = qobject_cast<SafeConfigWnd *>(container->pageAt(SystemConfigWnd::kPasswordTab));
    QVERIFY(page);
    QVERIFY(page->isVisible());

    for (const char *name : {"pwd_old_edit", "pwd_new_edit", "pwd_config_edit"})
        QTest::keyClicks(page->findChild<QLineEdit *>(name), "12");
    QTest::mouseClick(page->findChild<QWidget *>("save_btn"), Qt::LeftButton);
    QVERIFY(page->findChild<QFrame *>("Point_Frame_1")->isVisible());

    tabs->setCurrentIndex(SystemConfigWnd::kSystemTab);
    tabs->setCurrentIndex(SystemConfigWnd::kPasswordTab);
    for (const char *name : {"pwd_old_edit", "pwd_new_edit", "pwd_config_edit"})
        QVERIFY(page->findChild<QLineEdit *>(name)->text().isEmpty());
    for (const char *name : {"Point_Frame_1", "Point_Frame_2", "Point_Frame_3"})
        QVERIFY(!page->findChild<QFrame *>(name)->isVisible());
}

void tst_SystemConfigWnd::theSystemTabAsksOnEverySelectionWithOnePage()
{
    m_fixture->loginTo(PageFixture::profile("G3-12"));
    auto *container = m_fixture->show<SystemConfigWnd>(false);
    auto *tabs = container->findChild<QTabWidget *>("tabWidget");
    m_fixture->clearRequests();
    tabs->setCurrentIndex(SystemConfigWnd::kSystemTab);
    QTRY_COMPARE(m_fixture->requestCount(kGetSystem), 1);
    tabs->setCurrentIndex(SystemConfigWnd::kPasswordTab);
    tabs->setCurrentIndex(SystemConfigWnd::kSystemTab);
    QTRY_COMPARE(m_fixture->requestCount(kGetSystem), 2);
    QCOMPARE(container->findChildren<SystemParamWnd *>().size(), 1);
}

QTEST_MAIN(tst_SystemConfigWnd)
#include "tst_SystemConfigWnd.moc"
