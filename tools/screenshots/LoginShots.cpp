// Shots of the log-in window and the first-time set-up page, each reached by
// pressing through the real window against simulated cameras.

#include "CLoginWidget.h"
#include "CameraRig.h"
#include "InitWidget.h"
#include "LoadingPlugin.h"
#include "NamedProfiles.h"
#include "PopupWidget.h"
#include "Shot.h"

#include <QFrame>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

constexpr quint32 kIdentity = 14;
constexpr quint32 kLogin = 1;

QList<const char *> cameras(std::initializer_list<const char *> names)
{
    return QList<const char *>(names);
}

template<typename T>
T *child(QWidget *window, const char *name)
{
    T *widget = window->findChild<T *>(QString::fromLatin1(name));
    if (!widget)
        throw ShotFailure(QStringLiteral("no %1 in the window").arg(QLatin1String(name)).toStdString());
    return widget;
}

bool busyShown(QWidget *window)
{
    LoadingPlugin *busy = window->findChild<LoadingPlugin *>();
    return busy && busy->isVisible();
}

CLoginWidget *openWindow(ShotContext &context)
{
    context.cameras(); // MainManager and the bus before the window's controller
    auto *window = context.keep(new CLoginWidget);
    window->show();
    return window;
}

void recognise(ShotContext &context, CLoginWidget *window)
{
    QTest::mouseClick(child<QPushButton>(window, "recogniteBtn"), Qt::LeftButton);
    context.waitFor([window] { return !busyShown(window); }, QStringLiteral("the end of recognition"));
}

CLoginWidget *listedWindow(ShotContext &context)
{
    CLoginWidget *window = openWindow(context);
    recognise(context, window);
    return window;
}

// Presses the first row of the list and waits for the password prompt.
CLoginWidget *promptWindow(ShotContext &context)
{
    CLoginWidget *window = listedWindow(context);
    auto *list = child<QListWidget>(window, "listWidget");
    if (!list->item(0))
        throw ShotFailure("no camera listed");
    const QPoint centre = list->visualItemRect(list->item(0)).center();
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, centre);
    context.waitFor([&context] { return context.cameras().probe().count("devRecvDevJsonAbility") > 0; },
                    QStringLiteral("the ability description"));
    context.waitFor([window] { return !busyShown(window); }, QStringLiteral("the password prompt"));
    return window;
}

void logIn(ShotContext &context, CLoginWidget *window, const QString &password)
{
    const int before = context.cameras().probe().count("deviceLoginResult");
    auto *input = child<QLineEdit>(window, "pwdInput");
    input->clear();
    QTest::keyClicks(input, password);
    QTest::keyClick(input, Qt::Key_Return);
    context.waitFor(
            [&context, before] { return context.cameras().probe().count("deviceLoginResult") > before; },
            QStringLiteral("the log-in result"));
    context.waitFor([window] { return !busyShown(window); }, QStringLiteral("the overlay to go"));
}

QWidget *errorShot(ShotContext &context, const QString &password)
{
    CLoginWidget *window = promptWindow(context);
    QTest::keyClicks(child<QLineEdit>(window, "pwdInput"), password);
    QTest::mouseClick(child<QPushButton>(window, "loginBtn"), Qt::LeftButton);
    return window;
}

// The set-up page over the window, for a camera that is not activated.
InitWidget *setUpPage(ShotContext &context)
{
    CLoginWidget *window = listedWindow(context);
    auto *list = child<QListWidget>(window, "listWidget");
    const QPoint centre = list->visualItemRect(list->item(0)).center();
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, centre);
    InitWidget *page = window->findChild<InitWidget *>();
    context.waitFor([page] { return page && page->isVisible(); }, QStringLiteral("the set-up page"));
    return page;
}

void fill(InitWidget *page, const QStringList &texts)
{
    const char *const names[] = {"newPwdInput", "rePwdInput", "newPwdInput_ap", "rePwdInput_ap"};
    for (int i = 0; i < texts.size(); ++i)
        QTest::keyClicks(child<QLineEdit>(page, names[i]), texts.at(i));
    QTest::mouseClick(child<QPushButton>(page, "Ok_Button"), Qt::LeftButton);
}

QWidget *setUpErrorShot(ShotContext &context, const QStringList &texts)
{
    InitWidget *page = setUpPage(context);
    fill(page, texts);
    return page->window();
}

} // namespace

VANTREL_SHOT(login_start, {}, [](ShotContext &context) -> QWidget * { return openWindow(context); });

VANTREL_SHOT(login_recognising, cameras({NamedProfiles::Gen3Json}), [](ShotContext &context) -> QWidget * {
    // The camera keeps its identity to itself, so the window stays busy.
    context.cameras().camera(0).setFault(kIdentity, sim::CommandFault::noAnswer());
    CLoginWidget *window = openWindow(context);
    QTest::mouseClick(child<QPushButton>(window, "recogniteBtn"), Qt::LeftButton);
    return window;
});

