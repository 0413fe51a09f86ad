// A password field's text cannot leave it, in hidden or in plain echo; the eye
// switches between the two.

#include "QPasswordWithEye.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QTest>

class tst_QPasswordWithEye : public QObject
{
    Q_OBJECT

private slots:
    void eyeSwitchesBetweenHiddenAndPlainEcho();
    void copyAndCutLeaveTheClipboardAlone_data();
    void copyAndCutLeaveTheClipboardAlone();
    void middleButtonReleaseIsSwallowed();
    void hasNoContextMenuAndNoInputMethod();
};

void tst_QPasswordWithEye::eyeSwitchesBetweenHiddenAndPlainEcho()
{
    QPasswordWithEye field;
    QCOMPARE(field.echoMode(), QLineEdit::Password);
    auto *eye = field.findChild<QAction *>(QStringLiteral("eyeAction"));
    QVERIFY(eye);
    eye->trigger();
    QCOMPARE(field.echoMode(), QLineEdit::Normal);
    field.EyeClicked();
    QCOMPARE(field.echoMode(), QLineEdit::Password);
}

void tst_QPasswordWithEye::copyAndCutLeaveTheClipboardAlone_data()
{
    QTest::addColumn<QLineEdit::EchoMode>("echo");
    QTest::addColumn<QKeySequence::StandardKey>("key");
    QTest::newRow("hidden, copy") << QLineEdit::Password << QKeySequence::Copy;
    QTest::newRow("hidden, cut") << QLineEdit::Password << QKeySequence::Cut;
    QTest::newRow("plain, copy") << QLineEdit::Normal << QKeySequence::Copy;
    QTest::newRow("plain, cut") << QLineEdit::Normal << QKeySequence::Cut;
}

void tst_QPasswordWithEye::copyAndCutLeaveTheClipboardAlone()
{
    QFETCH(QLineEdit::EchoMode, echo);
    QFETCH(QKeySequence::StandardKey, key);
    QApplication::clipboard()->setText(QStringLiteral("before"));
    QPasswordWithEye field;
    field.setEchoMode(echo);
    field.setText(QStringLiteral("s3cret"));
    field.show();
    QVERIFY(QTest::qWaitForWindowExposed(&field));
    field.setFocus();
    field.selectAll();
    QTest::keySequence(&field, QKeySequence(key));
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("before"));
    QCOMPARE(field.text(), QStringLiteral("s3cret"));
}

void tst_QPasswordWithEye::middleButtonReleaseIsSwallowed()
{
    QPasswordWithEye field;
    field.EyeClicked();
    QMouseEvent middle(QEvent::MouseButtonRelease, QPointF(5, 5), Qt::MiddleButton, Qt::NoButton,
                       Qt::NoModifier);
    QMouseEvent left(QEvent::MouseButtonRelease, QPointF(5, 5), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QVERIFY(field.eventFilter(&field, &middle));
    QVERIFY(!field.eventFilter(&field, &left));
}

void tst_QPasswordWithEye::hasNoContextMenuAndNoInputMethod()
{
    QPasswordWithEye field;
    field.show();
    QVERIFY(QTest::qWaitForWindowExposed(&field));
    QCOMPARE(field.contextMenuPolicy(), Qt::NoContextMenu);
    QVERIFY(!field.testAttribute(Qt::WA_InputMethodEnabled));
    QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(5, 5), field.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&field, &request);
    QVERIFY(!QApplication::activePopupWidget());
}

QTEST_MAIN(tst_QPasswordWithEye)
#include "tst_QPasswordWithEye.moc"
