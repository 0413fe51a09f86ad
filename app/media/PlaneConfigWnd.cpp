#include "PlaneConfigWnd.h"

#include "Dialogs.h"
#include "HintWnd.h"
#include "MainManager.h"
#include "UploadFlow.h"
#include "ui_PlaneConfigWnd.h"

PlaneConfigWnd::PlaneConfigWnd(QWidget *parent)
    : QWidget(parent)
    , m_manager(MainManager::GetInstance())
    , m_overlay(new HintWnd(this))
    , m_ui(new Ui::PlaneConfigWnd)
    , m_upload(new UploadFlow(this, m_overlay, tr("发送上传文件命令失败")))
{
    m_ui->setupUi(this);
    m_overlay->resize(size());
    m_overlay->showPathLabel(false);
    m_overlay->hide();
    m_overlay->raise();

    m_upload->setReceivers(this, &PlaneConfigWnd::onReqSetDevUpfileParam, &PlaneConfigWnd::onSignalUpRet);
    m_upload->addSendButton(m_ui->send_btn);
    m_upload->setFollowUpAnswer(&MainManager::upgradePlateRecognateResult);
    connect(m_upload.data(), &UploadFlow::followUpAnswered, this, &PlaneConfigWnd::onPlateCommandAnswered);
    connect(m_upload.data(), &UploadFlow::followUpUnanswered, this, &PlaneConfigWnd::onPlateCommandUnanswered);
    connect(m_ui->file_btn, &QPushButton::clicked, this, &PlaneConfigWnd::onSignalFileBtnClicked);
    connect(m_ui->send_btn, &QPushButton::clicked, this, &PlaneConfigWnd::onSignalSendBtnClicked);
}

PlaneConfigWnd::~PlaneConfigWnd()
{
    disconnect(m_ui->file_btn, nullptr, this, nullptr);
    disconnect(m_ui->send_btn, nullptr, this, nullptr);
}

// The overlay covers the whole tab, whatever size the page gives it.
void PlaneConfigWnd::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_overlay->resize(size());
}

void PlaneConfigWnd::onSignalFileBtnClicked()
{
    m_filePath = Dialogs::openFile(this, tr("打开文件"), QString(),
                                   QStringLiteral("Files (*.csv *.CSV *.xls *.XLS)"));
    m_ui->lineEdit->setText(m_filePath.mid(m_filePath.lastIndexOf(QLatin1Char('/')) + 1));
}

void PlaneConfigWnd::onSignalSendBtnClicked()
{
    if (m_ui->lineEdit->text().isEmpty() || !m_upload->begin())
        return;
    m_upload->sendStart(m_ui->lineEdit->text(), m_filePath);
}

void PlaneConfigWnd::onReqSetDevUpfileParam(int result)
{
    m_upload->startAnswered(result);
}

void PlaneConfigWnd::onSignalUpRet(int ret)
{
    if (!m_upload->finished(ret))
        return;
    if (!m_upload->sendFollowUp([this] { return m_manager->ReqUpgradePlateRecognate(); }))
        m_upload->showText(tr("发送更新指令失败"));
}

void PlaneConfigWnd::onPlateCommandAnswered(int result)
{
    m_upload->showText(result == 0 ? tr("发送更新指令成功") : tr("设备拒绝更新指令"));
}

void PlaneConfigWnd::onPlateCommandUnanswered()
{
    m_upload->showText(tr("发送更新指令成功"));
}
