// The password page: its rules in order, the keys it swallows, the camera
// that logs in without a password, and which password counts as the old one
// after the camera answered.

#include "MainManager.h"
#include "PageFixture.h"
#include "SafeConfigWnd.h"

#include <QClipboard>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using sim::camera::CameraProfile;

namespace {

constexpr quint32 kChangePassword = 16;

QStringList visibleFrames(QWidget *page)
{
    QStringList frames;
    for (const char *name : {"Point_Frame_1", "Point_Frame_2", "Point_Frame_3"})
        if (page->findChild<QFrame *>(name)->isVisible())
            frames << name;
    return frames;
}

} // namespace

class tst_SafeConfigWnd : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_fixture.reset(new PageFixture); }
    void cleanup() { m_fixture.reset(); }

    void theFirstFailingRuleShowsItsFrame_data();
    void theFirstFailingRuleShowsItsFrame();
    void copySelectAllAndASeventhDigitDoNothing();
    void aCameraWithoutPasswordHasNoOldRowAndTakesTheChange();
    void onlyAnAcceptedChangeMovesTheOldPassword_data();
    void onlyAnAcceptedChangeMovesTheOldPassword();

private:
    SafeConfigWnd *showPage();
    void fill(SafeConfigWnd *page, const QString &old, const QString &fresh, const QString &again);
    QScopedPointer<PageFixture> m_fixture;
};

SafeConfigWnd *tst_SafeConfigWnd::showPage()
{
    auto *page = m_fixture->show<SafeConfigWnd>(false);
    page->resetInput();
    return page;
}

void tst_SafeConfigWnd::fill(SafeConfigWnd *page, const QString &old, const QString &fresh, const QString &again)
{
    page->findChild<QLineEdit *>("pwd_old_edit")->setText(old);
    page->findChild<QLineEdit *>("pwd_new_edit")->setText(fresh);
    page->findChild<QLineEdit *>("pwd_config_edit")->setText(again);
}

void tst_SafeConfigWnd::theFirstFailingRuleShowsItsFrame_data()
{
    QTest::addColumn<QString>("profile");
    QTest::addColumn<QString>("old");
    QTest::addColumn<QString>("fresh");
    QTest::addColumn<QString>("again");
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QString>("message");

    // The simulated camera's password is 123456; G3 reports a firmware version, G2 none.
    QTest::newRow("wrong old beats a bad new") << "G3-12" << "654321" << "12a" << "" << "Point_Frame_1"
                                               << "输入的密码错误";
    QTest::newRow("empty new with the firmware flag") << "G3-12" << "123456" << "" << "" << "Point_Frame_2"
                                                      << "密码不能为空";
    QTest::newRow("empty new without it") << "G2" << "123456" << "" << "" << "Point_Frame_2" << "6位数字";
    QTest::newRow("a letter among digits") << "G3-12" << "123456" << "12a456" << "12a456" << "Point_Frame_2"
                                           << "6位数字";
    QTest::newRow("five digits") << "G3-12" << "123456" << "12345" << "12345" << "Point_Frame_2"
                                 << "请输入六位密码";
    QTest::newRow("same as old") << "G3-12" << "123456" << "123456" << "123456" << "Point_Frame_2"
                                 << "新旧密码不可相同";
    QTest::newRow("other confirmation") << "G3-12" << "123456" << "654321" << "654320" << "Point_Frame_3"
                                        << "密码输入不一致";
}

void tst_SafeConfigWnd::theFirstFailingRuleShowsItsFrame()
{
    QFETCH(QString, profile);
    QFETCH(QString, old);
    QFETCH(QString, fresh);
    QFETCH(QString, again);
    QFETCH(QString, frame);
    QFETCH(QString, message);

    m_fixture->loginTo(PageFixture::profile(profile.toLatin1().constData()));
    auto *page = showPage();
    fill(page, old, fresh, again);
    m_fixture->clearRequests();
    QTest::mouseClick(page->findChild<QPushButton *>("save_btn"), Qt::LeftButton);
    QCOMPARE(visibleFrames(page), QStringList {frame});
    const QString textLabel = QStringLiteral("Point_Out_") + frame.right(1);
    QCOMPARE(page->findChild<QLabel *>(textLabel)->text(), message);
    QCOMPARE(m_fixture->requestCount(kChangePassword), 0);
    QVERIFY(m_fixture->toasts(page).isEmpty());
}

void tst_SafeConfigWnd::copySelectAllAndASeventhDigitDoNothing()
{
    m_fixture->loginTo(PageFixture::profile("G3-12"));
    auto *page = showPage();
    auto *field = page->findChild<QLineEdit *>("pwd_new_edit");
    field->setFocus();
    QTest::keyClicks(field, "1234567");
    QCOMPARE(field->text(), QStringLiteral("123456"));

    QApplication::clipboard()->setText(QStringLiteral("clip"));
    field->setCursorPosition(2);
    QTest::keySequence(field, QKeySequence::SelectAll);
    QVERIFY(!field->hasSelectedText());
    field->setSelection(0, 6);
    QTest::keySequence(field, QKeySequence::Copy);
    QTest::keySequence(field, QKeySequence::Cut);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("clip"));
    QCOMPARE(field->text(), QStringLiteral("123456"));
    QCOMPARE(field->contextMenuPolicy(), Qt::NoContextMenu);
}

void tst_SafeConfigWnd::aCameraWithoutPasswordHasNoOldRowAndTakesTheChange()
{
    m_fixture->loginTo(PageFixture::profile(NamedProfiles::NoPassword));
    auto *page = showPage();
    QVERIFY(!page->findChild<QLineEdit *>("pwd_old_edit")->isVisible());
    QVERIFY(!page->findChild<QLabel *>("label_2")->isVisible());

    // Rule 5 does not apply: the new password may be the built-in one.
    const QString builtIn = m_fixture->manager()->getLoginPwd();
    fill(page, QString(), QStringLiteral("246810"), QStringLiteral("246810"));
    QTest::mouseClick(page->findChild<QPushButton *>("save_btn"), Qt::LeftButton);
    QTRY_COMPARE(m_fixture->toasts(page), QStringList {"保存成功"});
    QCOMPARE(m_fixture->sent(kChangePassword).left(builtIn.size()), builtIn.toUtf8());
    QCOMPARE(m_fixture->manager()->getLoginPwd(), QStringLiteral("246810"));
}

void tst_SafeConfigWnd::onlyAnAcceptedChangeMovesTheOldPassword_data()
{
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("toast");
    QTest::addColumn<QString>("oldAfterwards");

    QTest::newRow("accepted") << 0 << "保存成功" << "654321";
    QTest::newRow("refused") << 1 << "保存失败" << "123456";
}

void tst_SafeConfigWnd::onlyAnAcceptedChangeMovesTheOldPassword()
{
    QFETCH(int, result);
    QFETCH(QString, toast);
    QFETCH(QString, oldAfterwards);

    m_fixture->loginTo(PageFixture::profile("G3-12"));
    m_fixture->setResult(kChangePassword, result);
    auto *page = showPage();
    fill(page, "123456", "654321", "654321");
    QTest::mouseClick(page->findChild<QPushButton *>("save_btn"), Qt::LeftButton);
    QTRY_COMPARE(m_fixture->toasts(page), QStringList {toast});

    // The next change checks the old password against the right one.
    page->resetInput();
    fill(page, oldAfterwards, "135790", "135790");
    QVERIFY(page->checkInput());
}

QTEST_MAIN(tst_SafeConfigWnd)
#include "tst_SafeConfigWnd.moc"
