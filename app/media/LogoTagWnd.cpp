#include "LogoTagWnd.h"

#include "HintWnd.h"
#include "MainManager.h"
#include "UploadFlow.h"
#include "ui_LogoTagWnd.h"

namespace {
const QSize kLogoSize(320, 216);
} // namespace

// The overlay covers the whole maintenance page, the tab's parent.
LogoTagWnd::LogoTagWnd(QWidget *parent)
    : QWidget(parent)
    , m_overlay(new HintWnd(parent ? parent : this))
    , m_manager(MainManager::GetInstance())
    , m_ui(new Ui::LogoTagWnd)
    , m_upload(new UploadFlow(this, m_overlay, tr("发送上传文件命令失败")))
{
    m_ui->setupUi(this);
    m_overlay->resize(1044, 696);
    m_overlay->raise();
    m_overlay->hide();
    m_overlay->showOkBtn(true);

    m_upload->setReceivers(this, &LogoTagWnd::onReqSetDevUpfileParam, &LogoTagWnd::onSignalUpRet);
    m_upload->addSendButton(m_ui->send_btn);
    connect(m_manager, &MainManager::reqSetDevReflashLogo, this, &LogoTagWnd::onReqSetDevReflashLogo);
}

LogoTagWnd::~LogoTagWnd()
{
    disconnect(m_manager, nullptr, this, nullptr);
}

void LogoTagWnd::on_file_btn_clicked()
{
    QString fileName;
    const QImage image = m_upload->choosePicture(kLogoSize, tr("请选择分辨率为320*216的24位深bmp文件"), &fileName);
    if (image.isNull())
        return;
    m_ui->lineEdit_file->setText(fileName);
    m_ui->label->setPixmap(QPixmap::fromImage(image));
}

void LogoTagWnd::on_send_btn_clicked()
{
    m_upload->sendPicture(m_ui->label->pixmap(Qt::ReturnByValue), QStringLiteral("pic.bmp"));
}

void LogoTagWnd::onReqSetDevUpfileParam(int result)
{
    m_upload->startAnswered(result);
}

void LogoTagWnd::onSignalUpRet(int ret)
{
    if (m_upload->finished(ret) && !m_manager->ReqRefreshLogo())
        m_upload->showText(tr("下发LOGO失败"));
}

void LogoTagWnd::onReqSetDevReflashLogo(int result)
{
    m_upload->showText(result != 0 ? tr("下发LOGO失败") : tr("LOGO已下发！"));
}
