#pragma once

#include "MainManager.h"

#include <QDialog>
#include <QList>
#include <QMap>
#include <QScopedPointer>
#include <QString>

class LoginManager;
class QLineEdit;

namespace Ui {
class BatchInitDlg;
}

// Gives every attached camera that is not yet activated the same device and
// hotspot passwords in one run: recognises the cameras, lists them and works
// through them one at a time in index order, writing each one's outcome into
// its row. Runs modally from the log-in window (showDlg), which meanwhile
// leaves the shared device notifications to it.
//
// A camera that refuses a request or answers with a failure is marked
// "激活失败" and the run goes on; a camera that never answers holds the run,
// and the close button still ends the dialog.
class BatchInitDlg : public QDialog
{
    Q_OBJECT

public:
    explicit BatchInitDlg(QWidget *parent = nullptr);
    ~BatchInitDlg() override;

    // Empties the inputs, hides the errors and runs the dialog modally.
    int showDlg();

    // Whether a run recognised the cameras anew: the device indexes that the
    // opener may still hold belong to an older enumeration.
    bool discoveryStarted() const { return m_discoveryStarted; }
    // Whether a run is between its start and its last camera.
    bool isRunning() const { return m_running; }

public slots:
    void onRecogniteBtnClicked();
    void onCancleBtnClicked();
    void onListUpdate(QMap<int, DEVICE_ID_PARA_T *> devMap);
    void onRefreshFail();
    void onRecvDevActiveCap(bool bdevpwd, bool bappwd);
    void onShowInitPage(int result);
    void onSetDevAPActivate(int result);
    void onSetDevActivate(int result);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void hideErrors();
    void setInputsEnabled(bool enabled);
    void showNoDevice(const QString &text);
    void setStatus(const QString &text);
    void askCapability();
    void record();
    void nextDevice();
    void finishRun();

    const QScopedPointer<Ui::BatchInitDlg> m_ui;
    MainManager *m_mainManager;
    LoginManager *m_loginManager;
    QList<QLineEdit *> m_inputs;

    QString m_devPwd;
    QString m_apPwd;
    // The recognised device indexes in ascending order; the row of a camera is
    // its position here, not its index, which may leave gaps.
    QList<int> m_keys;
    int m_row = 0;
    int m_curIndex = -1;
    bool m_bDevpwd = false;
    bool m_bAppwd = false;
    int m_pending = 0;
    int m_lastApResult = 0;
    bool m_apResultGood = false;
    bool m_devResultGood = false;
    bool m_running = false;
    bool m_discoveryStarted = false;
};
