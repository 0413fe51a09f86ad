#include "BatchInitDlg.h"
#include "CameraRig.h"
#include "NamedProfiles.h"
#include "UsbBus.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QtTest>

namespace {

constexpr quint32 kGetId = 14;
constexpr quint32 kSetDevActive = 1018;
constexpr int kRunMs = 20000;

} // namespace

class TestBatchInitDlg : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void inputChecksStopBeforeAnythingIsAsked_data();
    void inputChecksStopBeforeAnythingIsAsked();
    void aRunWritesEachCamerasOutcome_data();
    void aRunWritesEachCamerasOutcome();
    void camerasLeftOutOfDiscoveryLeaveNoGapAndASecondRunClearsTheTable();
    void aRefusedRequestCountsAsFailedAndTheRunGoesOn();
    void noCameraSaysSoAndEnablesTheInputs();
    void theCloseButtonEndsTheDialog();

private:
    void start(const char *apPassword = "abcdefgh");
    bool waitForTheEnd();
    QStringList column(int column) const;
    template<typename T>
    T *child(const char *name) const
    {
        return m_dialog->findChild<T *>(name);
    }

    std::unique_ptr<CameraRig> m_rig;
    std::unique_ptr<BatchInitDlg> m_dialog;
};

void TestBatchInitDlg::cleanup()
{
    m_dialog.reset();
    m_rig.reset();
    sim::UsbBus::instance().clearFaults();
}

void TestBatchInitDlg::start(const char *apPassword)
{
    if (!m_dialog)
        m_dialog.reset(new BatchInitDlg);
    m_dialog->show();
    child<QLineEdit>("newPwdInput")->setText("135790");
    child<QLineEdit>("rePwdInput")->setText("135790");
    child<QLineEdit>("newPwdInput_ap")->setText(apPassword);
    child<QLineEdit>("rePwdInput_ap")->setText(apPassword);
    child<QPushButton>("recogniteBtn")->click();
}

bool TestBatchInitDlg::waitForTheEnd()
{
    if (!QTest::qWaitFor([this] { return !m_dialog->isRunning(); }, kRunMs))
        return false;
    return child<QPushButton>("recogniteBtn")->isEnabled() && child<QLineEdit>("rePwdInput_ap")->isEnabled();
}

QStringList TestBatchInitDlg::column(int column) const
{
    auto *table = child<QTableWidget>("tableWidget");
    QStringList texts;
    for (int row = 0; row < table->rowCount(); ++row)
        texts << (table->item(row, column) ? table->item(row, column)->text() : QString("(none)"));
    return texts;
}

void TestBatchInitDlg::inputChecksStopBeforeAnythingIsAsked_data()
{
    QTest::addColumn<QStringList>("inputs"); // device, confirmation, AP, AP confirmation
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QString>("text");
    QTest::newRow("empty device password") << QStringList{"", "", "", ""} << "newErrorFrame"
                                           << "请输入六位数字密码";
    QTest::newRow("five digits") << QStringList{"12345", "12345", "", ""} << "newErrorFrame"
                                 << "请输入六位数字密码";
    QTest::newRow("confirmation differs") << QStringList{"123456", "123457", "", ""} << "confirmErrorFrame"
                                          << "密码输入不一致";
    QTest::newRow("seven-character AP")
            << QStringList{"123456", "123456", "abcdefg", "abcdefg"} << "newPwdErrorFrame_ap"
            << "请输入八位wifi密码";
    QTest::newRow("AP confirmation differs")
            << QStringList{"123456", "123456", "abcdefgh", "abcdefgi"} << "confirmErrorFrame_ap"
            << "密码输入不一致";
}

void TestBatchInitDlg::inputChecksStopBeforeAnythingIsAsked()
{
    QFETCH(QStringList, inputs);
    QFETCH(QString, frame);
    QFETCH(QString, text);
    m_dialog.reset(new BatchInitDlg);
    m_dialog->show();
    const char *names[] = {"newPwdInput", "rePwdInput", "newPwdInput_ap", "rePwdInput_ap"};
    for (int i = 0; i < 4; ++i)
        child<QLineEdit>(names[i])->setText(inputs.at(i));
    // The message takes room kept for it: no field and no button moves.
    const auto places = [this, &names] {
        QList<QRect> rects;
        for (const char *name : names)
            rects << QRect(child<QWidget>(name)->mapTo(m_dialog.get(), QPoint()), child<QWidget>(name)->size());
        auto *button = child<QWidget>("recogniteBtn");
        rects << QRect(button->mapTo(m_dialog.get(), QPoint()), button->size());
        return rects;
    };
    QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
    const QList<QRect> before = places();
    child<QPushButton>("recogniteBtn")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QCOMPARE(places(), before);

    const QStringList frames{"newErrorFrame", "confirmErrorFrame", "newPwdErrorFrame_ap",
                             "confirmErrorFrame_ap"};
    for (const QString &name : frames)
        QCOMPARE(child<QWidget>(name.toLatin1())->isVisible(), name == frame);
    QCOMPARE(child<QWidget>(frame.toLatin1())->findChildren<QLabel *>().last()->text(), text);
    QVERIFY(!m_dialog->discoveryStarted());
    QVERIFY(child<QPushButton>("recogniteBtn")->isEnabled());
}

