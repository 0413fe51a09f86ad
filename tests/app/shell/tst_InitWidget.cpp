#include "CameraRig.h"
#include "InitWidget.h"
#include "PopupWidget.h"
#include "UsbBus.h"

#include <QClipboard>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

const quint32 kDevicePasswordCode = 1018;
const quint32 kApPasswordCode = 1019;

// Replies that a test plays in order: command code and result.
using Replies = QList<QPair<int, int>>;

sim::camera::CameraProfile newCamera(bool takesApPassword)
{
    sim::camera::CameraProfile profile;
    profile.activated = false;
    profile.acceptsApPasswordAtActivation = takesApPassword;
    return profile;
}

} // namespace

class tst_InitWidget : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void inputChecksStopAtTheFirstFailingInput_data();
    void inputChecksStopAtTheFirstFailingInput();
    void outcomeWaitsForEveryExpectedReply_data();
    void outcomeWaitsForEveryExpectedReply();
    void aRefusedSendFailsAtOnceAndKeepsTheCount();
    void repliesMeantForTheBatchDialogStaySilent();
    void anEmptyHotspotPasswordIsSentAsSuch();
    void copyAndSelectAllDoNothingInThePasswordInputs();

private:
    void plug(bool takesApPassword);
    void fill(const QString &password, const QString &confirm, const QString &apPassword,
              const QString &apConfirm);
    void pressOk();
    QString toastText() const;
    bool toastShown() const;
    // Lets the replies that the manager has emitted reach the page.
    void deliver(const char *signal, int times);

    std::unique_ptr<CameraRig> m_rig;
    std::unique_ptr<InitWidget> m_page;
};

void tst_InitWidget::init()
{
    plug(true);
}

void tst_InitWidget::cleanup()
{
    m_page.reset();
    m_rig.reset();
}

void tst_InitWidget::plug(bool takesApPassword)
{
    m_page.reset();
    m_rig.reset();
    m_rig.reset(new CameraRig(std::vector<sim::camera::CameraProfile>{newCamera(takesApPassword)}));
    QVERIFY(m_rig->discover());
    m_page.reset(new InitWidget);
    m_page->resize(578, 464);
    m_page->setDevIndex(0);
    m_page->setApEnabled(takesApPassword);
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
}

void tst_InitWidget::fill(const QString &password, const QString &confirm, const QString &apPassword,
                          const QString &apConfirm)
{
    // Typed, so that the validators and length limits apply as for the operator.
    const QList<QPair<const char *, QString>> inputs = {{"newPwdInput", password},
                                                        {"rePwdInput", confirm},
                                                        {"newPwdInput_ap", apPassword},
                                                        {"rePwdInput_ap", apConfirm}};
    for (const auto &input : inputs) {
        auto *edit = m_page->findChild<QLineEdit *>(input.first);
        QVERIFY(edit);
        edit->clear();
        QTest::keyClicks(edit, input.second);
    }
}

void tst_InitWidget::pressOk()
{
    QTest::mouseClick(m_page->findChild<QPushButton *>("Ok_Button"), Qt::LeftButton);
}

QString tst_InitWidget::toastText() const
{
    auto *label = m_page->findChild<PopupWidget *>()->findChild<QLabel *>("text");
    return label ? label->text() : QString();
}

bool tst_InitWidget::toastShown() const
{
    return m_page->findChild<PopupWidget *>()->isVisible();
}

void tst_InitWidget::deliver(const char *signal, int times)
{
    QVERIFY(m_rig->probe().wait(signal, times));
    QCoreApplication::processEvents();
}

