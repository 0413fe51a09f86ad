// Shots of the main window after a log-in: the buttons each kind of camera
// gets, the configuration page with and without its overlay, the device strip,
// the download badge with its panel, the closing overlay and the pop-ups.

#include "CameraRig.h"
#include "DeviceChangeWnd.h"
#include "DeviceConfigureWnd.h"
#include "DownLoadWnd.h"
#include "HintWnd.h"
#include "LoadingPlugin.h"
#include "MainWindow.h"
#include "NamedProfiles.h"
#include "Shot.h"

#include <QCoreApplication>
#include <QDir>
#include <QPushButton>

namespace {

const QString kPassword = QStringLiteral("123456");

void logIn(ShotContext &context)
{
    CameraRig &cameras = context.cameras();
    if (!cameras.discover() || !cameras.loginAs(0, kPassword))
        throw ShotFailure("the log-in to the simulated camera");
}

// The main window as the operator first sees it; with `settled` once the
// configuration page's parameters have arrived.
MainWindow *mainWindow(ShotContext &context, bool settled = true)
{
    logIn(context);
    auto *window = context.keep(new MainWindow);
    window->show();
    if (settled) {
        auto *overlay = window->findChild<DeviceConfigureWnd *>()->findChild<HintWnd *>();
        context.waitFor([overlay] { return overlay->isHidden(); }, QStringLiteral("the configuration reply"));
    }
    return window;
}

QWidget *click(MainWindow *window, const char *button)
{
    window->findChild<QPushButton *>(button)->click();
    return window;
}

} // namespace

VANTREL_SHOT(main_gen3_json, {NamedProfiles::Gen3Json},
             [](ShotContext &context) -> QWidget * { return mainWindow(context); });
VANTREL_SHOT(main_gen3_no_media, {NamedProfiles::Gen3NoMedia},
             [](ShotContext &context) -> QWidget * { return mainWindow(context); });
VANTREL_SHOT(main_gen3_classic, {NamedProfiles::Gen3Classic},
             [](ShotContext &context) -> QWidget * { return mainWindow(context); });
VANTREL_SHOT(main_gen2, {NamedProfiles::Gen2},
             [](ShotContext &context) -> QWidget * { return mainWindow(context); });

VANTREL_SHOT(main_config_overlay, {NamedProfiles::Gen3Json}, [](ShotContext &context) -> QWidget * {
    // A camera that does not answer the all-parameters request keeps the
    // overlay up until the operator presses OK.
    logIn(context);
    context.cameras().camera(0).setFault(1003, sim::CommandFault::noAnswer());
    auto *window = context.keep(new MainWindow);
    window->show();
    return window;
});

VANTREL_SHOT(main_strip, {NamedProfiles::LongChineseIds},
             [](ShotContext &context) -> QWidget * { return click(mainWindow(context), "deviceID_btn"); });

VANTREL_SHOT(main_downloads, {NamedProfiles::Gen3Json}, [](ShotContext &context) -> QWidget * {
    MainWindow *window = mainWindow(context);
    click(window, "media_btn");
    window->AddDownLoadTask({QStringLiteral("/mnt/sdcard/DCIM/20240301/VID_0001.MP4"),
                             QStringLiteral("/mnt/sdcard/DCIM/20240301/IMG_0002.JPG"),
                             QStringLiteral("/mnt/sdcard/DCIM/20240301/AUD_0003.WAV")},
                            QDir::tempPath());
    return click(window, "load_btn");
});

VANTREL_SHOT(main_closing, {NamedProfiles::Gen3Json}, [](ShotContext &context) -> QWidget * {
    // The close button shows this overlay and then closes the window; the shot
    // stops before the close.
    MainWindow *window = mainWindow(context);
    auto *busy = window->findChild<LoadingPlugin *>();
    busy->resize(window->size());
    busy->SetWaitingText(QCoreApplication::translate("MainWindow", "正在退出，请稍候..."));
    busy->raise();
    busy->show();
    return window;
});

VANTREL_SHOT(main_settings, {NamedProfiles::Gen3Json},
             [](ShotContext &context) -> QWidget * { return click(mainWindow(context), "setting_btn"); });

VANTREL_SHOT(main_usb_mode, {NamedProfiles::Gen3Json},
             [](ShotContext &context) -> QWidget * { return click(mainWindow(context), "modelChange_btn"); });
