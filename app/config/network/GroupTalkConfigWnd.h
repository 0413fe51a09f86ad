#pragma once

#include "ParamPage.h"
#include "Tessvar.h"

#include <QScopedPointer>

namespace Ui {
class GroupTalkConfigWnd;
}

// The group-talk tab: the push-to-talk account (mode, server, user, the two
// passwords, the verification code the camera asked for, the talk group). The
// page builds the whole record itself; the setter sends it as it stands.
class GroupTalkConfigWnd : public ParamPage
{
    Q_OBJECT

public:
    explicit GroupTalkConfigWnd(QWidget *parent = nullptr);
    ~GroupTalkConfigWnd() override;

public slots:
    void onSaveBtnClicked();
    void onSignalIndexChange(int index);
    void onSiganlDevGroupTalkParamChanged(GROUP_TALK_PARA_T *param);
    void onSignalSetGroupTalkPamRes(int result);

protected:
    void requestParam() override;

private:
    void setInputsEnabled(bool enabled);

    const QScopedPointer<Ui::GroupTalkConfigWnd> m_ui;
};