VANTREL_SHOT(login_no_device, {}, [](ShotContext &context) -> QWidget * { return listedWindow(context); });

VANTREL_SHOT(login_two_cameras, cameras({NamedProfiles::Gen3Json, NamedProfiles::LongChineseIds}),
             [](ShotContext &context) -> QWidget * { return listedWindow(context); });

VANTREL_SHOT(login_password, cameras({NamedProfiles::LongChineseIds}),
             [](ShotContext &context) -> QWidget * { return promptWindow(context); });

VANTREL_SHOT(login_error_empty, cameras({NamedProfiles::Gen3Json}),
             [](ShotContext &context) { return errorShot(context, QString()); });

VANTREL_SHOT(login_error_short, cameras({NamedProfiles::Gen3Json}),
             [](ShotContext &context) { return errorShot(context, QStringLiteral("12345")); });

VANTREL_SHOT(login_error_wrong, cameras({NamedProfiles::Gen3Json}), [](ShotContext &context) -> QWidget * {
    CLoginWidget *window = promptWindow(context);
    logIn(context, window, QStringLiteral("654321"));
    return window;
});

VANTREL_SHOT(login_error_failed, cameras({NamedProfiles::Gen3Json}), [](ShotContext &context) -> QWidget * {
    // An unanswered log-in ends as one that could not be sent.
    context.cameras().manager()->setReplyDeadlines(2000, 300);
    context.cameras().camera(0).setFault(kLogin, sim::CommandFault::noAnswer());
    CLoginWidget *window = promptWindow(context);
    const int before = context.cameras().probe().count("LoginCmdFailure");
    QTest::keyClicks(child<QLineEdit>(window, "pwdInput"), QStringLiteral("123456"));
    QTest::keyClick(child<QLineEdit>(window, "pwdInput"), Qt::Key_Return);
    context.waitFor(
            [&context, before] { return context.cameras().probe().count("LoginCmdFailure") > before; },
            QStringLiteral("the failed log-in"));
    context.waitFor([window] { return !busyShown(window); }, QStringLiteral("the overlay to go"));
    return window;
});

VANTREL_SHOT(login_locked, cameras({NamedProfiles::Gen3Json}), [](ShotContext &context) -> QWidget * {
    CLoginWidget *window = promptWindow(context);
    for (int attempt = 0; attempt < 5; ++attempt)
        logIn(context, window, QStringLiteral("000000"));
    return window;
});

VANTREL_SHOT(login_logging_in, cameras({NamedProfiles::Gen3Json}), [](ShotContext &context) -> QWidget * {
    context.cameras().camera(0).setFault(kLogin, sim::CommandFault::noAnswer());
    CLoginWidget *window = promptWindow(context);
    QTest::keyClicks(child<QLineEdit>(window, "pwdInput"), QStringLiteral("123456"));
    QTest::keyClick(child<QLineEdit>(window, "pwdInput"), Qt::Key_Return);
    return window;
});

VANTREL_SHOT(setup_hotspot, cameras({NamedProfiles::NotActivated}),
             [](ShotContext &context) -> QWidget * { return setUpPage(context)->window(); });

VANTREL_SHOT(setup_no_hotspot, cameras({NamedProfiles::NotActivatedNoHotspot}),
             [](ShotContext &context) -> QWidget * { return setUpPage(context)->window(); });

VANTREL_SHOT(setup_error_password, cameras({NamedProfiles::NotActivated}),
             [](ShotContext &context) { return setUpErrorShot(context, {"1234"}); });

VANTREL_SHOT(setup_error_confirm, cameras({NamedProfiles::NotActivated}), [](ShotContext &context) {
    return setUpErrorShot(context, {"246810", "246811"});
});

VANTREL_SHOT(setup_error_hotspot, cameras({NamedProfiles::NotActivated}), [](ShotContext &context) {
    return setUpErrorShot(context, {"246810", "246810", "wifi1", "wifi1"});
});

VANTREL_SHOT(setup_error_hotspot_confirm, cameras({NamedProfiles::NotActivated}), [](ShotContext &context) {
    return setUpErrorShot(context, {"246810", "246810", "hotspot-1", "hotspot-2"});
});

VANTREL_SHOT(setup_success, cameras({NamedProfiles::NotActivated}), [](ShotContext &context) -> QWidget * {
    // In the window the page gives way to the password prompt at once; alone
    // it keeps its toast in view.
    CameraRig &rig = context.cameras();
    if (!rig.discover())
        throw ShotFailure("the camera was not recognised");
    auto *page = context.keep(new InitWidget);
    page->resize(578, 464);
    page->setDevIndex(0);
    page->setApEnabled(true);
    page->show();
    fill(page, {"246810", "246810", "hotspot-1", "hotspot-1"});
    PopupWidget *toast = page->findChild<PopupWidget *>();
    context.waitFor(
            [&rig, toast] { return rig.probe().count("reqSetDevActivate") > 0 && toast->isVisible(); },
            QStringLiteral("the activation toast"));
    return page;
});
