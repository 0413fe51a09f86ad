#pragma once

#include <QScopedPointer>
#include <QString>
#include <QWidget>

class HintWnd;
class MainManager;

namespace Ui {
class PwdRecoverWidget;
}

// Password recovery for the camera selected in the log-in window, in two
// steps: export the camera's key to DeviceKey.xml for the maker, then send the
// maker's encrypted answer back to the camera, which restores its factory
// password when the answer fits its key.
//
// The log-in window shows it in place of its own page and passes the selected
// camera with setDevId, setPolId and setDevIndex.
class PwdRecoverWidget : public QWidget
{
    Q_OBJECT

public:
    // What the camera's record takes: 1024 bytes with the terminating NUL.
    static constexpr int kMaxEncryptBytes = 1023;
    static constexpr const char *kKeyFileName = "DeviceKey.xml";

    explicit PwdRecoverWidget(QWidget *parent = nullptr);
    ~PwdRecoverWidget() override;

    void setDevId(const QString &devId);
    void setPolId(const QString &polId);
    void setDevIndex(int index);

signals:
    void backClicked();
    void minClicked();
    void closeClicked();

public slots:
    void onBackBtnClicked();
    void onMinBtnClicked();
    void onCloseBtnClicked();
    void onExportBtnClicked();
    void onImportBtnClicked();
    void onValidateEncryptBtnClicked();
    // Arrives blocking from the camera's reader: the key lives only until the
    // slot returns.
    void onLoadDeviceKey(int ret, char *keyStr);
    void onValidateEncrypt(int ret);

private:
    void showHint(const QString &text, bool okButton);

    const QScopedPointer<Ui::PwdRecoverWidget> m_ui;
    MainManager *m_mainManager;
    HintWnd *m_hint;
    QString m_exportFolder;
    // Only an answer to our own request is written.
    bool m_exportPending = false;
    int m_devIndex = -1;
};
