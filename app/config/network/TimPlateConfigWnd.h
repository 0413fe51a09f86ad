#pragma once

#include "ParamPage.h"
#include "Tessvar.h"

#include <QScopedPointer>

namespace Ui {
class TimPlateConfigWnd;
}
class QValidator;

// The RTMP tab: the camera's push to an RTMP server given by address or by
// service name, with port, stream URL and packet length. It asks the camera
// only when the container refreshes it, never on a show of its own.
class TimPlateConfigWnd : public ParamPage
{
    Q_OBJECT

public:
    explicit TimPlateConfigWnd(QWidget *parent = nullptr);
    ~TimPlateConfigWnd() override;

    // Checks the port always and the address only in address mode.
    bool checkParam(const QString &ip, int port);

public slots:
    void onSiganlDevTIMParamChanged(TIM_PARAM_T *param);
    void onSignalSetTIMPlatePamRes(int result);
    void onSaveBtnClicked();
    void onSignalStateChanged(int state);
    void onSignalIpRadioToggled(bool checked);
    void onSignalDomainRadioToggled(bool checked);
    void onSignalPortTextChanged(const QString &text);

protected:
    void requestParam() override;

private:
    void showAddressRow(bool ipMode);

    const QScopedPointer<Ui::TimPlateConfigWnd> m_ui;
    QValidator *const m_portRule;
};
