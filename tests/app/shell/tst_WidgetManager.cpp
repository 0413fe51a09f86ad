// Which top-level window is on screen: the log-in window until a camera is
// logged in, the main window after, a fresh log-in window after a change of
// camera; and one run end to end on the in-process simulated camera, from the
// log-in window to the USB-disk answer that ends the program.

#include "CLoginWidget.h"
#include "CameraRig.h"
#include "DeviceChangeWnd.h"
#include "DeviceConfigureWnd.h"
#include "HintWnd.h"
#include "LittleEndian.h"
#include "LoadingPlugin.h"
#include "MainWindow.h"
#include "MediaDownLoadWnd.h"
#include "MediaMessageWndEx.h"
#include "NamedProfiles.h"
#include "WidgetManager.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

#include <memory>

namespace {

const QString kPassword = QStringLiteral("123456");

int received(const CameraRig &rig, int camera, std::uint32_t command)
{
    int count = 0;
    for (const auto &packet : rig.camera(camera).receivedPackets()) {
        if (packet.size() >= 20 && sim::camera::le::u32At(packet, 8) == 1
            && sim::camera::le::u32At(packet, 12) == command)
            ++count;
    }
    return count;
}

// Counts the log-in windows that come on screen.
class LoginWindowCounter : public QObject
{
public:
    QSet<QObject *> shown;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && qobject_cast<CLoginWidget *>(watched))
            shown.insert(watched);
        return false;
    }
};

QPushButton *button(QWidget *window, const char *name)
{
    return window->findChild<QPushButton *>(name);
}

} // namespace

class tst_WidgetManager : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void aRefusedLogInKeepsTheLogInWindow();
    void changingTheDeviceRebuildsBothWindows();
    void aRepeatedSuccessStillChangesTheDeviceOnce();
    void endToEnd();

private:
    std::unique_ptr<CameraRig> m_rig;
};

void tst_WidgetManager::init()
{
    m_rig.reset(new CameraRig(QList<const char *>{NamedProfiles::Gen3Json, NamedProfiles::Gen2}));
}

void tst_WidgetManager::cleanup()
{
    m_rig.reset();
}

void tst_WidgetManager::aRefusedLogInKeepsTheLogInWindow()
{
    WidgetManager windows;
    QPointer<CLoginWidget> login = windows.loginWidget();
    QVERIFY(login && login->isVisible());
    windows.ShowLoginWidget();
    QCOMPARE(windows.loginWidget(), login.data());

    QVERIFY(m_rig->discover());
    QVERIFY(!m_rig->loginAs(0, QStringLiteral("654321")));
    QCoreApplication::processEvents();
    QVERIFY(!windows.mainWindow());
    QVERIFY(login->isVisible());
}

void tst_WidgetManager::changingTheDeviceRebuildsBothWindows()
{
    WidgetManager windows;
    QVERIFY(m_rig->discover());
    QVERIFY(m_rig->loginAs(0, kPassword));
    QTRY_VERIFY(windows.mainWindow() && windows.mainWindow()->isVisible());
    QPointer<MainWindow> oldMain = windows.mainWindow();
    QPointer<CLoginWidget> oldLogin = windows.loginWidget();
    QVERIFY(oldLogin->isHidden());

    QTest::mouseClick(button(oldMain, "deviceID_btn"), Qt::LeftButton);
    QTest::mouseClick(button(oldMain->findChild<DeviceChangeWnd *>(), "Dev_Change_Btn"), Qt::LeftButton);
    QCOMPARE(received(*m_rig, 0, 24), 1);
    QTRY_VERIFY(!oldMain && !oldLogin);
    QVERIFY(!windows.mainWindow());
    QVERIFY(windows.loginWidget() && windows.loginWidget()->isVisible());
    QVERIFY(m_rig->isOpen(0)); // logged out, not closed

    QVERIFY(m_rig->discover());
    QVERIFY(m_rig->loginAs(1, kPassword));
    QTRY_VERIFY(windows.mainWindow() && windows.mainWindow()->isVisible());
    QVERIFY(windows.loginWidget()->isHidden());
}

void tst_WidgetManager::aRepeatedSuccessStillChangesTheDeviceOnce()
{
    WidgetManager windows;
    QVERIFY(m_rig->discover());
    QVERIFY(m_rig->loginAs(0, kPassword));
    QTRY_VERIFY(windows.mainWindow());
    // A camera that answers the same log-in twice.
    emit m_rig->manager()->deviceLoginResult(true, 0);
    MainWindow *main = windows.mainWindow();

    LoginWindowCounter built;
    qApp->installEventFilter(&built);
    emit main->findChild<DeviceChangeWnd *>()->changeDevice();
    qApp->removeEventFilter(&built);
    QCOMPARE(built.shown.size(), 1);
    QCOMPARE(received(*m_rig, 0, 24), 1);
}

void tst_WidgetManager::endToEnd()
{
    WidgetManager windows;
    CLoginWidget *login = windows.loginWidget();
    auto *busy = login->findChild<LoadingPlugin *>();
    QTest::mouseClick(button(login, "recogniteBtn"), Qt::LeftButton);
    auto *list = login->findChild<QListWidget *>("listWidget");
    QTRY_COMPARE_WITH_TIMEOUT(list->count(), 2, CameraRig::kWaitMs);
    QTRY_VERIFY(busy->isHidden());
    QTest::mousePress(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                      list->visualItemRect(list->item(0)).center());
    QTRY_COMPARE(m_rig->probe().count("devRecvDevJsonAbility"), 1);
    QTRY_VERIFY(busy->isHidden());
    auto *password = login->findChild<QLineEdit *>("pwdInput");
    QVERIFY(password->isVisible());
    QTest::keyClicks(password, kPassword);
    QTest::mouseClick(button(login, "loginBtn"), Qt::LeftButton);

    QTRY_VERIFY_WITH_TIMEOUT(windows.mainWindow() && windows.mainWindow()->isVisible(), CameraRig::kWaitMs);
    QVERIFY(login->isHidden());
    MainWindow *main = windows.mainWindow();
    auto *overlay = main->findChild<DeviceConfigureWnd *>()->findChild<HintWnd *>();
    QTRY_VERIFY(overlay->isHidden());
    QCOMPARE(received(*m_rig, 0, 1003), 1);

    // The settings dialog hands its folder to the media page.
    QTest::mouseClick(button(main, "setting_btn"), Qt::LeftButton);
    const QString folder = QDir::tempPath();
    main->findChild<QLineEdit *>("Local_File_Edit")->setText(folder);
    QTest::mouseClick(button(main, "Save_Setting_Btn"), Qt::LeftButton);
    QCOMPARE(main->findChild<MediaMessageWndEx *>()->downLoadWnd()->findChild<QLineEdit *>("Path_edit")->text(), folder);

    // The camera's yes to USB-disk mode closes the main window, and with the
    // log-in window hidden that ends the program.
    QTest::mouseClick(button(main, "modelChange_btn"), Qt::LeftButton);
    bool ended = false;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
    QTimer::singleShot(0, main, [main] { button(main, "popup_ok_btn")->click(); });
    watchdog.start(10000);
    ended = QCoreApplication::exec() == 0;
    QVERIFY(ended);
    QCOMPARE(received(*m_rig, 0, 1002), 1);
    QVERIFY(!main->isVisible());
}

QTEST_MAIN(tst_WidgetManager)
#include "tst_WidgetManager.moc"
