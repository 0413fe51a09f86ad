#include "SystemMaintenWnd.h"

#include "CommonFunc.h"
#include "Dialogs.h"
#include "FactoryResetWidget.h"
#include "HintWnd.h"
#include "IniConfig.h"
#include "LogoTagWnd.h"
#include "MainManager.h"
#include "MaintenanceGating.h"
#include "NameTagWnd.h"
#include "PlaneConfigWnd.h"
#include "PopupWidget.h"
#include "UploadFlow.h"
#include "ui_SystemMaintenWnd.h"

namespace {

const QString kConfigGroup = QStringLiteral("Config");
const QString kUpgradeFolderKey = QStringLiteral("UpgradeFilePath");

MaintenanceCamera cameraOf(const MainManager &manager)
{
    MaintenanceCamera camera;
    camera.jsonAbility = manager.IsJsonAbility();
    camera.ability = manager.GetJsonAbility();
    camera.protocolVer = manager.GetProtocolVer();
    camera.plateByte = manager.GetDevCodeByte(MaintenanceGating::kPlateOffset);
    camera.nameTagByte = manager.GetDevCodeByte(MaintenanceGating::kNameTagOffset);
    camera.logoByte = manager.GetDevCodeByte(MaintenanceGating::kLogoOffset);
    return camera;
}

} // namespace

SystemMaintenWnd::SystemMaintenWnd(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::SystemMaintenWnd)
{
    m_manager = MainManager::GetInstance();
    m_factoryResetConfirm = new FactoryResetWidget(this);
    m_formatConfirm = new FactoryResetWidget(this);
    m_defaultResetConfirm = new FactoryResetWidget(this);
    m_exportConfirm = new FactoryResetWidget(this);
    m_overlay = new HintWnd(this);
    m_ui->setupUi(this);
    m_toast = new PopupWidget(m_ui->tab_operate);

    m_toast->hide();
    m_toast->raise();
    for (FactoryResetWidget *confirmation :
         {m_factoryResetConfirm, m_formatConfirm, m_defaultResetConfirm, m_exportConfirm})
        confirmation->hide();
    m_overlay->resize(1044, 696);
    m_overlay->raise();
    m_overlay->hide();
    m_overlay->showOkBtn(true);
    disableLineEditMenu(this);

    m_planeTab = new PlaneConfigWnd(this);
    m_ui->gridLayout_plane->addWidget(m_planeTab);
    m_nameTagTab = new NameTagWnd(this);
    m_ui->gridLayout_name->addWidget(m_nameTagTab);
    m_logoTab = new LogoTagWnd(this);
    m_ui->gridLayout_logo->addWidget(m_logoTab);

    applyGating();

    m_upload.reset(new UploadFlow(this, m_overlay, tr("发送上传文件结束命令失败")));
    m_upload->setReceivers(this, &SystemMaintenWnd::onReqSetDevUpfileParam, &SystemMaintenWnd::onSignalUpRet);
    m_upload->addSendButton(m_ui->send_btn);
    m_upload->setFollowUpAnswer(&MainManager::upgradeFirmwareResult);
    connect(m_upload.data(), &UploadFlow::followUpAnswered, this, &SystemMaintenWnd::onUpgradeAnswered);
    connect(m_upload.data(), &UploadFlow::followUpUnanswered, this, &SystemMaintenWnd::onUpgradeUnanswered);

    connect(m_ui->defaultRestBtn, &QPushButton::clicked, this, &SystemMaintenWnd::onDefaultRestBtnClicked);
    connect(m_ui->factoryRestBtn, &QPushButton::clicked, this, &SystemMaintenWnd::onFactoryRestBtnClicked);
    connect(m_ui->formatBtn, &QPushButton::clicked, this, &SystemMaintenWnd::onFormatBtnClicked);
    connect(m_defaultResetConfirm, &FactoryResetWidget::okButtonClicked, this,
            &SystemMaintenWnd::onDeviceDefaultOkBtnClicked);
    connect(m_factoryResetConfirm, &FactoryResetWidget::okButtonClicked, this,
            &SystemMaintenWnd::onFactoryResetOkBtnClicked);
    connect(m_formatConfirm, &FactoryResetWidget::okButtonClicked, this, &SystemMaintenWnd::onFormatOkBtnClicked);
    connect(m_exportConfirm, &FactoryResetWidget::okButtonClicked, this,
            &SystemMaintenWnd::onExportParamsOkBtnClicked);
    connect(m_manager, &MainManager::deviceDefault, this, &SystemMaintenWnd::onDeviceDefaultRet);
    connect(m_manager, &MainManager::factoryReset, this, &SystemMaintenWnd::onFactoryResetRet);
    connect(m_manager, &MainManager::memoryFormat, this, &SystemMaintenWnd::onMemoryFormatRet);
    connect(m_manager, &MainManager::devExportParams, this, &SystemMaintenWnd::onExportParamsRet);
    connect(m_ui->file_btn, &QPushButton::clicked, this, &SystemMaintenWnd::onSignalFileBtnClicked);
    connect(m_ui->send_btn, &QPushButton::clicked, this, &SystemMaintenWnd::onSignalSendBtnClicked);
    connect(m_overlay, &HintWnd::timeOver, this, &SystemMaintenWnd::onTimerOver);
}