void tst_InitWidget::inputChecksStopAtTheFirstFailingInput_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("confirm");
    QTest::addColumn<QString>("apPassword");
    QTest::addColumn<QString>("apConfirm");
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QString>("textLabel");
    QTest::addColumn<QString>("text");

    QTest::newRow("empty device password") << ""
                                           << ""
                                           << ""
                                           << ""
                                           << "newErrorFrame"
                                           << "newPwdErrorText"
                                           << "请输入六位数字密码";
    QTest::newRow("five digits") << "12345"
                                 << "12345"
                                 << ""
                                 << ""
                                 << "newErrorFrame"
                                 << "newPwdErrorText"
                                 << "请输入六位数字密码";
    QTest::newRow("letters are not typed") << "12ab34"
                                           << "1234"
                                           << ""
                                           << ""
                                           << "newErrorFrame"
                                           << "newPwdErrorText"
                                           << "请输入六位数字密码";
    QTest::newRow("confirmation differs") << "246810"
                                          << "246811"
                                          << "hotspot1"
                                          << "hotspot1"
                                          << "confirmErrorFrame"
                                          << "rePwdErrorText"
                                          << "密码输入不一致";
    QTest::newRow("seven hotspot characters") << "246810"
                                              << "246810"
                                              << "hotspot"
                                              << "hotspot"
                                              << "newPwdErrorFrame_ap"
                                              << "newPwdErrorText_ap"
                                              << "请输入八位wifi密码";
    QTest::newRow("hotspot confirmation differs") << "246810"
                                                  << "246810"
                                                  << "hotspot1"
                                                  << "hotspot2"
                                                  << "confirmErrorFrame_ap"
                                                  << "rePwdErrorText_ap"
                                                  << "密码输入不一致";
    QTest::newRow("empty hotspot password, confirmation typed") << "246810"
                                                                << "246810"
                                                                << ""
                                                                << "hotspot1"
                                                                << "confirmErrorFrame_ap"
                                                                << "rePwdErrorText_ap"
                                                                << "密码输入不一致";
}

void tst_InitWidget::inputChecksStopAtTheFirstFailingInput()
{
    QFETCH(QString, password);
    QFETCH(QString, confirm);
    QFETCH(QString, apPassword);
    QFETCH(QString, apConfirm);
    QFETCH(QString, frame);
    QFETCH(QString, textLabel);
    QFETCH(QString, text);

    fill(password, confirm, apPassword, apConfirm);
    pressOk();

    const QStringList frames = {"newErrorFrame", "confirmErrorFrame", "newPwdErrorFrame_ap",
                                "confirmErrorFrame_ap"};
    for (const QString &name : frames)
        QCOMPARE(m_page->findChild<QFrame *>(name)->isVisible(), name == frame);
    QCOMPARE(m_page->findChild<QLabel *>(textLabel)->text(), text);
    QVERIFY(m_rig->sent(0, kDevicePasswordCode).isEmpty());
    QVERIFY(m_rig->sent(0, kApPasswordCode).isEmpty());
}

void tst_InitWidget::outcomeWaitsForEveryExpectedReply_data()
{
    QTest::addColumn<bool>("takesApPassword");
    QTest::addColumn<Replies>("replies");
    QTest::addColumn<QString>("toast");
    QTest::addColumn<bool>("activated");

    QTest::newRow("no hotspot: one reply") << false << Replies{{1018, 0}} << "激活成功" << true;
    QTest::newRow("device reply first") << true << Replies{{1018, 0}, {1019, 0}} << "激活成功" << true;
    QTest::newRow("hotspot reply first") << true << Replies{{1019, 0}, {1018, 0}} << "激活成功" << true;
    QTest::newRow("hotspot 9 after device success")
            << true << Replies{{1018, 0}, {1019, 9}} << "请重置初始热点密码" << false;
    QTest::newRow("hotspot 9 before device failure")
            << true << Replies{{1019, 9}, {1018, 1}} << "请重置初始热点密码" << false;
    QTest::newRow("device 1") << true << Replies{{1018, 1}, {1019, 0}} << "激活失败" << false;
    QTest::newRow("device 1 without hotspot") << false << Replies{{1018, 1}} << "激活失败" << false;
    QTest::newRow("hotspot 1") << true << Replies{{1019, 1}, {1018, 0}} << "激活失败" << false;
}

