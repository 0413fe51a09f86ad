// The main window over a logged-in simulated camera: page switching and its
// refusal while downloads are queued, the download badge and panel, the
// device header strip, dragging, the identity of the all-parameters reply and
// closing.

#include "CameraRig.h"
#include "DeviceChangeWnd.h"
#include "DownLoadWnd.h"
#include "LittleEndian.h"
#include "LoadingPlugin.h"
#include "LocalText.h"
#include "MainWindow.h"
#include "MediaDownLoadWnd.h"
#include "MediaMessageWndEx.h"
#include "NamedProfiles.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QtTest>

#include <memory>

namespace {

const QString kPassword = QStringLiteral("123456");

int received(const CameraRig &rig, std::uint32_t command)
{
    int count = 0;
    for (const auto &packet : rig.camera(0).receivedPackets()) {
        if (packet.size() >= 20 && sim::camera::le::u32At(packet, 8) == 1
            && sim::camera::le::u32At(packet, 12) == command)
            ++count;
    }
    return count;
}

bool showsPicture(const QLabel *label, const char *path)
{
    return label->pixmap(Qt::ReturnByValue).toImage() == QPixmap(QString::fromLatin1(path)).toImage();
}

} // namespace

class tst_MainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void queuedDownloadsKeepTheOperatorOnTheMediaPage();
    void badgeAndPanelFollowTheQueue();
    void stripShowsTheIdsAndClosesWhenLeft();
    void stripLogOutClosesTheWindowWithoutClosingTheCamera();
    void dragBand_data();
    void dragBand();
    void allParametersIdentityReachesTitleAndManager();
    void closeShowsOverlayLogsOutClosesCameraThenWindow();
    void settingsSaveReachesTheMediaPage();
    void usbDiskModeYesEndsTheProgram();

private:
    QPushButton *button(const char *name) const { return m_window->findChild<QPushButton *>(name); }
    int page() const { return m_window->findChild<QStackedWidget *>("stackedWidget")->currentIndex(); }

    std::unique_ptr<CameraRig> m_rig;
    std::unique_ptr<MainWindow> m_window;
};

void tst_MainWindow::init()
{
    m_rig.reset(new CameraRig({NamedProfiles::Gen3Json}));
    QVERIFY(m_rig->discover());
    QVERIFY(m_rig->loginAs(0, kPassword));
    m_window.reset(new MainWindow);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void tst_MainWindow::cleanup()
{
    m_window.reset();
    m_rig.reset();
}

void tst_MainWindow::queuedDownloadsKeepTheOperatorOnTheMediaPage()
{
    QCOMPARE(page(), 1);
    QVERIFY(!button("deviceConfig_btn")->isEnabled());
    m_window->AddDownLoadTask({"/mnt/sdcard/DCIM/a.MP4", "/mnt/sdcard/DCIM/b.JPG", "/mnt/sdcard/DCIM/c.WAV"},
                              QDir::tempPath());

    QTest::mouseClick(button("media_btn"), Qt::LeftButton);
    QCOMPARE(page(), 0);
    QVERIFY(!button("media_btn")->isEnabled());
    QVERIFY(m_window->findChild<QFrame *>("load_frame")->isVisible());

    QTest::mouseClick(button("deviceConfig_btn"), Qt::LeftButton);
    QTest::mouseClick(button("logInfo_btn"), Qt::LeftButton);
    QCOMPARE(page(), 0);
    QTest::mouseClick(button("deviceID_btn"), Qt::LeftButton);
    auto *strip = m_window->findChild<DeviceChangeWnd *>();
    QVERIFY(strip->isHidden());

    QSignalSpy changes(m_window.get(), &MainWindow::reqChangeDevice);
    emit strip->changeDevice();
    QCOMPARE(changes.count(), 0);
    QCOMPARE(received(*m_rig, 24), 0);
}

void tst_MainWindow::badgeAndPanelFollowTheQueue()
{
    auto *badge = button("hint_btn");
    auto *panel = m_window->findChild<DownLoadWnd *>();
    QTest::mouseClick(button("media_btn"), Qt::LeftButton);
    QVERIFY(badge->isHidden());

    m_window->AddDownLoadTask({"/a.MP4", "/b.MP4", "/c.MP4"}, QDir::tempPath());
    QCOMPARE(badge->text(), QStringLiteral("3"));
    QVERIFY(badge->isVisible());
    emit panel->listCountChanged(0);
    QVERIFY(badge->isHidden());
    emit panel->listCountChanged(2);
    QCOMPARE(badge->text(), QStringLiteral("2"));
    emit panel->clearDownLoadList();
    QVERIFY(badge->isHidden());
    QCOMPARE(badge->text(), QString());

    const int x = m_window->findChild<QFrame *>("load_frame")->x() - 537;
    QTest::mouseClick(button("load_btn"), Qt::LeftButton);
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->pos(), QPoint(x, 24));
    QTest::mouseClick(button("load_btn"), Qt::LeftButton);
    QVERIFY(panel->isHidden());

    // Leaving the panel closes it, and the next click opens it again.
    QTest::mouseClick(button("load_btn"), Qt::LeftButton);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(panel, &leave);
    QVERIFY(panel->isHidden());
    QTest::mouseClick(button("load_btn"), Qt::LeftButton);
    QVERIFY(panel->isVisible());
}

