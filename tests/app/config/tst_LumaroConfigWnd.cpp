// The older cloud page: its two fields of the shared extended record, the
// code rule, saves of the record by other pages, and the save that comes
// before the camera's record.

#include "LumaroConfigWnd.h"
#include "MainManager.h"
#include "PageFixture.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

constexpr quint32 kGetExParam = 1007;
constexpr quint32 kSetExParam = 1006;
constexpr int kRecordSize = 92;

// Every byte distinct from its neighbours and from 0, the code at 20 without a NUL.
QByteArray seededRecord(quint8 cloudSwitch, const QByteArray &code)
{
    QByteArray record(kRecordSize, '\0');
    for (int i = 0; i < kRecordSize; ++i)
        record[i] = char(0x80 + i);
    record[17] = char(cloudSwitch);
    record.replace(20, 8, code.leftJustified(8, '\0', true));
    return record;
}

} // namespace

class tst_LumaroConfigWnd : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_fixture.reset(new PageFixture);
        m_fixture->loginTo(PageFixture::profile("G3-12"));
    }
    void cleanup() { m_fixture.reset(); }

    void aSaveChangesOnlyTheSwitchAndTheCode_data();
    void aSaveChangesOnlyTheSwitchAndTheCode();
    void aCodeNeedsSixCharactersEvenWithTheSwitchOff_data();
    void aCodeNeedsSixCharactersEvenWithTheSwitchOff();
    void anotherPagesSaveOfTheRecordIsNotReportedHere();
    void aSaveBeforeTheRecordArrivedSendsNothing();
    void theHintIsShortWithoutTarvioAndQuensa_data();
    void theHintIsShortWithoutTarvioAndQuensa();
    void theCamerasVerdictEndsTheSave_data();
    void theCamerasVerdictEndsTheSave();
    void aRefusedWriteShowsOneFailure();

private:
    // The container asks for the record when it selects the tab.
    LumaroConfigWnd *showPage(bool waitForReply = true)
    {
        const int before = m_fixture->replies();
        auto *page = m_fixture->show<LumaroConfigWnd>(false);
        page->refreshParam();
        if (waitForReply && !m_fixture->waitForReplies(1, before))
            qWarning("LumaroConfigWnd got no reply");
        return page;
    }
    static void save(QWidget *page) { PageFixture::clickSave(page); }
    QScopedPointer<PageFixture> m_fixture;
};

void tst_LumaroConfigWnd::aSaveChangesOnlyTheSwitchAndTheCode_data()
{
    QTest::addColumn<quint8>("storedSwitch");
    QTest::addColumn<QByteArray>("storedCode");
    QTest::addColumn<bool>("switchOn");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QByteArray>("sentCode");

    QTest::newRow("unchanged: 8 bytes without NUL, switch 0x55 to 1")
            << quint8(0x55) << QByteArray("Ab12Cd34") << true << QString() << QByteArray("Ab12Cd34");
    QTest::newRow("switched off, a shorter code leaves no bytes behind")
            << quint8(1) << QByteArray("Ab12Cd34") << false << QString("xyz789") << QByteArray("xyz789\0\0", 8);
}

void tst_LumaroConfigWnd::aSaveChangesOnlyTheSwitchAndTheCode()
{
    QFETCH(quint8, storedSwitch);
    QFETCH(QByteArray, storedCode);
    QFETCH(bool, switchOn);
    QFETCH(QString, code);
    QFETCH(QByteArray, sentCode);

    const QByteArray stored = seededRecord(storedSwitch, storedCode);
    m_fixture->setRecord("Ex_Param_V3_T", stored);
    auto *page = showPage();
    auto *edit = page->findChild<QLineEdit *>("lineEdit");
    QCOMPARE(edit->text(), QString::fromLatin1(storedCode));
    QVERIFY(page->findChild<QCheckBox *>("checkBox")->isChecked());
    page->findChild<QCheckBox *>("checkBox")->setChecked(switchOn);
    if (!code.isNull())
        edit->setText(code);
    save(page);
    QTRY_COMPARE(m_fixture->toasts(page), QStringList {"保存成功"});

    QByteArray expected = stored;
    expected[17] = switchOn ? 1 : 0;
    expected.replace(20, 8, sentCode);
    QCOMPARE(m_fixture->sent(kSetExParam), expected);
    QCOMPARE(m_fixture->record("Ex_Param_V3_T"), expected);
}

