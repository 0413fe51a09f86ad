#pragma once

#include <QList>
#include <QMap>
#include <QMetaObject>
#include <QScopedPointer>
#include <QString>
#include <QWidget>

#include "Tessvar.h"

class InitWidget;
class LoadingPlugin;
class PwdRecoverWidget;
class LoginManager;
class QListWidgetItem;

namespace Ui {
class LoginWidgetNew;
}

// The first window: recognises the cameras on USB, lists them, sends a camera
// without a password to the set-up page and logs in to the chosen one. It
// reaches the device core only through its own LoginManager; on success the
// window manager replaces it by the main window.
class CLoginWidget : public QWidget
{
    Q_OBJECT

public:
    explicit CLoginWidget(QWidget *parent = nullptr);
    ~CLoginWidget() override;

    // The build label from the compiler's date text ("Mar  1 2024" gives
    // "Build20240301"); text that is not such a date gives "Build" alone.
    static QString buildLabelText(const char *compilerDate);
    // The failed log-in message for the camera's lock value: 0 is a wrong
    // password, otherwise the seconds still to wait (300 minus the value).
    static QString loginFailureText(int locktime);
    // The band at the top of the window by which it is dragged.
    static bool inDragBand(const QPoint &pos);

    static constexpr int kLockSeconds = 300;
    static constexpr int kMinPasswordLength = 6;

public slots:
    void onMinBtnClicked();
    void onCloseBtnClicked();
    void onRecogniteBtnClicked();
    void onReidentifyBtnClicked();
    void onListItemPressed(QListWidgetItem *pItem);
    void onLoginBtnClicked();
    void onCursorPositionChanged(int, int);
    void onBackBtnClicked();
    void onRecoverPwdBtnClicked();
    void onRcoverBackBtnClicked();
    void onLoginResult(bool ret, int locktime);
    void onSendLoginCmdFailure();
    void onListUpdate(QMap<int, DEVICE_ID_PARA_T *> devMap);
    void onRefreshFail();
    void onRefreshPage(bool ret, int nopwd);
    void onRecvDevActiveCap(bool bdevpwd, bool bappwd);
    void onShowInitPage(int result);
    void onShowLoginInput(bool intoLogin);
    // Declared by the form's design; nothing connects it.
    void onPwdTextChanged(QString pwd);
    // Connected by name when the form is set up, and only so: a second
    // connection would open the dialog twice for one click.
    void on_batchInitBtn_clicked();

private:
    enum class Busy { Recognising, Loading, LoggingIn, Exiting };

    // The controller's notifications to this page, made and removed as one
    // group so that a modal dialog with its own controller can take them over.
    void connectPageSignals();
    void disconnectPageSignals();

    void showBusy(Busy busy, const QString &text);
    void hideBusy();
    void startRecognition();
    void showNoDevice();
    void backToDeviceList();
    void showLoginError(const QString &text);
    // A refused request means the camera is gone and no answer will come.
    void failUnanswerable();
    void requestAbility();
    void startLogin();
    // The window as first shown: only the start button. The device indexes of
    // the list are gone once another enumeration has run.
    void backToStart();

    const QScopedPointer<Ui::LoginWidgetNew> m_ui;
    const QScopedPointer<LoginManager> m_loginManager;
    LoadingPlugin *m_loading;
    PwdRecoverWidget *m_pwdRecoverWidget;
    InitWidget *m_initWidget;
    int m_selectedIndex = -1;
    // From the log-in request until its result or the failure to send it.
    bool m_loginPending = false;
    QList<QMetaObject::Connection> m_pageConnections;
};
