#pragma once

#include "Tessvar.h"

#include <QMainWindow>
#include <QScopedPointer>
#include <QStringList>

class DeviceChangeWnd;
class DownLoadWnd;
class HintWnd;
class LoadingPlugin;
class LocalSettingWnd;
class MainManager;
class UsbModeWnd;

namespace Ui {
class MainWindowEx;
}

// The frameless window the operator works in after logging in: the title band
// with the camera's ID and the navigation buttons, the media, configuration and
// log pages, and the pop-ups that float over them.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // Device files and the local folder chosen in the media page's download
    // dialog, for the download panel; called by name from that dialog.
    Q_INVOKABLE void AddDownLoadTask(QStringList files, QString dir);
    // Called by name from the local settings dialog.
    Q_INVOKABLE void SetDownLoadPath(QString path);

    // The title band's part by which the window is dragged, in window
    // coordinates: between the navigation buttons and the window buttons.
    static bool isInDragBand(const QPoint &pos);

signals:
    void reqChangeDevice();
    void mainWidgetClose();

public slots:
    void onMediaBtnClicked();
    void onDeviceConfigBtnClicked();
    void onLogInfoBtnClicked();
    void onDeviceIdBtnClicked();
    void onModelChangeBtnClicked();
    void onMinBtnBtnClicked();
    void onCloseBtnClicked();
    void onLoadBtnClicked();
    void onSettingBtnClicked();
    void onSignalListCountChanged(int count);
    void onSignalClearDownLoadList();
    void onHideDownLoadWidget();
    void onSignalChangeDevice();
    void onHideDeviceWidget();
    void onSignalDevIdChanged(DEVICE_ID_PARA_T *param);
    void onLogDownLoadResult(bool result);
    void onSignalStartDownLoad(QString name, int result);
    void onSignalOverDownLoad();
    void onSignalStartDownLoad();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void gateButtons();
    void makeConnections();
    void showPage(int page);
    void showPopup(QWidget *popup);
    void showDeviceId(const QString &deviceId);
    bool downloadsQueued();

    MainManager *m_manager;
    UsbModeWnd *m_usbModeWnd = nullptr;
    DownLoadWnd *m_downLoadWnd = nullptr;
    DeviceChangeWnd *m_deviceChangeWnd = nullptr;
    LocalSettingWnd *m_localSettingWnd = nullptr;
    LoadingPlugin *m_loadingPlugin = nullptr;
    bool m_deviceWidgetShown = false;
    bool m_downLoadWidgetShown = false;
    HintWnd *m_hintWnd = nullptr;
    const QScopedPointer<Ui::MainWindowEx> m_ui;
};
