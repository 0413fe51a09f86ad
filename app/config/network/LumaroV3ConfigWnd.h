#pragma once

#include "ParamPage.h"
#include "Tessvar.h"

#include <QScopedPointer>

namespace Ui {
class LumaroV3ConfigWnd;
}
class QLabel;

// How hard a code or key is to guess: 0 risky, 1 weak, 2 medium, 3 strong.
// Under 8 characters 0; otherwise by the classes that occur (digits, lower
// case, upper case, special characters): one class 0; digits with one letter
// case 1; any other pair 2; three or four classes 3.
int passwordStrength(const QString &text);

// The newer cloud tab: the cloud switch, its code, the encryption switch and
// its key, each text rated as it is typed. The container asks the camera on
// each selection (refreshParam).
class LumaroV3ConfigWnd : public ParamPage
{
    Q_OBJECT

public:
    explicit LumaroV3ConfigWnd(QWidget *parent = nullptr);
    ~LumaroV3ConfigWnd() override;

public slots:
    void onSaveBtnClicked();
    void onSiganlDevLumr3Changed(LUMARO_PARAM_V3_T *param);
    void onReqSetDevLumr3Res(int result);
    void onCodetextChanged(const QString &text);
    void onPwdtextChanged(const QString &text);
    void onEnableUI(int state);

protected:
    void requestParam() override;

private:
    void showStrength(const QString &text, QLabel *icon, QLabel *label);

    const QScopedPointer<Ui::LumaroV3ConfigWnd> m_ui;
};
