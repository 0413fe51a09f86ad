// Shots of the device-log page and of the maintenance page's device
// operations.

#include "CameraRig.h"
#include "FactoryResetWidget.h"
#include "HintWnd.h"
#include "LocalPaths.h"
#include "LogMsgWnd.h"
#include "NamedProfiles.h"
#include "PopupWidget.h"
#include "Shot.h"
#include "SystemMaintenWnd.h"

#include <QDateTimeEdit>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

const QString kPassword = QStringLiteral("123456");

void logIn(ShotContext &context)
{
    CameraRig &cameras = context.cameras();
    if (!cameras.discover() || !cameras.loginAs(0, kPassword))
        throw ShotFailure("the log-in to the simulated camera");
}

// The log run writes into the working folder: a folder of the shot's own.
QString shotFolder()
{
    static QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    return folder.path();
}

LogMsgWnd *logPage(ShotContext &context)
{
    const QString folder = shotFolder();
    setLocalLogPath(QDir(folder).filePath(QStringLiteral("logs")));
    logIn(context);
    auto *page = context.keep(new LogMsgWnd);
    page->resize(1280, 731);
    page->show();
    auto *count = page->findChild<QLabel *>(QStringLiteral("allNumber_label"));
    context.waitFor([count] { return !count->text().isEmpty(); }, QStringLiteral("the camera's logs"));
    return page;
}

SystemMaintenWnd *maintenancePage(ShotContext &context)
{
    logIn(context);
    auto *window = context.keep(new QWidget);
    window->resize(1044, 696);
    auto *page = new SystemMaintenWnd(window);
    page->resize(window->size());
    page->updateExportParamVisible();
    window->show();
    return page;
}

QWidget *confirmationWithError(ShotContext &context)
{
    SystemMaintenWnd *page = maintenancePage(context);
    page->findChild<QPushButton *>(QStringLiteral("formatBtn"))->click();
    for (FactoryResetWidget *confirmation : page->window()->findChildren<FactoryResetWidget *>()) {
        if (!confirmation->isVisible())
            continue;
        confirmation->findChild<QLineEdit *>(QStringLiteral("pwdEdit"))->setText(QStringLiteral("000000"));
        confirmation->findChild<QPushButton *>(QStringLiteral("okBtn"))->click();
    }
    return page->window();
}

} // namespace

VANTREL_SHOT(log_page_errors, {NamedProfiles::Gen3Json}, [](ShotContext &context) -> QWidget * {
    LogMsgWnd *page = logPage(context);
    page->findChild<QPushButton *>(QStringLiteral("nextPage_btn"))->click();
    page->findChild<QLineEdit *>(QStringLiteral("skipNum_edit"))->setText(QStringLiteral("9"));
    page->findChild<QPushButton *>(QStringLiteral("skip_btn"))->click();
    auto *start = page->findChild<QDateTimeEdit *>(QStringLiteral("start_date"));
    start->setDateTime(start->dateTime().addDays(1));
    page->findChild<QPushButton *>(QStringLiteral("log_search_btn"))->click();
    return page;
});

VANTREL_SHOT(log_page_exported, {NamedProfiles::Gen3Json}, [](ShotContext &context) -> QWidget * {
    LogMsgWnd *page = logPage(context);
    page->findChild<QPushButton *>(QStringLiteral("import_btn"))->click();
    return page;
});

VANTREL_SHOT(maintenance_gen3, {NamedProfiles::Gen3Json},
             [](ShotContext &context) -> QWidget * { return maintenancePage(context)->window(); });
VANTREL_SHOT(maintenance_gen2, {NamedProfiles::Gen2},
             [](ShotContext &context) -> QWidget * { return maintenancePage(context)->window(); });
VANTREL_SHOT(maintenance_wrong_password, {NamedProfiles::Gen3Json}, confirmationWithError);

VANTREL_SHOT(maintenance_countdown, {NamedProfiles::Gen3Json}, [](ShotContext &context) -> QWidget * {
    SystemMaintenWnd *page = maintenancePage(context);
    page->onMemoryFormatRet(0);
    return page->window();
});

VANTREL_SHOT(maintenance_toast, {NamedProfiles::Gen3Json}, [](ShotContext &context) -> QWidget * {
    SystemMaintenWnd *page = maintenancePage(context);
    page->onExportParamsRet(0);
    return page->window();
});
