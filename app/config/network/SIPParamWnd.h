#pragma once

#include "ParamPage.h"
#include "Tessvar.h"

#include <QScopedPointer>

namespace Ui {
class SIPParamWnd;
}

// The GB28181 tab: whether and where the camera registers as a SIP user agent,
// its IDs, credentials, expiry, heartbeats and transports. The page builds the
// whole record itself and hands it to the device core as it is.
//
// The camera's local IP is not for the operator to change: its row stays
// hidden and the value the camera sent goes back with every save.
class SIPParamWnd : public ParamPage
{
    Q_OBJECT

public:
    explicit SIPParamWnd(QWidget *parent = nullptr);
    ~SIPParamWnd() override;

    void setControlsEnabled(bool on);
    // The seven texts must not be empty and the registrar address must be an
    // address; every failure shows its frame.
    bool checkParam(const QString &serverId, const QString &serverDomain, const QString &userName,
                    const QString &password, const QString &deviceId, const QString &videoId,
                    const QString &alarmId);

public slots:
    void onSignalSIPParamChanged(SIPUA_CONFIG_T *param);
    void onReqSetSIPParamRes(int result);
    void onSaveBtnClicked();
    void onSignalStateChanged(int state);
    void onSignalheartbeatChanged(int value);
    void onSignalheartbeatSliderChanged(int value);
    void onSignalmaxheartrateChanged(int value);
    void onSignalmaxheartrateSliderChanged(int value);

protected:
    void requestParam() override;

private:
    SIPUA_CONFIG_T buildRecord() const;

    const QScopedPointer<Ui::SIPParamWnd> m_ui;
};
