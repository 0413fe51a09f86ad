#include "WidgetManager.h"

#include "CLoginWidget.h"
#include "CommonFunc.h"
#include "MainManager.h"
#include "MainWindow.h"
#include "Mostrel.h"

namespace {
const char kLogConfig[] = "log4cxx.properties";
}

WidgetManager::WidgetManager(QObject *parent)
    : QObject(parent)
{
    MostrelInit(kLogConfig, 1);
    ShowLoginWidget();
    connect(MainManager::GetInstance(), &MainManager::deviceLoginResult, this,
            &WidgetManager::onSignalDevLoginResult);
}

WidgetManager::~WidgetManager()
{
    MostrelShutdown();
    disconnect(MainManager::GetInstance(), &MainManager::deviceLoginResult, this,
               &WidgetManager::onSignalDevLoginResult);
    delete m_mainWindow;
    delete m_loginWidget;
}

MainWindow *WidgetManager::mainWindow() const
{
    return m_mainWindow;
}

CLoginWidget *WidgetManager::loginWidget() const
{
    return m_loginWidget;
}

void WidgetManager::ShowLoginWidget()
{
    if (m_loginWidget)
        return;
    m_loginWidget = new CLoginWidget;
    disableLineEditMenu(m_loginWidget);
    m_loginWidget->show();
}

void WidgetManager::onSignalDevLoginResult(bool ret, int locktime)
{
    Q_UNUSED(locktime)
    if (!ret)
        return;
    if (m_loginWidget)
        m_loginWidget->hide();
    if (!m_mainWindow)
        m_mainWindow = new MainWindow;
    // A camera may answer a log-in twice; one click must still change the
    // device once.
    connect(m_mainWindow, &MainWindow::reqChangeDevice, this, &WidgetManager::onSignalReqChangedDevice,
            Qt::UniqueConnection);
    m_mainWindow->show();
}

void WidgetManager::onSignalReqChangedDevice()
{
    // Called from inside a click of the main window: neither window may be
    // destroyed before that chain has returned.
    if (m_mainWindow) {
        m_mainWindow->hide();
        m_mainWindow->deleteLater();
        m_mainWindow = nullptr;
    }
    if (m_loginWidget) {
        m_loginWidget->deleteLater();
        m_loginWidget = nullptr;
    }
    ShowLoginWidget();
}

#include "moc_WidgetManager.cpp"
