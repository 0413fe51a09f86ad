// Shots of the system configuration: the system parameters tab on a classic
// third-generation camera (ten boxes flowing in their frame) and on a
// second-generation one, the password tab with an error frame, and the
// identity page with its byte hint and on a model without the version row;
// the time tab in automatic timing with and without the DST rows, in manual
// timing with the calendar open, and with the notice of a camera that cannot
// set its clock; on a JSON camera the system form and the extended parameters
// with their title band.

#include "CameraRig.h"
#include "CustomConfigWndEX.h"
#include "DeviceMessageWnd.h"
#include "FullCamera.h"
#include "HintWnd.h"
#include "behaviour/CameraBehaviour.h"
#include "SafeConfigWnd.h"
#include "SystemParamEXWnd.h"
#include "Shot.h"
#include "SystemConfigWnd.h"
#include "TimeConfigWnd.h"

#include <QCalendarWidget>
#include <QCoreApplication>
#include <QDateTimeEdit>
#include <QMouseEvent>
#include <QRadioButton>

#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace {

const QSize kContainerSize(1260, 800);

void logIn(ShotContext &context)
{
    CameraRig &cameras = context.cameras();
    if (!cameras.discover() || !cameras.loginAs(0, QStringLiteral("123456")))
        throw ShotFailure("system shots: the log-in to the simulated camera failed");
}

void settle(ShotContext &context)
{
    QElapsedTimer timer;
    timer.start();
    context.waitFor([&] { return timer.elapsed() >= 300; }, QStringLiteral("the page"));
}

SystemConfigWnd *showContainer(ShotContext &context, int tab)
{
    auto *container = context.keep(new SystemConfigWnd);
    container->resize(kContainerSize);
    container->show();
    container->findChild<QTabWidget *>(QStringLiteral("tabWidget"))->setCurrentIndex(tab);
    settle(context);
    return container;
}

SystemConfigWnd *containerOn(ShotContext &context, int tab)
{
    logIn(context);
    return showContainer(context, tab);
}

// A camera that keeps a rule: last Sunday of March, 02:00, to the last
// Sunday of October, 03:00, an hour's bias.
void keepDstRule(ShotContext &context)
{
    const qint32 rule[] = {1, 60, 3, 5, 0, 2, 0, 10, 5, 0, 3};
    sim::camera::le::Bytes record(112, 0);
    for (std::size_t i = 0; i < std::size(rule); ++i)
        sim::camera::le::putU32(record, i * 4, std::uint32_t(rule[i]));
    context.cameras().camera(0).edit([&](sim::camera::CameraBehaviour &behaviour) {
        behaviour.parameters().setRecord("USB_DST_T", record);
    });
}

QWidget *timePage(SystemConfigWnd *container)
{
    return container->pageAt(SystemConfigWnd::kTimeTab);
}

QWidget *manualTiming(ShotContext &context)
{
    SystemConfigWnd *container = containerOn(context, SystemConfigWnd::kTimeTab);
    timePage(container)->findChild<QRadioButton *>(QStringLiteral("manual_timing"))->click();
    settle(context);
    return container;
}

QWidget *identityPage(ShotContext &context)
{
    logIn(context);
    auto *page = context.keep(new DeviceMessageWnd);
    page->resize(1262, 808);
    page->show();
    page->initParam();
    settle(context);
    return page;
}

void waitForForm(ShotContext &context, JsonFormPage *page)
{
    context.waitFor([page] { return page->form() && page->form()->isVisible(); }, QStringLiteral("the form"));
}

} // namespace

VANTREL_SHOT(system_json_parameters, {"J"}, [](ShotContext &context) -> QWidget * {
    SystemConfigWnd *container = containerOn(context, SystemConfigWnd::kSystemTab);
    waitForForm(context, qobject_cast<JsonFormPage *>(container->pageAt(SystemConfigWnd::kSystemTab)));
    return container;
});
// The navigator's extended parameters, in the navigator's page area.
VANTREL_SHOT(custom_parameters, {"J"}, [](ShotContext &context) -> QWidget * {
    logIn(context);
    auto *page = context.keep(new CustomConfigWndEX);
    page->resize(1044, 730);
    page->show();
    page->refreshParam();
    waitForForm(context, page);
    return page;
});
VANTREL_SHOT(system_g3_parameters, {"G3-12"},
             [](ShotContext &context) { return containerOn(context, SystemConfigWnd::kSystemTab); });
VANTREL_SHOT(system_g2_parameters, {"G2"},
             [](ShotContext &context) { return containerOn(context, SystemConfigWnd::kSystemTab); });
VANTREL_SHOT(system_password_error, {"G3-12"}, [](ShotContext &context) -> QWidget * {
    SystemConfigWnd *container = containerOn(context, SystemConfigWnd::kPasswordTab);
    QWidget *page = container->pageAt(SystemConfigWnd::kPasswordTab);
    page->findChild<QLineEdit *>(QStringLiteral("pwd_old_edit"))->setText(QStringLiteral("123456"));
    page->findChild<QLineEdit *>(QStringLiteral("pwd_new_edit"))->setText(QStringLiteral("12345"));
    page->findChild<QPushButton *>(QStringLiteral("save_btn"))->click();
    return container;
});
VANTREL_SHOT(system_password_no_old_row, {"no-password"},
             [](ShotContext &context) { return containerOn(context, SystemConfigWnd::kPasswordTab); });
VANTREL_SHOT(identity_long_ids, {"long-chinese-ids"}, [](ShotContext &context) { return identityPage(context); });
VANTREL_SHOT(identity_model_5, {"G3-5"}, [](ShotContext &context) { return identityPage(context); });

VANTREL_SHOT(time_g3_automatic, {"G3-12"}, [](ShotContext &context) -> QWidget * {
    logIn(context);
    keepDstRule(context);
    return showContainer(context, SystemConfigWnd::kTimeTab);
});
VANTREL_SHOT(time_g2_automatic, {"G2"},
             [](ShotContext &context) { return containerOn(context, SystemConfigWnd::kTimeTab); });
VANTREL_SHOT(time_manual_calendar, {"G3-12"}, [](ShotContext &context) -> QWidget * {
    QWidget *container = manualTiming(context);
    auto *edit = container->findChild<QDateTimeEdit *>(QStringLiteral("dateTimeEdit"));
    // A press on the edit's arrow opens the pop-up as the operator would.
    const QPoint arrow(edit->width() - 6, edit->height() / 2);
    QMouseEvent press(QEvent::MouseButtonPress, arrow, edit->mapToGlobal(arrow), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(edit, &press);
    QWidget *popup = edit->calendarWidget()->window();
    context.waitFor([popup] { return popup->isVisible(); }, QStringLiteral("the calendar pop-up"));
    return popup;
});
VANTREL_SHOT(time_manual, {"G3-12"}, [](ShotContext &context) { return manualTiming(context); });
VANTREL_SHOT(time_not_supported, {"G3-12"}, [](ShotContext &context) -> QWidget * {
    SystemConfigWnd *container = containerOn(context, SystemConfigWnd::kTimeTab);
    // The camera answers a time save with "cannot set the clock".
    context.cameras().camera(0).setFault(17, sim::CommandFault::fail(TimeConfigWnd::kTimeNotSupported));
    QWidget *page = timePage(container);
    page->findChild<QPushButton *>(QStringLiteral("save_btn"))->click();
    auto *notice = page->findChild<HintWnd *>();
    context.waitFor([notice] { return notice->isVisible(); }, QStringLiteral("the notice"));
    return container;
});