void tst_LumaroConfigWnd::aCodeNeedsSixCharactersEvenWithTheSwitchOff_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("sent");

    QTest::newRow("5") << "ab12C" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("6") << "ab12CD" << true;
    QTest::newRow("8") << "ab12CD34" << true;
}

void tst_LumaroConfigWnd::aCodeNeedsSixCharactersEvenWithTheSwitchOff()
{
    QFETCH(QString, code);
    QFETCH(bool, sent);

    m_fixture->setRecord("Ex_Param_V3_T", seededRecord(0, "Zz9Zz9Zz"));
    auto *page = showPage();
    page->findChild<QLineEdit *>("lineEdit")->setText(code);
    save(page);
    auto *frame = page->findChild<QFrame *>("ip_point_frame1");
    if (sent) {
        QTRY_COMPARE(m_fixture->toasts(page), QStringList {"保存成功"});
        QVERIFY(!frame->isVisible());
        QCOMPARE(m_fixture->sent(kSetExParam).mid(20, code.size()), code.toLatin1());
    } else {
        QVERIFY(frame->isVisible());
        QCOMPARE(page->findChild<QLabel *>("ip_point_text_1")->text(), QString("6-8位数字、字母"));
        QTest::qWait(20);
        QCOMPARE(m_fixture->requestCount(kSetExParam), 0);
        QCOMPARE(m_fixture->toasts(page), QStringList());
    }
}

void tst_LumaroConfigWnd::anotherPagesSaveOfTheRecordIsNotReportedHere()
{
    auto *page = showPage();
    QVERIFY(m_fixture->manager()->SetDevExParamV3(1, 2, 3, 4, 5, 6, 7));
    QTRY_COMPARE(m_fixture->record("Ex_Param_V3_T").at(3), char(1));
    QTest::qWait(50);
    QCOMPARE(m_fixture->requestCount(kSetExParam), 1);
    QCOMPARE(m_fixture->toasts(page), QStringList());
}

void tst_LumaroConfigWnd::aSaveBeforeTheRecordArrivedSendsNothing()
{
    m_fixture->silence(kGetExParam);
    auto *page = showPage(false);
    page->findChild<QLineEdit *>("lineEdit")->setText("abc123");
    save(page);
    QCOMPARE(m_fixture->toasts(page), QStringList {"保存失败"});
    QTest::qWait(20);
    QCOMPARE(m_fixture->requestCount(kSetExParam), 0);
}

void tst_LumaroConfigWnd::theHintIsShortWithoutTarvioAndQuensa_data()
{
    QTest::addColumn<bool>("tarvioOrQuensa");
    QTest::addColumn<QString>("hint");

    QTest::newRow("offered") << true << "TARVIO、QUENSA、国标 、Lumaro同时只可启用一个平台";
    QTest::newRow("neither") << false << "QUENSA、国标 、Lumaro同时只可启用一个平台";
}

void tst_LumaroConfigWnd::theHintIsShortWithoutTarvioAndQuensa()
{
    QFETCH(bool, tarvioOrQuensa);
    QFETCH(QString, hint);

    const sim::camera::CameraProfile camera = PageFixture::profile("G3-12");
    m_fixture->loginTo(tarvioOrQuensa ? camera : NamedProfiles::withoutTarvioOrQuensa(camera));
    auto *page = showPage();
    QCOMPARE(page->findChild<QLabel *>("lblTips")->text(), hint);
}

void tst_LumaroConfigWnd::theCamerasVerdictEndsTheSave_data()
{
    PageFixture::addVerdictRows();
}

void tst_LumaroConfigWnd::theCamerasVerdictEndsTheSave()
{
    QFETCH(int, result);
    QFETCH(QString, toast);

    m_fixture->setRecord("Ex_Param_V3_T", seededRecord(1, "abc12345"));
    auto *page = showPage();
    m_fixture->setResult(kSetExParam, result);
    save(page);
    QTRY_COMPARE(m_fixture->toasts(page), QStringList {toast});
}

void tst_LumaroConfigWnd::aRefusedWriteShowsOneFailure()
{
    m_fixture->setRecord("Ex_Param_V3_T", seededRecord(1, "abc12345"));
    auto *page = showPage();
    m_fixture->failNextWrite();
    save(page);
    QTest::qWait(50);
    QCOMPARE(m_fixture->toasts(page), QStringList {"保存失败"});
}

QTEST_MAIN(tst_LumaroConfigWnd)
#include "tst_LumaroConfigWnd.moc"
