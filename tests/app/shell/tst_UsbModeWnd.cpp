#include "CameraRig.h"
#include "OverlayRecorder.h"
#include "UsbModeWnd.h"

#include <QPushButton>
#include <QtTest>

class TestUsbModeWnd : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void okSendsTheSwitchOfTheCamerasGeneration_data();
    void okSendsTheSwitchOfTheCamerasGeneration();
    void cancelAndCloseSendNothing();
    void aRefusedSwitchKeepsTheWindowAndSaysSo();

private:
    // A logged-in camera under a stand-in main window with the popup shown.
    void open(const char *profile);
    QPushButton *button(const char *name) { return m_popup->findChild<QPushButton *>(name); }

    std::unique_ptr<CameraRig> m_rig;
    std::unique_ptr<QWidget> m_window;
    UsbModeWnd *m_popup = nullptr;
};

void TestUsbModeWnd::cleanup()
{
    m_window.reset();
    m_rig.reset();
}

void TestUsbModeWnd::open(const char *profile)
{
    m_rig.reset(new CameraRig({profile}));
    QVERIFY(m_rig->discover());
    QVERIFY(m_rig->loginAs(0, "123456"));
    m_window.reset(new QWidget);
    m_window->resize(1280, 756);
    m_popup = new UsbModeWnd(m_window.get());
    m_popup->resize(m_window->size());
    m_window->show();
    m_popup->show();
}

void TestUsbModeWnd::okSendsTheSwitchOfTheCamerasGeneration_data()
{
    QTest::addColumn<QString>("profile");
    QTest::addColumn<quint32>("command");
    QTest::newRow("generation 3") << "gen3-json" << quint32(1002);
    QTest::newRow("generation 2") << "gen2" << quint32(26);
}

void TestUsbModeWnd::okSendsTheSwitchOfTheCamerasGeneration()
{
    QFETCH(QString, profile);
    QFETCH(quint32, command);
    const QByteArray name = profile.toLatin1();
    open(name.constData());
    // The first answer closes the window; hold it open to count both sends.
    m_window->setAttribute(Qt::WA_DeleteOnClose, false);
    button("popup_ok_btn")->click();
    button("popup_ok_btn")->click();
    QTRY_COMPARE(m_rig->sent(0, command).size(), 2);
    QTRY_VERIFY(!m_window->isVisible());
    QCOMPARE(m_rig->sent(0, command == 26 ? 1002 : 26).size(), 0);
}

void TestUsbModeWnd::cancelAndCloseSendNothing()
{
    open("gen3-json");
    for (const char *name : {"popup_cancle_btn", "popup_close_btn"}) {
        m_popup->show();
        button(name)->click();
        QVERIFY(!m_popup->isVisible());
    }
    QVERIFY(m_window->isVisible());
    // Commands reach the camera in order: one OK now gives exactly one switch.
    m_window->setAttribute(Qt::WA_DeleteOnClose, false);
    m_popup->show();
    button("popup_ok_btn")->click();
    QTRY_VERIFY(!m_window->isVisible());
    QCOMPARE(m_rig->sent(0, 1002).size(), 1);
}

void TestUsbModeWnd::aRefusedSwitchKeepsTheWindowAndSaysSo()
{
    open("gen3-json");
    m_rig->camera(0).setFault(1002, sim::CommandFault::fail());
    OverlayRecorder recorder;
    button("popup_ok_btn")->click();
    // The operator gives up before the answer: the toast still shows, on the window.
    button("popup_cancle_btn")->click();
    QTRY_COMPARE(recorder.texts(OverlayRecorder::Toast), QStringList{"切换U盘模式失败"});
    QCOMPARE(recorder.shown().first().overlay->parent(), m_window.get());
    QVERIFY(m_window->isVisible());
}

QTEST_MAIN(TestUsbModeWnd)
#include "tst_UsbModeWnd.moc"