SystemMaintenWnd::~SystemMaintenWnd()
{
    disconnect(m_manager, nullptr, this, nullptr);
    disconnect(m_overlay, nullptr, this, nullptr);
    for (QObject *button : {m_ui->defaultRestBtn, m_ui->factoryRestBtn, m_ui->formatBtn, m_ui->file_btn,
                            m_ui->send_btn})
        disconnect(button, nullptr, this, nullptr);
    // A running upgrade upload ends before the page goes.
    m_upload.reset();
}

void SystemMaintenWnd::applyGating()
{
    using namespace MaintenanceGating;
    const MaintenanceCamera camera = cameraOf(*m_manager);
    for (Tab tab : {PlateTab, NameTagTab, LogoTab})
        m_ui->tabWidget->setTabEnabled(tab, tabEnabled(camera, tab));

    const QList<QWidget *> rows[RowCount] = {
        {m_ui->label_6, m_ui->label_7, m_ui->defaultRestBtn},
        {m_ui->label_2, m_ui->label_20, m_ui->factoryRestBtn},
        {m_ui->label_3, m_ui->label_22, m_ui->formatBtn},
        {m_ui->label, m_ui->label_4, m_ui->lineEdit, m_ui->file_btn, m_ui->send_btn},
    };
    for (int row = 0; row < RowCount; ++row) {
        if (rowShown(camera, Row(row)))
            continue;
        for (QWidget *widget : rows[row])
            widget->hide();
    }
}

void SystemMaintenWnd::updateExportParamVisible()
{
    const bool shown = MaintenanceGating::exportShown(cameraOf(*m_manager));
    m_ui->label_8->setVisible(shown);
    m_ui->exportParamBtn->setVisible(shown);
}

QWidget *SystemMaintenWnd::topLevelWindow()
{
    QWidget *widget = this;
    while (widget->parentWidget())
        widget = widget->parentWidget();
    return widget;
}

FactoryResetWidget *SystemMaintenWnd::confirmationOf(Operation operation) const
{
    switch (operation) {
    case Operation::DefaultReset:
        return m_defaultResetConfirm;
    case Operation::FactoryReset:
        return m_factoryResetConfirm;
    case Operation::Format:
        return m_formatConfirm;
    case Operation::ExportParams:
        return m_exportConfirm;
    }
    return nullptr;
}

void SystemMaintenWnd::startOperation(Operation operation)
{
    if (MaintenanceGating::noPasswordNeeded(cameraOf(*m_manager))) {
        sendRequest(operation);
        return;
    }
    FactoryResetWidget *confirmation = confirmationOf(operation);
    QWidget *window = topLevelWindow();
    if (confirmation->parentWidget() != window)
        confirmation->setParent(window);
    confirmation->resize(window->size());
    switch (operation) {
    case Operation::DefaultReset:
        confirmation->setTitle(tr("恢复设备默认参数"));
        break;
    case Operation::Format:
        confirmation->setTitle(tr("格式化设备存储"));
        break;
    case Operation::ExportParams:
        confirmation->setTitle(tr("参数导出"));
        break;
    case Operation::FactoryReset:
        break;
    }
    confirmation->show();
    confirmation->move(0, 0);
    confirmation->raise();
}

// A request that cannot be sent comes back as its result signal with a
// non-zero value, so the return value is not needed here.
void SystemMaintenWnd::sendRequest(Operation operation)
{
    switch (operation) {
    case Operation::DefaultReset:
        m_manager->ReqSimpleDefaultReset();
        break;
    case Operation::FactoryReset:
        m_manager->ReqFactoryReset();
        break;
    case Operation::Format:
        m_manager->ReqMemoryFormat();
        break;
    case Operation::ExportParams:
        m_manager->ReqExportParams();
        break;
    }
}

void SystemMaintenWnd::onDefaultRestBtnClicked()
{
    startOperation(Operation::DefaultReset);
}

void SystemMaintenWnd::onFactoryRestBtnClicked()
{
    startOperation(Operation::FactoryReset);
}

