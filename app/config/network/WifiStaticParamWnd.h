#pragma once

#include "ParamPage.h"
#include "Tessvar.h"

#include <QScopedPointer>

namespace Ui {
class WifiStaticParamWnd;
}
class CWifiStaticController;

// The Wi-Fi static IP tab: DHCP or a static address with mask, gateway and two
// DNS servers. It reads like every record page and saves through its own
// controller, which checks the addresses and sends the record.
class WifiStaticParamWnd : public ParamPage
{
    Q_OBJECT

public:
    explicit WifiStaticParamWnd(QWidget *parent = nullptr);
    ~WifiStaticParamWnd() override;

public slots:
    void onSignalStateChanged(int state);
    void onSaveBtnClicked();
    void onSiganlDevPlateParamChanged(WIFI_PARA_STATIC_T *param);
    void onSetParamResult(int result);
    void onCheckParamResult(int errorNo);

protected:
    void requestParam() override;

private:
    const QScopedPointer<Ui::WifiStaticParamWnd> m_ui;
    const QScopedPointer<CWifiStaticController> m_controller;
};
