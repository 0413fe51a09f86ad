#pragma once

#include "ParamPage.h"
#include "Tessvar.h"

#include <QScopedPointer>

namespace Ui {
class DeviceMessageWnd;
}

// The navigator's identity entry: the camera's person ID and device ID, and
// its model text. The navigator shows the page and then calls initParam(),
// which fills the fields from the identity picked at log-in.
//
// From generation 2 on the camera keeps each ID in 32 bytes of local 8-bit
// text: a hint beside a longer field blocks the save.
class DeviceMessageWnd : public ParamPage
{
    Q_OBJECT

public:
    explicit DeviceMessageWnd(QWidget *parent = nullptr);
    ~DeviceMessageWnd() override;

    void initParam();

public slots:
    void onSaveBtnClicked();
    void onSiganlDevIdParamChanged(DEVICE_ID_PARA_T *param);
    void onReqSetDevIdParamRes(int result);
    void onSingalDeviceIdTextChanged(QString param);
    void onSingalPoliceIdTextChanged(QString param);
    bool checkTextSize(QString strText);

protected:
    void requestParam() override;

private:
    void fillFrom(const DEVICE_ID_PARA_T &record);

    const QScopedPointer<Ui::DeviceMessageWnd> m_ui;
};
