// Shots of the network configuration: the container with the Wi-Fi page on a
// classic third-generation camera (hint and hotspot rows), the page's hints
// after a refused save, a first-generation camera (WepAsc, no hotspot) and a
// JSON camera that only dials up, the static IP tab with a hint, and the
// dial-up tab of a carrier model and of an ordinary one with their hints,
// and the network extension form of the platform container's last tab.

#include "CameraRig.h"
#include "ExtendConfigWnd.h"
#include "NetworkProWnd.h"
#include "Shot.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace {

const QSize kContainerSize(1260, 796);

void logIn(ShotContext &context)
{
    CameraRig &cameras = context.cameras();
    if (!cameras.discover() || !cameras.loginAs(0, QStringLiteral("123456")))
        throw ShotFailure("network shots: the log-in to the simulated camera failed");
}

// The container as the navigator shows it; waits for the Wi-Fi page's reply
// when the reply's signal is named.
NetworkProWnd *container(ShotContext &context, const char *reply)
{
    logIn(context);
    CameraRig &cameras = context.cameras();
    const int before = reply ? cameras.probe().count(reply) : 0;
    auto *widget = context.keep(new NetworkProWnd);
    widget->resize(kContainerSize);
    widget->show();
    if (reply)
        context.waitFor([&] { return cameras.probe().count(reply) > before; }, QString::fromLatin1(reply));
    QElapsedTimer settle;
    settle.start();
    context.waitFor([&] { return settle.elapsed() >= 200; }, QStringLiteral("the page"));
    return widget;
}

// The container with the given tab selected, once its page has the reply.
NetworkProWnd *tab(ShotContext &context, int index, const char *reply)
{
    NetworkProWnd *widget = container(context, "devWifiV2ParamChanged");
    CameraRig &cameras = context.cameras();
    const int before = cameras.probe().count(reply);
    widget->findChild<QTabWidget *>(QStringLiteral("tabWidget"))->setCurrentIndex(index);
    context.waitFor([&] { return cameras.probe().count(reply) > before; }, QString::fromLatin1(reply));
    QElapsedTimer settle;
    settle.start();
    context.waitFor([&] { return settle.elapsed() >= 200; }, QStringLiteral("the page"));
    return widget;
}

// The dial-up tab after a save with an empty MTU (and, where the model
// needs one, an empty APN): each check shows its hint.
QWidget *dialUpHints(ShotContext &context)
{
    NetworkProWnd *widget = tab(context, NetworkProWnd::kApnTab, "devCCIDParamChanged");
    QWidget *page = widget->pageAt(NetworkProWnd::kApnTab);
    page->findChild<QLineEdit *>(QStringLiteral("apn_name_edit"))->clear();
    page->findChild<QLineEdit *>(QStringLiteral("apn_dail_mtu_edit"))->clear();
    page->findChild<QPushButton *>(QStringLiteral("save_btn"))->click();
    return widget;
}

} // namespace

// The page alone, at the size of a platform tab's page area.
VANTREL_SHOT(network_extend_parameters, {"J"}, [](ShotContext &context) -> QWidget * {
    logIn(context);
    auto *page = context.keep(new ExtendConfigWnd);
    page->resize(1236, 740);
    page->show();
    page->refreshParam();
    context.waitFor([page] { return page->form() && page->form()->isVisible(); }, QStringLiteral("the form"));
    return page;
});

VANTREL_SHOT(network_g3_wifi, {"G3-Net"},
             [](ShotContext &context) { return container(context, "devWifiV2ParamChanged"); });

// Client and hotspot both on, short keys: the conflict and key-length hints.
VANTREL_SHOT(network_wifi_hints, {"G3-Net"}, [](ShotContext &context) -> QWidget * {
    NetworkProWnd *widget = container(context, "devWifiV2ParamChanged");
    QWidget *page = widget->pageAt(NetworkProWnd::kWifiTab);
    page->findChild<QCheckBox *>(QStringLiteral("wifi_enable"))->setChecked(true);
    page->findChild<QCheckBox *>(QStringLiteral("ap_enable"))->setChecked(true);
    page->findChild<QCheckBox *>(QStringLiteral("ap_SSID_enable"))->setChecked(false);
    page->findChild<QLineEdit *>(QStringLiteral("AP_ssid_edit"))->setText(QStringLiteral("Patrol-AP"));
    page->findChild<QLineEdit *>(QStringLiteral("AP_secertKey_edit"))->setText(QStringLiteral("1234"));
    page->findChild<QLineEdit *>(QStringLiteral("wifi_secertKey_edit"))->setText(QStringLiteral("1234"));
    page->findChild<QPushButton *>(QStringLiteral("save_btn"))->click();
    return widget;
});

VANTREL_SHOT(network_g1_wifi, {"G1"},
             [](ShotContext &context) { return container(context, "devWifiParamChanged"); });

// Only "拨号" is usable.
VANTREL_SHOT(network_json_dial_only, {"J-NoWifi"},
             [](ShotContext &context) { return container(context, nullptr); });

// The static IP tab after a save with a bad gateway.
VANTREL_SHOT(network_static_ip_hint, {"G3-Net"}, [](ShotContext &context) -> QWidget * {
    NetworkProWnd *widget = tab(context, NetworkProWnd::kStaticTab, "devStaitcWifiParamChanged");
    QWidget *page = widget->pageAt(NetworkProWnd::kStaticTab);
    page->findChild<QLineEdit *>(QStringLiteral("gateway"))->setText(QStringLiteral("192.168.1.300"));
    page->findChild<QPushButton *>(QStringLiteral("saveBtn"))->click();
    return widget;
});

// A carrier model: four authentication types, a fixed dial number, the APN
// required; the card number and the Wi-Fi/dial-up hint.
VANTREL_SHOT(network_apn_model5, {"G3-Apn-5"}, dialUpHints);

// An ordinary model: "Auto" first, the dial number editable, the APN optional.
VANTREL_SHOT(network_apn_model2, {"G3-Apn-2"}, dialUpHints);