void tst_InitWidget::outcomeWaitsForEveryExpectedReply()
{
    QFETCH(bool, takesApPassword);
    QFETCH(Replies, replies);
    QFETCH(QString, toast);
    QFETCH(bool, activated);

    plug(takesApPassword);
    // The camera keeps quiet; the test plays its replies in the row's order.
    m_rig->camera(0).setFault(kDevicePasswordCode, sim::CommandFault::noAnswer());
    m_rig->camera(0).setFault(kApPasswordCode, sim::CommandFault::noAnswer());
    QSignalSpy reported(m_page.get(), &InitWidget::sigShowLoginInput);

    fill("246810", "246810", "hotspot1", "hotspot1");
    pressOk();
    QTRY_COMPARE(m_rig->sent(0, kDevicePasswordCode).size(), 1);
    QCOMPARE(m_rig->sent(0, kApPasswordCode).size(), takesApPassword ? 1 : 0);

    int deviceReplies = 0;
    int apReplies = 0;
    for (int i = 0; i < replies.size(); ++i) {
        QVERIFY(!toastShown());
        const QPair<int, int> reply = replies.at(i);
        m_rig->inject(0, quint32(reply.first), quint8(reply.second));
        if (reply.first == int(kDevicePasswordCode))
            deliver("reqSetDevActivate", ++deviceReplies);
        else
            deliver("reqSetDevAPActivate", ++apReplies);
        if (i + 1 < replies.size())
            QVERIFY(reported.isEmpty());
    }
    QTRY_VERIFY(toastShown());
    QCOMPARE(toastText(), toast);
    if (activated) {
        QCOMPARE(reported.size(), 1);
        QCOMPARE(reported.first().first().toBool(), true);
    } else {
        QVERIFY(reported.isEmpty());
    }
}

void tst_InitWidget::aRefusedSendFailsAtOnceAndKeepsTheCount()
{
    QSignalSpy reported(m_page.get(), &InitWidget::sigShowLoginInput);
    fill("246810", "246810", "hotspot1", "hotspot1");
    // The device password cannot be written; the hotspot password goes out.
    sim::UsbBus::instance().failCall(sim::UsbCall::BulkWrite, -1, 1, 0);
    pressOk();
    QVERIFY(toastShown());
    QCOMPARE(toastText(), QStringLiteral("激活失败"));
    QVERIFY(m_rig->sent(0, kDevicePasswordCode).isEmpty());

    // The hotspot reply alone does not complete the exchange.
    m_page->findChild<PopupWidget *>()->hide();
    deliver("reqSetDevAPActivate", 1);
    QVERIFY(!toastShown());
    QVERIFY(reported.isEmpty());

    // A new press starts afresh.
    pressOk();
    QTRY_VERIFY(toastShown());
    QCOMPARE(toastText(), QStringLiteral("激活成功"));
    QCOMPARE(reported.size(), 1);
}

void tst_InitWidget::repliesMeantForTheBatchDialogStaySilent()
{
    // The batch dialog activates other cameras while this page waits for nothing.
    QSignalSpy reported(m_page.get(), &InitWidget::sigShowLoginInput);
    m_rig->inject(0, kDevicePasswordCode, 0);
    m_rig->inject(0, kApPasswordCode, 0);
    deliver("reqSetDevActivate", 1);
    deliver("reqSetDevAPActivate", 1);
    QVERIFY(!toastShown());
    QVERIFY(reported.isEmpty());
}

void tst_InitWidget::anEmptyHotspotPasswordIsSentAsSuch()
{
    fill("246810", "246810", "", "");
    pressOk();
    QTRY_VERIFY(toastShown());
    // The camera refuses an empty hotspot password with 9.
    QCOMPARE(toastText(), QStringLiteral("请重置初始热点密码"));
    const QList<CameraRig::SentCommand> sent = m_rig->sent(0, kApPasswordCode);
    QCOMPARE(sent.size(), 1);
    QCOMPARE(sent.first().payload, QByteArray(128, '\0'));
}

void tst_InitWidget::copyAndSelectAllDoNothingInThePasswordInputs()
{
    const QStringList names = {"newPwdInput", "rePwdInput", "newPwdInput_ap", "rePwdInput_ap"};
    for (const QString &name : names) {
        auto *edit = m_page->findChild<QLineEdit *>(name);
        QVERIFY(edit);
        QTest::keyClicks(edit, "123456");
        // Even with the text shown in clear.
        edit->setEchoMode(QLineEdit::Normal);
        QGuiApplication::clipboard()->setText("before");

        QTest::keySequence(edit, QKeySequence::SelectAll);
        QVERIFY2(!edit->hasSelectedText(), qPrintable(name));
        edit->selectAll();
        QTest::keySequence(edit, QKeySequence::Copy);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
        QCOMPARE(edit->text(), QStringLiteral("123456"));
    }
}

QTEST_MAIN(tst_InitWidget)
#include "tst_InitWidget.moc"
