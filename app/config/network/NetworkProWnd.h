#pragma once

#include "TabContainer.h"

#include <QScopedPointer>

namespace Ui {
class NetworkProWnd;
}

// The network entry of the configuration navigator: the Wi-Fi, Wi-Fi static
// IP and dial-up tabs, each shown only when the camera has the feature. The
// pages ask the camera only when the container selects or shows them.
class NetworkProWnd : public TabContainer
{
    Q_OBJECT

public:
    enum Tab {
        kWifiTab = 0,
        kStaticTab = 1,
        kApnTab = 2,
    };

    explicit NetworkProWnd(QWidget *parent = nullptr);
    ~NetworkProWnd() override;

private:
    const QScopedPointer<Ui::NetworkProWnd> m_ui;
};
