#include "LoginManager.h"

#include <QThreadPool>
#include <QtConcurrent>

LoginManager::LoginManager()
    : m_mainManager(MainManager::GetInstance())
{
    MainManager *main = m_mainManager.data();
    connect(main, &MainManager::deviceLoginResult, this, &LoginManager::onSignalLoginResult);
    connect(main, &MainManager::LoginCmdFailure, this, &LoginManager::onSignalSendLoginCmdFailure);
    connect(main, &MainManager::updateDevListOver, this, &LoginManager::onSignalUpdateList);
    connect(main, &MainManager::refreshDeviceResult, this, &LoginManager::onSignalRefreshDevice);
    connect(main, &MainManager::devRecvDevJsonAbility, this, &LoginManager::onRecvDevJsonAbility);
    // The records are MainManager's copies, alive only while the signal is
    // delivered: the reader waits until the slot has read them.
    connect(main, &MainManager::reqDeviceActive, this, &LoginManager::onRecvDeviceActive,
            Qt::BlockingQueuedConnection);
    connect(main, &MainManager::reqDeviceActiveStatus, this, &LoginManager::onRecvDeviceActiveStatus,
            Qt::BlockingQueuedConnection);
}

LoginManager::~LoginManager()
{
    if (m_mainManager)
        disconnect(m_mainManager.data(), nullptr, this, nullptr);
    m_mainManager.clear();
}

void LoginManager::refreshDevice()
{
    MainManager *main = m_mainManager.data();
    if (!main)
        return;
    QtConcurrent::run(QThreadPool::globalInstance(), [main] { main->RefreshDeviceList(); });
}

int LoginManager::reqDevActiveCap(int index)
{
    return m_mainManager ? m_mainManager->ReqDeviceActive(index) : -1;
}

int LoginManager::reqDevActiveStatus(int index)
{
    return m_mainManager ? m_mainManager->ReqDeviceActiveStatus(index) : -1;
}

void LoginManager::reqDevCode(int index)
{
    if (m_mainManager)
        m_mainManager->ReqDevCodeParam(index);
}

void LoginManager::reqDevFW(int index)
{
    if (m_mainManager)
        m_mainManager->ReqDevFWParam(index);
}

int LoginManager::reqDevJsonAbility(int index)
{
    return m_mainManager ? m_mainManager->ReqDevJsonAbility(index) : -1;
}

void LoginManager::reqLogin(int index, QString password)
{
    if (m_mainManager)
        m_mainManager->LoginDevice(index, password);
}

void LoginManager::closeLoginDevice()
{
    if (m_mainManager)
        m_mainManager->CloseLoginDevice();
}

void LoginManager::setDevIdInfo(QString deviceId, QString officerId)
{
    if (m_mainManager)
        m_mainManager->SetDevIdInfo(deviceId, officerId);
}

void LoginManager::onSignalLoginResult(bool ret, int locktime)
{
    emit loginResult(ret, locktime);
}

void LoginManager::onSignalSendLoginCmdFailure()
{
    emit SendLoginCmdFailure();
}

void LoginManager::onSignalUpdateList()
{
    if (m_mainManager)
        emit listUpdate(m_mainManager->GetDeviceMap());
}

void LoginManager::onSignalRefreshDevice(bool ret)
{
    Q_UNUSED(ret)
    emit refreshFail();
}

void LoginManager::onRecvDevJsonAbility()
{
    if (!m_mainManager)
        return;
    emit sigRecvDevJsonAbility(m_mainManager->IsJsonAbility(), m_mainManager->GetJsonAbility().supportNoPwdLogin);
}

void LoginManager::onRecvDeviceActive(DEV_ACTIVATE_CAPA *param)
{
    if (!param) {
        emit sigShowInitPage(1);
        return;
    }
    emit sigRecvDevActiveCap(param->devicePassword != 0, param->apPassword != 0);
}

void LoginManager::onRecvDeviceActiveStatus(ACTIVATE_STATUS *param)
{
    if (param)
        emit sigShowInitPage(static_cast<int>(param->status));
}

#include "moc_LoginManager.cpp"
