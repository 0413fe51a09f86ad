// Shots of the maintenance page's uploads: the firmware upgrade row while its
// file goes out, the plate-list, logo and name-tag tabs.

#include "CameraRig.h"
#include "DialogAnswers.h"
#include "NamedProfiles.h"
#include "Shot.h"
#include "SystemMaintenWnd.h"
#include "TestPictures.h"
#include "UPFileThread.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>

namespace {

constexpr quint32 kCmdUploadStop = 56;

void logIn(ShotContext &context)
{
    CameraRig &cameras = context.cameras();
    if (!cameras.discover() || !cameras.loginAs(0, QStringLiteral("123456")))
        throw ShotFailure("the log-in to the simulated camera");
}

// Files the shots choose, and "./pic.bmp", live in a folder of the shot's own.
QString shotFolder()
{
    static QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    return folder.path();
}

QString writeFile(const QString &name, const QByteArray &bytes)
{
    const QString path = QDir(shotFolder()).filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw ShotFailure("cannot write a file to choose");
    return path;
}

// The page on the given tab, in a window of the main window's page size.
SystemMaintenWnd *maintenanceTab(ShotContext &context, const char *tab)
{
    logIn(context);
    auto *window = context.keep(new QWidget);
    window->resize(1044, 696);
    auto *page = new SystemMaintenWnd(window);
    page->resize(window->size());
    page->updateExportParamVisible();
    auto *tabs = page->findChild<QTabWidget *>(QStringLiteral("tabWidget"));
    tabs->setCurrentWidget(page->findChild<QWidget *>(QString::fromLatin1(tab)));
    window->show();
    return page;
}

template<typename T>
T *in(QWidget *page, const char *tab, const char *name)
{
    return page->findChild<QWidget *>(QString::fromLatin1(tab))->findChild<T *>(QString::fromLatin1(name));
}

// Chooses the file through the program's own file dialog call.
void choose(QWidget *page, const char *tab, const char *button, const QString &path)
{
    DialogAnswers answers;
    answers.push(path);
    in<QPushButton>(page, tab, button)->click();
}

QWidget *composed(ShotContext &context)
{
    SystemMaintenWnd *page = maintenanceTab(context, "tab_name");
    const char *tab = "tab_name";
    in<QLineEdit>(page, tab, "lineEdit_text1")->setText(context.sample("张三", "J. Smith"));
    in<QLineEdit>(page, tab, "lineEdit_text2")->setText(context.sample("警号 012345", "No. 012345"));
    in<QLineEdit>(page, tab, "lineEdit_text3")->setText(context.sample("巡逻一队", "Patrol 1"));
    in<QLineEdit>(page, tab, "lineEdit_text4")->setText(context.sample("执法记录", "On duty"));
    in<QSpinBox>(page, tab, "spinBox_fontsz1")->setValue(16);
    in<QCheckBox>(page, tab, "checkBox1")->setChecked(true);
    in<QComboBox>(page, tab, "comboBox_fontcol1")->setCurrentIndex(1);
    in<QComboBox>(page, tab, "comboBox_fontcol2")->setCurrentIndex(2);
    in<QCheckBox>(page, tab, "checkBox3")->setChecked(true);
    in<QComboBox>(page, tab, "comboBox_fontcol3")->setCurrentIndex(1);
    in<QComboBox>(page, tab, "comboBox_backcolor")->setCurrentIndex(1);
    in<QComboBox>(page, tab, "comboBox_fontcol4")->setCurrentIndex(1);
    in<QPushButton>(page, tab, "gen_btn")->click();
    return page->window();
}

} // namespace

VANTREL_SHOT(upload_upgrade_sending, {NamedProfiles::Gen3Json}, [](ShotContext &context) -> QWidget * {
    // The page goes with the shot while the camera's verdict is held back.
    UPFileThread::setVerdictTimeout(200);
    SystemMaintenWnd *page = maintenanceTab(context, "tab_operate");
    QByteArray firmware(300000, '\x5a');
    choose(page, "tab_operate", "file_btn", writeFile(QStringLiteral("BWC-3.2.7-upgrade.bin"), firmware));
    context.cameras().camera(0).holdAnswers(kCmdUploadStop);
    in<QPushButton>(page, "tab_operate", "send_btn")->click();
    context.waitFor([&context] { return context.cameras().camera(0).waitHeld(kCmdUploadStop, 10); },
                    QStringLiteral("the upload's stops"));
    return page->window();
});

VANTREL_SHOT(upload_plate_tab, {NamedProfiles::Gen3Json}, [](ShotContext &context) -> QWidget * {
    SystemMaintenWnd *page = maintenanceTab(context, "tab_plane");
    choose(page, "tab_plane", "file_btn", writeFile(QStringLiteral("plates-2026.csv"), "粤B12345\n"));
    return page->window();
});

VANTREL_SHOT(upload_logo_tab, {NamedProfiles::Gen3Json}, [](ShotContext &context) -> QWidget * {
    SystemMaintenWnd *page = maintenanceTab(context, "tab_logo");
    const QString path = QDir(shotFolder()).filePath(QStringLiteral("company-logo.bmp"));
    if (!TestPictures::write(path, TestPictures::Bmp24, {320, 216}))
        throw ShotFailure("cannot write the logo");
    choose(page, "tab_logo", "file_btn", path);
    return page->window();
});

VANTREL_SHOT(upload_name_tag_composed, {NamedProfiles::Gen3Json}, composed);

VANTREL_SHOT(upload_name_tag_wrong_picture, {NamedProfiles::Gen3Json}, [](ShotContext &context) -> QWidget * {
    SystemMaintenWnd *page = maintenanceTab(context, "tab_name");
    const QString path = QDir(shotFolder()).filePath(QStringLiteral("tag-32bit.bmp"));
    if (!TestPictures::write(path, TestPictures::Bmp32NoAlpha, {250, 122}))
        throw ShotFailure("cannot write the picture");
    choose(page, "tab_name", "bush_btn", path);
    return page->window();
});
