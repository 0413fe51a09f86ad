#pragma once

#include "ParamPage.h"
#include "Tessvar.h"

#include <QScopedPointer>

namespace Ui {
class LumaroConfigWnd;
}

// The older cloud tab: the cloud switch and the 6 to 8 character code, two
// fields of the extended record that the recording and system pages share.
// The container asks the camera on each selection (refreshParam).
class LumaroConfigWnd : public ParamPage
{
    Q_OBJECT

public:
    explicit LumaroConfigWnd(QWidget *parent = nullptr);
    ~LumaroConfigWnd() override;

public slots:
    void onSaveBtnClicked();
    void onSiganlDevEXParamV3Changed(Ex_Param_V3_T *param);
    void onReqSetDevEXParamV3Res(int result);

protected:
    void requestParam() override;

private:
    const QScopedPointer<Ui::LumaroConfigWnd> m_ui;
    // The setter sends the whole shared record: not before the page has seen
    // the camera's copy of it.
    bool m_haveRecord = false;
};
