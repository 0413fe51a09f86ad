#pragma once

#include "ParamPage.h"
#include "Tessvar.h"

#include <QScopedPointer>

namespace Ui {
class ApnParamWnd;
}
class QLineEdit;

// The dial-up tab: mobile-data dial-up (enable, network mode, APN, number,
// user, password, MTU, authentication) and the SIM card number the camera
// reports. Some models take a fixed dial number and need an APN; they also
// offer a fourth authentication type.
//
// The MTU and APN checks run when their fields are left and again at save;
// what they found last decides whether a save goes straight out or checks
// first, and survives refreshes.
class ApnParamWnd : public ParamPage
{
    Q_OBJECT

public:
    explicit ApnParamWnd(QWidget *parent = nullptr);
    ~ApnParamWnd() override;

public slots:
    void onSignalNameTextChanged(const QString &str);
    void onSignalNumberTextChanged(const QString &str);
    void onSignalUserTextChanged(const QString &str);
    void onSignalPasswordTextChanged(const QString &str);
    void onSignalMtuTextChanged(const QString &str);
    void onSignalMtuEditingFinished();
    void onSignalApnEditingFinished();
    void onSignalSaveBtnClicked();
    void onSiganlDevAPNParamChanged(EACH_PPP_PARA_T *param);
    void onSiganlDevCCIDParamChanged(CCID_PARA_T *param);
    void onSetApnParamRes(int result);

protected:
    void requestParam() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool saveParam();
    void checkMtu();
    void checkApn();
    void setApnValid(bool valid);
    void limitText(QLineEdit *edit, const QString &text);
    bool wantsCcid() const;

    const QScopedPointer<Ui::ApnParamWnd> m_ui;
    // Models with a fixed dial number: the APN must not be empty.
    bool m_apnRequired = false;
    bool m_apnValid = true;
    bool m_mtuValid = true;
};
