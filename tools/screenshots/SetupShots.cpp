// Shots of the set-up dialogs: batch set-up, password recovery, the local
// settings dialog and the USB-disk popup.

#include "BatchInitDlg.h"
#include "CameraRig.h"
#include "DialogAnswers.h"
#include "LocalSettingWnd.h"
#include "NamedProfiles.h"
#include "PwdRecoverWidget.h"
#include "Shot.h"
#include "UsbModeWnd.h"
#include "behaviour/CameraBehaviour.h"
#include "behaviour/DeviceKeyVault.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include <cstring>

namespace {

constexpr quint32 kGetId = 14;
constexpr quint32 kDevCode = 39;

// The main window's area, for the pop-ups that cover it.
QWidget *windowArea(ShotContext &context)
{
    auto *window = context.keep(new QWidget);
    window->setFixedSize(1280, 756);
    window->setAutoFillBackground(true);
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, QColor(245, 245, 250));
    window->setPalette(palette);
    return window;
}

BatchInitDlg *batchDialog(ShotContext &context, const char *password, const char *confirmation)
{
    auto *dialog = context.keep(new BatchInitDlg);
    dialog->show();
    dialog->findChild<QLineEdit *>("newPwdInput")->setText(QString::fromLatin1(password));
    dialog->findChild<QLineEdit *>("rePwdInput")->setText(QString::fromLatin1(confirmation));
    dialog->findChild<QLineEdit *>("newPwdInput_ap")->setText(QStringLiteral("abcdefgh"));
    dialog->findChild<QLineEdit *>("rePwdInput_ap")->setText(QStringLiteral("abcdefgh"));
    dialog->findChild<QPushButton *>("recogniteBtn")->click();
    return dialog;
}

PwdRecoverWidget *recoveryPage(ShotContext &context)
{
    CameraRig &cameras = context.cameras();
    if (!cameras.discover())
        throw ShotFailure("discovery failed");
    auto *page = context.keep(new PwdRecoverWidget);
    page->setDevId(QStringLiteral("CAM0000001"));
    page->setPolId(QStringLiteral("100001"));
    page->setDevIndex(0);
    page->show();
    return page;
}

QString shotFolder(ShotContext &context, const char *name)
{
    Q_UNUSED(context)
    const QString folder = QDir::temp().filePath(QStringLiteral("vantrel-shots/") + QLatin1String(name));
    QDir().mkpath(folder);
    return folder;
}

QWidget *validationShot(ShotContext &context, bool valid)
{
    PwdRecoverWidget *page = recoveryPage(context);
    std::string key;
    context.cameras().camera(0).edit(
            [&key](sim::camera::CameraBehaviour &camera) { key = camera.deviceKey().keyText(); });
    const QByteArray answer = valid ? QByteArray::fromStdString(sim::camera::DeviceKeyVault::answerFor(key))
                                    : QByteArray("<Encrypt><Answer>00</Answer></Encrypt>\n");
    const QString file = QDir(shotFolder(context, valid ? "valid" : "invalid")).filePath("Encrypt.xml");
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(answer) != answer.size())
        throw ShotFailure("cannot write the encrypted file");
    out.close();
    DialogAnswers answers;
    answers.push(file);
    page->findChild<QPushButton *>("importBtn")->click();
    page->findChild<QPushButton *>("validateEncryptBtn")->click();
    QWidget *frame = page->findChild<QWidget *>("errorFrame");
    context.waitFor([frame] { return frame->isVisible(); }, QStringLiteral("the validation result"));
    return page;
}

QWidget *settingsShot(ShotContext &context, bool logs)
{
    if (!logs) {
        // A third-generation camera whose device code has no log support.
        CameraRig &cameras = context.cameras();
        if (!cameras.discover())
            throw ShotFailure("discovery failed");
        QByteArray code(int(sizeof(DEV_CODE_PARA_T)), '\0');
        const quint32 generation = 3;
        std::memcpy(code.data() + 256, &generation, sizeof generation);
        cameras.inject(0, kDevCode, 0, code);
        context.waitFor([&cameras] { return cameras.manager()->GetProtocolVer() == 3; },
                        QStringLiteral("the device code"));
    }
    QWidget *window = windowArea(context);
    auto *dialog = new LocalSettingWnd(window);
    dialog->hide();
    dialog->resize(window->size());
    dialog->move(0, 0);
    window->show();
    dialog->show();
    return window;
}