void SystemMaintenWnd::onFormatBtnClicked()
{
    startOperation(Operation::Format);
}

void SystemMaintenWnd::on_exportParamBtn_clicked()
{
    startOperation(Operation::ExportParams);
}

void SystemMaintenWnd::onDeviceDefaultOkBtnClicked()
{
    sendRequest(Operation::DefaultReset);
}

void SystemMaintenWnd::onFactoryResetOkBtnClicked()
{
    sendRequest(Operation::FactoryReset);
}

void SystemMaintenWnd::onFormatOkBtnClicked()
{
    sendRequest(Operation::Format);
}

void SystemMaintenWnd::onExportParamsOkBtnClicked()
{
    sendRequest(Operation::ExportParams);
}

void SystemMaintenWnd::showResult(FactoryResetWidget *confirmation, int ret, const QString &failureText)
{
    confirmation->hide();
    QWidget *window = topLevelWindow();
    if (m_overlay->parentWidget() != window)
        m_overlay->setParent(window);
    m_overlay->resize(window->size());
    m_overlay->move(0, 0);
    if (ret != 0) {
        m_overlay->setHintText(failureText);
        m_overlay->showOkBtn(true);
    } else {
        m_overlay->setHintText(tr("软件即将关闭"));
        m_overlay->showOkBtn(false);
        m_overlay->showCountdown(true);
    }
    m_overlay->raise();
    m_overlay->show();
}

void SystemMaintenWnd::onDeviceDefaultRet(int ret)
{
    showResult(m_defaultResetConfirm, ret, tr("恢复设备默认参数失败"));
}

void SystemMaintenWnd::onFactoryResetRet(int ret)
{
    showResult(m_factoryResetConfirm, ret, tr("恢复出厂设置操作失败"));
}

void SystemMaintenWnd::onMemoryFormatRet(int ret)
{
    showResult(m_formatConfirm, ret, tr("格式化存储操作失败"));
}

void SystemMaintenWnd::onExportParamsRet(int ret)
{
    m_exportConfirm->hide();
    m_toast->setText(ret != 0 ? tr("保存失败") : tr("保存成功"));
    m_toast->show();
}

void SystemMaintenWnd::onTimerOver()
{
    m_manager->ReqLogOutDevice(m_manager->GetCurIndex());
    topLevelWindow()->close();
}

// ---- firmware upgrade ---------------------------------------------------------

void SystemMaintenWnd::onSignalFileBtnClicked()
{
    IniConfig *config = IniConfig::getInstance();
    const QString folder = config->getValue(kConfigGroup, kUpgradeFolderKey, QString());
    // A cancelled dialog empties the choice as well.
    m_upgradeFilePath = Dialogs::openFile(this, tr("打开文件"), folder, QStringLiteral("Files (*.*)"));
    const int slash = m_upgradeFilePath.lastIndexOf(QLatin1Char('/'));
    m_ui->lineEdit->setText(m_upgradeFilePath.mid(slash + 1));
    if (!m_upgradeFilePath.isEmpty() && slash >= 0)
        config->setValue(kConfigGroup, kUpgradeFolderKey, m_upgradeFilePath.left(slash));
}

void SystemMaintenWnd::onSignalSendBtnClicked()
{
    if (m_ui->lineEdit->text().isEmpty() || !m_upload->begin())
        return;
    m_upload->sendStart(m_ui->lineEdit->text(), m_upgradeFilePath);
}

void SystemMaintenWnd::onReqSetDevUpfileParam(int result)
{
    m_upload->startAnswered(result);
}

void SystemMaintenWnd::onSignalUpRet(int ret)
{
    if (m_upload->finished(ret))
        onSignalUpBtnClicked();
}

void SystemMaintenWnd::onSignalUpBtnClicked()
{
    if (!m_upload->sendFollowUp([this] { return m_manager->ReqUpgradeFirmware(); }))
        m_upload->showText(tr("发送更新指令失败"));
}

// A camera that refused the upgrade keeps running it as it is: the operator
// stays logged in and may try again.
void SystemMaintenWnd::onUpgradeAnswered(int result)
{
    if (result != 0) {
        m_upload->showText(tr("设备拒绝更新指令"));
        return;
    }
    closeAfterUpgrade();
}

// A camera that restarts at once to upgrade sends no answer.
void SystemMaintenWnd::onUpgradeUnanswered()
{
    closeAfterUpgrade();
}

void SystemMaintenWnd::closeAfterUpgrade()
{
    m_upload->showText(tr("发送更新指令成功") + QLatin1Char('\n') + tr("软件即将关闭"), false);
    m_overlay->showCountdown(true);
}
