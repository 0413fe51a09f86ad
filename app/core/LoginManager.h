#pragma once

// The controller between the log-in pages and MainManager: it starts
// discovery, forwards the per-camera requests that precede a log-in and turns
// MainManager's notifications into the few signals the log-in pages use.
// Every log-in page owns one; all share the one MainManager. Lives on the GUI
// thread, and so do all of its signals.

#include "MainManager.h"

#include <QMap>
#include <QObject>
#include <QPointer>
#include <QString>

class LoginManager : public QObject
{
    Q_OBJECT

public:
    LoginManager();
    ~LoginManager() override;

    void refreshDevice();
    int reqDevActiveCap(int index);
    int reqDevActiveStatus(int index);
    void reqDevCode(int index);
    void reqDevFW(int index);
    // The library's result (0 = request written): a refused request is never
    // answered, so the log-in window must not wait for it.
    int reqDevJsonAbility(int index);
    void reqLogin(int index, QString password);
    void closeLoginDevice();
    void setDevIdInfo(QString deviceId, QString officerId);

signals:
    void loginResult(bool ret, int locktime);
    void SendLoginCmdFailure();
    void listUpdate(QMap<int, DEVICE_ID_PARA_T *> devices);
    void refreshFail();
    void sigRecvDevJsonAbility(bool ret, int nopwd);
    void sigShowInitPage(int result);
    void sigRecvDevActiveCap(bool bdevpwd, bool bappwd);

private slots:
    void onSignalLoginResult(bool ret, int locktime);
    void onSignalSendLoginCmdFailure();
    void onSignalUpdateList();
    void onSignalRefreshDevice(bool ret);
    void onRecvDevJsonAbility();
    void onRecvDeviceActive(DEV_ACTIVATE_CAPA *param);
    void onRecvDeviceActiveStatus(ACTIVATE_STATUS *param);

private:
    QPointer<MainManager> m_mainManager;
};
