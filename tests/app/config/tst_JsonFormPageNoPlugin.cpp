// Without the form plug-in beside the program a JSON form page builds no
// form, and a save says that nothing was saved. A test of its own: the loader
// keeps a plug-in it found for the life of the process.

#include "ExtendConfigWnd.h"
#include "PageFixture.h"

#include <QPushButton>
#include <QtTest>

class tst_JsonFormPageNoPlugin : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_fixture.reset(new PageFixture); }
    void cleanup() { m_fixture.reset(); }

    void theCamerasFormStaysUnbuiltAndASaveFails()
    {
        m_fixture->loginTo(PageFixture::profile("J"));
        auto *page = m_fixture->show<ExtendConfigWnd>(false);
        const int before = m_fixture->replies();
        page->refreshParam();
        QVERIFY(m_fixture->waitForReplies(1, before));
        QVERIFY(!page->form());

        QTest::mouseClick(page->findChild<QPushButton *>("save_btn"), Qt::LeftButton);
        QCOMPARE(m_fixture->toasts(page), QStringList{"保存失败"});
        QCOMPARE(m_fixture->requestCount(81), 0);
    }

private:
    QScopedPointer<PageFixture> m_fixture;
};

QTEST_MAIN(tst_JsonFormPageNoPlugin)
#include "tst_JsonFormPageNoPlugin.moc"
