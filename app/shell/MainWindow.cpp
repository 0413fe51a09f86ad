#include "MainWindow.h"
#include "ui_MainWindow.h"

#include "CommonFunc.h"
#include "DeviceChangeWnd.h"
#include "DeviceSupport.h"
#include "DownLoadWnd.h"
#include "HintWnd.h"
#include "LoadingPlugin.h"
#include "LocalSettingWnd.h"
#include "LocalText.h"
#include "MainManager.h"
#include "UsbModeWnd.h"
#include "WindowDragger.h"

#include <QCloseEvent>

namespace {

enum Page { kMediaPage = 0, kConfigPage = 1, kLogPage = 2 };

const QString kUserNormal = QStringLiteral(":/Resources/image/USER_NORMAL.png");
const QString kUserDown = QStringLiteral(":/Resources/image/USER_DOWN.png");

// The download panel hangs under the download button, its right edge near the
// window's.
constexpr int kPanelLeftOfLoadFrame = 537;
constexpr int kPanelTop = 24;
const QPoint kStripPos(10, 40);

QString deviceIdOf(const DEVICE_ID_PARA_T &record)
{
    return LocalText::decodeField(record.deviceId, int(sizeof record.deviceId));
}

QString officerIdOf(const DEVICE_ID_PARA_T &record)
{
    return LocalText::decodeField(record.userId, int(sizeof record.userId));
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , m_manager(MainManager::GetInstance())
    , m_ui(new Ui::MainWindowEx)
{
    // The pop-ups are made before the form, so the central widget lies above
    // them: each is raised before it is shown.
    m_usbModeWnd = new UsbModeWnd(this);
    m_downLoadWnd = new DownLoadWnd(this);
    m_deviceChangeWnd = new DeviceChangeWnd(this);
    m_localSettingWnd = new LocalSettingWnd(this);
    m_loadingPlugin = new LoadingPlugin(this);
    m_hintWnd = new HintWnd(this);

    m_ui->setupUi(this);
    setWindowFlags(Qt::FramelessWindowHint);

    m_ui->logo_img->hide();
    m_ui->label->hide();
    m_ui->hint_btn->hide();
    m_ui->stackedWidget->setCurrentIndex(kConfigPage);
    m_usbModeWnd->hide();
    m_downLoadWnd->hide();
    m_deviceChangeWnd->hide();
    m_localSettingWnd->hide();
    m_loadingPlugin->move(0, 0);
    m_loadingPlugin->hide();

    m_ui->user_down_img->setPixmap(QPixmap(kUserNormal));
    m_ui->max_btn->setEnabled(false);
    m_ui->deviceConfig_btn->setEnabled(false);

    gateButtons();

    m_hintWnd->resize(size());
    m_hintWnd->showPathLabel(false);
    m_hintWnd->raise();
    m_hintWnd->hide();

    makeConnections();
    new WindowDragger(this, &MainWindow::isInDragBand);
}

MainWindow::~MainWindow()
{
    releaseMouse();
    disconnect(m_manager, nullptr, this, nullptr);
    delete m_usbModeWnd;
    delete m_downLoadWnd;
    delete m_deviceChangeWnd;
    delete m_localSettingWnd;
}

void MainWindow::gateButtons()
{
    const DeviceSupport support = DeviceSupport::current();
    if (support.generation == 2) {
        m_ui->version->setText(QStringLiteral("V 2.0"));
        return;
    }
    if (support.generation != 3)
        return;
    m_ui->version->setText(QStringLiteral("V 3.0"));
    if (!deviceSupportsLog(support))
        m_ui->logInfo_btn->hide();
    if (support.hasAbility && support.ability.supportUsbMode == 0)
        m_ui->modelChange_btn->hide();
    if (support.hasAbility && support.ability.showMediaInfo == 0) {
        m_ui->media_btn->hide();
        m_ui->setting_btn->hide();
        m_ui->load_btn->hide();
    }
}

void MainWindow::makeConnections()
{
    connect(m_ui->media_btn, &QPushButton::clicked, this, &MainWindow::onMediaBtnClicked);
    connect(m_ui->deviceConfig_btn, &QPushButton::clicked, this, &MainWindow::onDeviceConfigBtnClicked);
    connect(m_ui->logInfo_btn, &QPushButton::clicked, this, &MainWindow::onLogInfoBtnClicked);
    connect(m_ui->deviceID_btn, &QPushButton::clicked, this, &MainWindow::onDeviceIdBtnClicked);
    connect(m_ui->modelChange_btn, &QPushButton::clicked, this, &MainWindow::onModelChangeBtnClicked);
    connect(m_ui->min_btn, &QPushButton::clicked, this, &MainWindow::onMinBtnBtnClicked);
    connect(m_ui->close_btn, &QPushButton::clicked, this, &MainWindow::onCloseBtnClicked);
    connect(m_ui->load_btn, &QPushButton::clicked, this, &MainWindow::onLoadBtnClicked);
    connect(m_ui->hint_btn, &QPushButton::clicked, this, &MainWindow::onLoadBtnClicked);
    connect(m_ui->setting_btn, &QPushButton::clicked, this, &MainWindow::onSettingBtnClicked);

    connect(m_downLoadWnd, &DownLoadWnd::listCountChanged, this, &MainWindow::onSignalListCountChanged);
    connect(m_downLoadWnd, &DownLoadWnd::clearDownLoadList, this, &MainWindow::onSignalClearDownLoadList);
    connect(m_downLoadWnd, &DownLoadWnd::hideSelf, this, &MainWindow::onHideDownLoadWidget);
    connect(m_deviceChangeWnd, &DeviceChangeWnd::changeDevice, this, &MainWindow::onSignalChangeDevice);
    connect(m_deviceChangeWnd, &DeviceChangeWnd::hideSelf, this, &MainWindow::onHideDeviceWidget);

    // Replies from a camera's reader thread arrive queued; the identity and
    // the start of a run come from the GUI thread and run at once.
    connect(m_manager, &MainManager::devIdParamChanged, this, &MainWindow::onSignalDevIdChanged);
    connect(m_manager, &MainManager::LogDownLoad, this, &MainWindow::onLogDownLoadResult);
    connect(m_manager, qOverload<QString, int>(&MainManager::startDownLoad), this,
            qOverload<QString, int>(&MainWindow::onSignalStartDownLoad));
    connect(m_manager, &MainManager::allFileDownLoadOver, this, &MainWindow::onSignalOverDownLoad);
    connect(m_manager, qOverload<>(&MainManager::startDownLoad), this,
            qOverload<>(&MainWindow::onSignalStartDownLoad));
}

void MainWindow::AddDownLoadTask(QStringList files, QString dir)
{
    m_downLoadWnd->addDownLoadList(files, dir);
    m_ui->hint_btn->show();
}

void MainWindow::SetDownLoadPath(QString path)
{
    m_ui->m_mediaMessage_widget->setDownLoadPath(path);
}

bool MainWindow::isInDragBand(const QPoint &pos)
{
    return pos.x() >= 463 && pos.x() <= 1018 && pos.y() >= 1 && pos.y() <= 39;
}

bool MainWindow::downloadsQueued()
{
    return m_downLoadWnd->getDownLoadCount() != 0;
}

void MainWindow::showPage(int page)
{
    m_ui->stackedWidget->setCurrentIndex(page);
    m_ui->media_btn->setEnabled(page != kMediaPage);
    m_ui->deviceConfig_btn->setEnabled(page != kConfigPage);
    m_ui->logInfo_btn->setEnabled(page != kLogPage);
    m_ui->load_frame->setVisible(page == kMediaPage);
}

void MainWindow::onMediaBtnClicked()
{
    showPage(kMediaPage);
}

void MainWindow::onDeviceConfigBtnClicked()
{
    if (downloadsQueued())
        return;
    showPage(kConfigPage);
}

void MainWindow::onLogInfoBtnClicked()
{
    if (downloadsQueued())
        return;
    showPage(kLogPage);
}

void MainWindow::onSignalListCountChanged(int count)
{
    if (count != 0) {
        m_ui->hint_btn->setText(QString::number(count));
        m_ui->hint_btn->show();
    } else {
        m_ui->hint_btn->hide();
    }
}

void MainWindow::onSignalClearDownLoadList()
{
    m_ui->hint_btn->setText(QString());
    m_ui->hint_btn->hide();
}

void MainWindow::onLoadBtnClicked()
{
    m_downLoadWnd->raise();
    m_downLoadWnd->move(m_ui->load_frame->x() - kPanelLeftOfLoadFrame, kPanelTop);
    m_downLoadWnd->setVisible(!m_downLoadWidgetShown);
    m_downLoadWidgetShown = !m_downLoadWidgetShown;
}

void MainWindow::onHideDownLoadWidget()
{
    m_downLoadWidgetShown = false;
    m_downLoadWnd->hide();
}

void MainWindow::onSignalStartDownLoad(QString name, int result)
{
    Q_UNUSED(name)
    if (result != 0)
        m_ui->logInfo_btn->setEnabled(true);
}

void MainWindow::onSignalOverDownLoad()
{
    m_ui->logInfo_btn->setEnabled(true);
}

void MainWindow::onSignalStartDownLoad() { }

void MainWindow::onDeviceIdBtnClicked()
{
    if (m_deviceWidgetShown) {
        m_ui->user_down_img->setPixmap(QPixmap(kUserNormal));
        m_deviceWidgetShown = false;
        m_deviceChangeWnd->hide();
        return;
    }
    if (downloadsQueued())
        return;
    m_ui->user_down_img->setPixmap(QPixmap(kUserDown));
    m_deviceWidgetShown = true;
    const DEVICE_ID_PARA_T identity = m_manager->GetDevIdInfo();
    m_deviceChangeWnd->setDevID(deviceIdOf(identity));
    m_deviceChangeWnd->setPolID(officerIdOf(identity));
    m_deviceChangeWnd->move(kStripPos);
    m_deviceChangeWnd->raise();
    m_deviceChangeWnd->show();
}

void MainWindow::onHideDeviceWidget()
{
    m_deviceWidgetShown = true;
    onDeviceIdBtnClicked();
}

void MainWindow::onSignalChangeDevice()
{
    if (downloadsQueued())
        return;
    m_manager->ReqLogOutDevice(m_manager->GetCurIndex());
    emit reqChangeDevice();
}

void MainWindow::showDeviceId(const QString &deviceId)
{
    QLabel *label = m_ui->deviceID;
    label->setText(CommonFunc::getElidedText(label->font(), deviceId, label->width()));
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    showDeviceId(deviceIdOf(m_manager->GetDevIdInfo()));
}

void MainWindow::onSignalDevIdChanged(DEVICE_ID_PARA_T *param)
{
    if (!param)
        return;
    // The record may be the manager's own, which SetDevIdInfo clears first:
    // take both texts out before.
    const QString deviceId = deviceIdOf(*param);
    const QString officerId = officerIdOf(*param);
    showDeviceId(deviceId);
    m_manager->SetDevIdInfo(deviceId, officerId);
}

void MainWindow::showPopup(QWidget *popup)
{
    popup->resize(size());
    popup->move(0, 0);
    popup->raise();
    popup->show();
}

void MainWindow::onModelChangeBtnClicked()
{
    showPopup(m_usbModeWnd);
}

void MainWindow::onSettingBtnClicked()
{
    showPopup(m_localSettingWnd);
}

void MainWindow::onLogDownLoadResult(bool result)
{
    if (result)
        m_hintWnd->hide();
}

void MainWindow::onMinBtnBtnClicked()
{
    setWindowState(Qt::WindowMinimized);
}

void MainWindow::onCloseBtnClicked()
{
    m_loadingPlugin->resize(size());
    m_loadingPlugin->SetWaitingText(tr("正在退出，请稍候..."));
    m_loadingPlugin->raise();
    m_loadingPlugin->show();
    m_manager->ReqLogOutDevice(m_manager->GetCurIndex());
    m_manager->CloseLoginDevice();
    close();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    emit mainWidgetClose();
    QMainWindow::closeEvent(event);
}

#include "moc_MainWindow.cpp"