QWidget *usbShot(ShotContext &context, bool failure)
{
    CameraRig &cameras = context.cameras();
    if (!cameras.discover() || !cameras.loginAs(0, QStringLiteral("123456")))
        throw ShotFailure("log-in failed");
    QWidget *window = windowArea(context);
    auto *popup = new UsbModeWnd(window);
    popup->hide();
    popup->resize(window->size());
    popup->move(0, 0);
    window->show();
    popup->show();
    if (failure) {
        cameras.camera(0).setFault(1002, sim::CommandFault::fail());
        popup->findChild<QPushButton *>("popup_ok_btn")->click();
        context.waitFor([&cameras] { return cameras.probe().count("switchUsbModel") > 0; },
                        QStringLiteral("the switch answer"));
        context.waitFor(
                [window] {
                    for (QWidget *child : window->findChildren<QWidget *>())
                        if (child->inherits("PopupWidget") && child->isVisible())
                            return true;
                    return false;
                },
                QStringLiteral("the failure toast"));
    }
    return window;
}

} // namespace

VANTREL_SHOT(batch_input_errors, {},
             [](ShotContext &context) -> QWidget * { return batchDialog(context, "12345", "12345"); });

// A camera that never answers for its identity keeps discovery going.
VANTREL_SHOT(batch_recognising, {NamedProfiles::NotActivated}, [](ShotContext &context) -> QWidget * {
    CameraRig &cameras = context.cameras();
    cameras.manager()->setReplyDeadlines(3000, 3000);
    cameras.camera(0).setFault(kGetId, sim::CommandFault::noAnswer());
    return batchDialog(context, "135790", "135790");
});

VANTREL_SHOT(batch_table,
             (QList<const char *>{NamedProfiles::NotActivated, NamedProfiles::Gen3Json,
                                  NamedProfiles::NotActivatedNoHotspot}),
             [](ShotContext &context) -> QWidget * {
                 context.cameras();
                 BatchInitDlg *dialog = batchDialog(context, "135790", "135790");
                 context.waitFor([dialog] { return !dialog->isRunning(); },
                                 QStringLiteral("the end of the run"));
                 if (dialog->findChild<QTableWidget *>("tableWidget")->rowCount() != 3)
                     throw ShotFailure("the table does not list the three cameras");
                 return dialog;
             });

VANTREL_SHOT(recovery_fresh, {NamedProfiles::Gen3Json},
             [](ShotContext &context) -> QWidget * { return recoveryPage(context); });

VANTREL_SHOT(recovery_exported, {NamedProfiles::Gen3Json}, [](ShotContext &context) -> QWidget * {
    PwdRecoverWidget *page = recoveryPage(context);
    DialogAnswers answers;
    answers.push(shotFolder(context, "export"));
    page->findChild<QPushButton *>("exportBtn")->click();
    QLabel *hint = page->findChild<QLabel *>("Hint_Text");
    const QString done = PwdRecoverWidget::tr("文件导出成功");
    context.waitFor([hint, done] { return hint->text() == done; }, QStringLiteral("the export"));
    return page;
});

VANTREL_SHOT(recovery_valid, {NamedProfiles::Gen3Json},
             [](ShotContext &context) { return validationShot(context, true); });
VANTREL_SHOT(recovery_invalid, {NamedProfiles::Gen3Json},
             [](ShotContext &context) { return validationShot(context, false); });

VANTREL_SHOT(settings, {}, [](ShotContext &context) { return settingsShot(context, true); });
VANTREL_SHOT(settings_without_log, {NamedProfiles::Gen3Classic},
             [](ShotContext &context) { return settingsShot(context, false); });

VANTREL_SHOT(usb_mode, {NamedProfiles::Gen3Json},
             [](ShotContext &context) { return usbShot(context, false); });
VANTREL_SHOT(usb_mode_failed, {NamedProfiles::Gen3Json},
             [](ShotContext &context) { return usbShot(context, true); });