void TestBatchInitDlg::aRunWritesEachCamerasOutcome_data()
{
    QTest::addColumn<QStringList>("cameras");
    QTest::addColumn<QString>("apPassword");
    QTest::addColumn<int>("failActivationOf"); // -1: none
    QTest::addColumn<QStringList>("outcomes");
    QTest::newRow("the second already activated")
            << QStringList{NamedProfiles::NotActivated, NamedProfiles::Gen3Json,
                           NamedProfiles::NotActivatedNoHotspot}
            << "abcdefgh" << -1 << QStringList{"激活成功", "已激活", "激活成功"};
    // The empty hotspot password still goes out; only a camera that takes one refuses it.
    QTest::newRow("empty hotspot password")
            << QStringList{NamedProfiles::NotActivated, NamedProfiles::NotActivatedNoHotspot} << "" << -1
            << QStringList{"请重置初始热点密码", "激活成功"};
    QTest::newRow("a camera rejects the device password")
            << QStringList{NamedProfiles::NotActivatedNoHotspot, NamedProfiles::NotActivated} << "abcdefgh"
            << 0 << QStringList{"激活失败", "激活成功"};
    QTest::newRow("a camera without activation")
            << QStringList{NamedProfiles::Gen2} << "abcdefgh" << -1 << QStringList{"已激活"};
}

void TestBatchInitDlg::aRunWritesEachCamerasOutcome()
{
    QFETCH(QStringList, cameras);
    QFETCH(QString, apPassword);
    QFETCH(int, failActivationOf);
    QFETCH(QStringList, outcomes);
    QList<QByteArray> names;
    QList<const char *> profiles;
    for (const QString &camera : cameras)
        names << camera.toLatin1();
    for (const QByteArray &name : qAsConst(names))
        profiles << name.constData();
    m_rig.reset(new CameraRig(profiles));
    if (failActivationOf >= 0)
        m_rig->camera(failActivationOf).setFault(kSetDevActive, sim::CommandFault::fail());

    const QByteArray ap = apPassword.toLatin1();
    start(ap.constData());
    QVERIFY(!child<QPushButton>("recogniteBtn")->isEnabled());
    QVERIFY(!child<QLineEdit>("newPwdInput")->isEnabled());
    QVERIFY(waitForTheEnd());

    QCOMPARE(column(1), outcomes);
    QStringList numbers;
    for (int i = 1; i <= cameras.size(); ++i)
        numbers << QString::number(i);
    QCOMPARE(column(0), numbers);
    QCOMPARE(column(2), QStringList(QVector<QString>(cameras.size(), "100001").toList()));
    QCOMPARE(column(3), QStringList(QVector<QString>(cameras.size(), "CAM0000001").toList()));
    QCOMPARE(child<QStackedWidget>("devStackedWidget")->currentIndex(), 0);
    // One at a time: each camera was asked only after the one before it was done.
    for (int i = 1; i < cameras.size(); ++i)
        QVERIFY(m_rig->sent(i - 1, 1020).last().time < m_rig->sent(i, 1020).first().time);
}

void TestBatchInitDlg::camerasLeftOutOfDiscoveryLeaveNoGapAndASecondRunClearsTheTable()
{
    m_rig.reset(new CameraRig(
            {NamedProfiles::NotActivated, NamedProfiles::NotActivated, NamedProfiles::NotActivated}));
    start();
    QVERIFY(waitForTheEnd());
    QCOMPARE(column(1), QStringList({"激活成功", "激活成功", "激活成功"}));

    // The middle camera no longer answers for its identity: indexes 0 and 2.
    m_rig->manager()->setReplyDeadlines(150, 2000);
    m_rig->camera(1).setFault(kGetId, sim::CommandFault::noAnswer());
    start();
    QVERIFY(waitForTheEnd());
    QCOMPARE(column(0), QStringList({"1", "3"}));
    QCOMPARE(column(1), QStringList({"已激活", "已激活"}));
    QCOMPARE(m_rig->sent(1, 1020).size(), 1);
    QCOMPARE(m_rig->sent(2, 1020).size(), 2);
}

void TestBatchInitDlg::aRefusedRequestCountsAsFailedAndTheRunGoesOn()
{
    m_rig.reset(new CameraRig(
            {NamedProfiles::NotActivated, NamedProfiles::NotActivated, NamedProfiles::NotActivated}));
    // Once discovery is over, nothing more can be written to the middle camera.
    QObject::connect(
            m_rig->manager(), &MainManager::updateDevListOver, m_rig->manager(),
            [] { sim::UsbBus::instance().failCall(sim::UsbCall::BulkWrite, -1, sim::UsbBus::Always, 1); },
            Qt::DirectConnection);
    start();
    QVERIFY(waitForTheEnd());
    QCOMPARE(column(1), QStringList({"激活成功", "激活失败", "激活成功"}));
}

void TestBatchInitDlg::noCameraSaysSoAndEnablesTheInputs()
{
    m_rig.reset(new CameraRig(std::vector<sim::camera::CameraProfile>{}));
    start();
    QCOMPARE(child<QLabel>("labNoDev")->text(), QString("正在识别设备，请稍候..."));
    QCOMPARE(child<QStackedWidget>("devStackedWidget")->currentIndex(), 1);
    QVERIFY(waitForTheEnd());
    QCOMPARE(child<QLabel>("labNoDev")->text(), QString("未识别到设备，请检查连接"));
    QCOMPARE(child<QStackedWidget>("devStackedWidget")->currentIndex(), 1);
}

void TestBatchInitDlg::theCloseButtonEndsTheDialog()
{
    m_dialog.reset(new BatchInitDlg);
    QTimer::singleShot(0, this, [this] { child<QPushButton>("closeBtn")->click(); });
    QCOMPARE(m_dialog->showDlg(), int(QDialog::Rejected));
    QVERIFY(!m_dialog->isVisible());
}

QTEST_MAIN(TestBatchInitDlg)
#include "tst_BatchInitDlg.moc"