void tst_MainWindow::stripShowsTheIdsAndClosesWhenLeft()
{
    const QString longId = QStringLiteral("执法记录仪设备编号一二三四五六七八九十");
    m_rig->manager()->SetDevIdInfo(longId, QStringLiteral("100001"));
    auto *picture = m_window->findChild<QLabel *>("user_down_img");
    auto *strip = m_window->findChild<DeviceChangeWnd *>();
    QVERIFY(showsPicture(picture, ":/Resources/image/USER_NORMAL.png"));

    QTest::mouseClick(button("deviceID_btn"), Qt::LeftButton);
    QVERIFY(strip->isVisible());
    QCOMPARE(strip->pos(), QPoint(10, 40));
    QCOMPARE(strip->height(), 121);
    QVERIFY(showsPicture(picture, ":/Resources/image/USER_DOWN.png"));
    auto *devId = strip->findChild<QLabel *>("DevID_Label");
    QCOMPARE(devId->toolTip(), longId);
    QVERIFY(devId->text() != longId);
    QVERIFY(devId->text().endsWith(QChar(0x2026)));
    QCOMPARE(strip->findChild<QLabel *>("PolID_Label")->toolTip(), QStringLiteral("100001"));

    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(strip, &leave);
    QVERIFY(strip->isHidden());
    QVERIFY(showsPicture(picture, ":/Resources/image/USER_NORMAL.png"));
    // The header opens it again with one click.
    QTest::mouseClick(button("deviceID_btn"), Qt::LeftButton);
    QVERIFY(strip->isVisible());
}

void tst_MainWindow::stripLogOutClosesTheWindowWithoutClosingTheCamera()
{
    // Closed, not just hidden: with the log-in window hidden this ends the
    // program (the end-to-end test runs the event loop to its end).
    QSignalSpy closed(m_window.get(), &MainWindow::mainWidgetClose);
    QVERIFY(m_window->testAttribute(Qt::WA_QuitOnClose));
    QTest::mouseClick(button("deviceID_btn"), Qt::LeftButton);
    auto *strip = m_window->findChild<DeviceChangeWnd *>();
    QTest::mouseClick(strip->findChild<QPushButton *>("Login_Out_Btn"), Qt::LeftButton);
    QCOMPARE(received(*m_rig, 24), 1);
    QVERIFY(!m_window->isVisible());
    QCOMPARE(closed.count(), 1);
    QVERIFY(m_rig->isOpen(0));
}

void tst_MainWindow::dragBand_data()
{
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<bool>("drags");
    QTest::newRow("x 462") << QPoint(462, 20) << false;
    QTest::newRow("x 463") << QPoint(463, 20) << true;
    QTest::newRow("x 1018") << QPoint(1018, 20) << true;
    QTest::newRow("x 1019") << QPoint(1019, 20) << false;
    QTest::newRow("y 0") << QPoint(700, 0) << false;
    QTest::newRow("y 1") << QPoint(700, 1) << true;
    QTest::newRow("y 39") << QPoint(700, 39) << true;
    QTest::newRow("y 40") << QPoint(700, 40) << false;
    QTest::newRow("x 463, y 1") << QPoint(463, 1) << true;
}

