#pragma once

#include <QObject>
#include <QPointer>

class CLoginWidget;
class MainWindow;

// Decides which of the two top-level windows is on screen: the log-in window
// until a camera is logged in, then the main window; a change of camera
// throws both away and starts again with a fresh log-in window.
class WidgetManager : public QObject
{
    Q_OBJECT

public:
    explicit WidgetManager(QObject *parent = nullptr);
    ~WidgetManager() override;

    void ShowLoginWidget();

    // For tests and the screenshot program: the windows on screen now.
    MainWindow *mainWindow() const;
    CLoginWidget *loginWidget() const;

public slots:
    void onSignalDevLoginResult(bool ret, int locktime);
    void onSignalReqChangedDevice();

private:
    QPointer<MainWindow> m_mainWindow;
    QPointer<CLoginWidget> m_loginWidget;
};
