#pragma once

#include <QScopedPointer>
#include <QWidget>

class FactoryResetWidget;
class HintWnd;
class LogoTagWnd;
class MainManager;
class NameTagWnd;
class PlaneConfigWnd;
class PopupWidget;
class UploadFlow;

namespace Ui {
class SystemMaintenWnd;
}

// The maintenance page: default reset, factory reset, storage format and
// parameter export (each behind the device password unless the camera waives
// it), the firmware upgrade, and the tabs of the uploads. The rows and tabs
// follow the camera's abilities. A reset, format or upgrade that the camera
// accepted ends with a countdown, the log-out and the closing of the main
// window; so does an upgrade command the camera does not answer in time,
// since a camera may restart at once to apply it.
class SystemMaintenWnd : public QWidget
{
    Q_OBJECT

public:
    explicit SystemMaintenWnd(QWidget *parent = nullptr);
    ~SystemMaintenWnd() override;

    // Shows the parameter-export row only to cameras whose ability
    // description offers it; called each time the page is shown.
    void updateExportParamVisible();

public slots:
    void onDefaultRestBtnClicked();
    void onFactoryRestBtnClicked();
    void onFormatBtnClicked();
    void on_exportParamBtn_clicked();
    void onDeviceDefaultOkBtnClicked();
    void onFactoryResetOkBtnClicked();
    void onFormatOkBtnClicked();
    void onExportParamsOkBtnClicked();
    void onDeviceDefaultRet(int ret);
    void onFactoryResetRet(int ret);
    void onMemoryFormatRet(int ret);
    void onExportParamsRet(int ret);
    void onSignalFileBtnClicked();
    void onSignalSendBtnClicked();
    void onReqSetDevUpfileParam(int result);
    void onSignalUpRet(int ret);
    void onSignalUpBtnClicked();
    void onTimerOver();

private slots:
    void onUpgradeAnswered(int result);
    void onUpgradeUnanswered();

private:
    enum class Operation { DefaultReset, FactoryReset, Format, ExportParams };

    void applyGating();
    // Runs the request at once when the camera needs no password, else asks.
    void startOperation(Operation operation);
    void sendRequest(Operation operation);
    void showResult(FactoryResetWidget *confirmation, int ret, const QString &failureText);
    FactoryResetWidget *confirmationOf(Operation operation) const;
    QWidget *topLevelWindow();
    void closeAfterUpgrade();

    MainManager *m_manager = nullptr;
    FactoryResetWidget *m_factoryResetConfirm = nullptr;
    FactoryResetWidget *m_formatConfirm = nullptr;
    FactoryResetWidget *m_defaultResetConfirm = nullptr;
    FactoryResetWidget *m_exportConfirm = nullptr;
    HintWnd *m_overlay = nullptr;
    const QScopedPointer<Ui::SystemMaintenWnd> m_ui;
    PopupWidget *m_toast = nullptr;
    PlaneConfigWnd *m_planeTab = nullptr;
    NameTagWnd *m_nameTagTab = nullptr;
    LogoTagWnd *m_logoTab = nullptr;
    QString m_upgradeFilePath;
    QScopedPointer<UploadFlow> m_upload;
};