void tst_MainWindow::dragBand()
{
    QFETCH(QPoint, pos);
    QFETCH(bool, drags);
    QCOMPARE(MainWindow::isInDragBand(pos), drags);
}

void tst_MainWindow::allParametersIdentityReachesTitleAndManager()
{
    // The camera was renamed since discovery: the all-parameters reply that
    // the configuration page's first show asked for carries the new IDs.
    QByteArray identity(128, '\0');
    const QByteArray officer = LocalText::encode(QStringLiteral("警员7"));
    const QByteArray device = LocalText::encode(QStringLiteral("新设备9"));
    identity.replace(0, officer.size(), officer);
    identity.replace(64, device.size(), device);
    m_window.reset();
    m_rig->camera(0).edit([&](sim::camera::CameraBehaviour &camera) {
        camera.parameters().setRecord("DEVICE_ID_PARA_T",
                                      sim::camera::le::Bytes(identity.cbegin(), identity.cend()));
    });
    m_window.reset(new MainWindow);
    m_window->show();

    auto *title = m_window->findChild<QLabel *>("deviceID");
    QTRY_COMPARE(title->text(), QStringLiteral("新设备9"));
    const DEVICE_ID_PARA_T info = m_rig->manager()->GetDevIdInfo();
    QCOMPARE(LocalText::decodeField(info.deviceId, 64), QStringLiteral("新设备9"));
    QCOMPARE(LocalText::decodeField(info.userId, 64), QStringLiteral("警员7"));
    const DEVICE_ID_PARA_T param = m_rig->manager()->GetDevIdParam();
    QCOMPARE(LocalText::decodeField(param.deviceId, 64), QStringLiteral("新设备9"));
}

void tst_MainWindow::closeShowsOverlayLogsOutClosesCameraThenWindow()
{
    auto *overlay = m_window->findChild<LoadingPlugin *>();
    bool overlayUp = false;
    int logOuts = -1;
    bool cameraOpen = true;
    connect(m_window.get(), &MainWindow::mainWidgetClose, this, [&] {
        overlayUp = overlay->isVisible() && overlay->size() == m_window->size();
        logOuts = received(*m_rig, 24);
        cameraOpen = m_rig->isOpen(0);
    });
    QTest::mouseClick(button("close_btn"), Qt::LeftButton);
    QVERIFY(overlayUp);
    QCOMPARE(logOuts, 1);
    QVERIFY(!cameraOpen);
    QVERIFY(!m_window->isVisible());
}

void tst_MainWindow::settingsSaveReachesTheMediaPage()
{
    QTest::mouseClick(button("setting_btn"), Qt::LeftButton);
    const QString folder = QDir::tempPath();
    m_window->findChild<QLineEdit *>("Local_File_Edit")->setText(folder);
    QTest::mouseClick(button("Save_Setting_Btn"), Qt::LeftButton);
    QCOMPARE(m_window->findChild<MediaMessageWndEx *>()->downLoadWnd()->findChild<QLineEdit *>("Path_edit")->text(), folder);
}

void tst_MainWindow::usbDiskModeYesEndsTheProgram()
{
    QTest::mouseClick(button("modelChange_btn"), Qt::LeftButton);
    QPushButton *ok = button("popup_ok_btn");
    QVERIFY(ok->isVisible());
    // The camera's yes closes the window, the last one on screen: the event
    // loop ends. A watchdog ends it with a failure instead.
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
    watchdog.start(10000);
    QTimer::singleShot(0, ok, &QPushButton::click);
    QCOMPARE(QCoreApplication::exec(), 0);
    QCOMPARE(received(*m_rig, 1002), 1);
    QVERIFY(!m_window->isVisible());
}

QTEST_MAIN(tst_MainWindow)
#include "tst_MainWindow.moc"
