#include "PwdRecoverWidget.h"
#include "ui_PwdRecoverWidget.h"

#include "Dialogs.h"
#include "HintWnd.h"
#include "MainManager.h"

#include <QDir>
#include <QFile>
#include <QStyle>

#include <cstring>

PwdRecoverWidget::PwdRecoverWidget(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::PwdRecoverWidget)
    , m_mainManager(MainManager::GetInstance())
{
    m_ui->setupUi(this);
    m_hint = new HintWnd(this);
    m_hint->resize(size());
    m_hint->move(0, 0);
    m_hint->raise();
    m_hint->hide();
    m_ui->exportFrame->hide();
    m_ui->errorFrame->hide();

    connect(m_ui->backBtn, &QPushButton::clicked, this, &PwdRecoverWidget::onBackBtnClicked);
    connect(m_ui->minBtn, &QPushButton::clicked, this, &PwdRecoverWidget::onMinBtnClicked);
    connect(m_ui->closeBtn, &QPushButton::clicked, this, &PwdRecoverWidget::onCloseBtnClicked);
    connect(m_ui->exportBtn, &QPushButton::clicked, this, &PwdRecoverWidget::onExportBtnClicked);
    connect(m_ui->importBtn, &QPushButton::clicked, this, &PwdRecoverWidget::onImportBtnClicked);
    connect(m_ui->validateEncryptBtn, &QPushButton::clicked, this,
            &PwdRecoverWidget::onValidateEncryptBtnClicked);
    connect(m_mainManager, &MainManager::loadDeviceKey, this, &PwdRecoverWidget::onLoadDeviceKey,
            Qt::BlockingQueuedConnection);
    connect(m_mainManager, &MainManager::validateEncrypt, this, &PwdRecoverWidget::onValidateEncrypt);
}

PwdRecoverWidget::~PwdRecoverWidget()
{
    delete m_hint;
}

void PwdRecoverWidget::setDevId(const QString &devId)
{
    m_ui->devAccountTxt->setText(devId);
}

void PwdRecoverWidget::setPolId(const QString &polId)
{
    m_ui->polAccountTxt->setText(polId);
}

void PwdRecoverWidget::setDevIndex(int index)
{
    m_devIndex = index;
}

void PwdRecoverWidget::onBackBtnClicked()
{
    emit backClicked();
}

void PwdRecoverWidget::onMinBtnClicked()
{
    emit minClicked();
}

void PwdRecoverWidget::onCloseBtnClicked()
{
    emit closeClicked();
}

void PwdRecoverWidget::showHint(const QString &text, bool okButton)
{
    m_hint->setHintText(text);
    m_hint->showOkBtn(okButton);
    m_hint->resize(size());
    m_hint->raise();
    m_hint->show();
}

void PwdRecoverWidget::onExportBtnClicked()
{
    const QString folder = Dialogs::existingFolder(this, tr("Open Directory"), QDir::homePath());
    if (folder.isEmpty())
        return;
    m_exportFolder = QDir::toNativeSeparators(folder);
    showHint(tr("正在导出文件..."), false);
    m_exportPending = true;
    m_mainManager->ReqDeviceKey(m_devIndex);
}

void PwdRecoverWidget::onLoadDeviceKey(int ret, char *keyStr)
{
    if (!m_exportPending)
        return;
    m_exportPending = false;
    if (!keyStr || ret != 0) {
        showHint(tr("文件导出失败"), true);
        return;
    }
    // The key's own bytes: the maker reads them as the camera sent them.
    QByteArray content(keyStr, int(std::strlen(keyStr)));
    content.append('\n');
    QFile file(QDir(m_exportFolder).filePath(QString::fromLatin1(kKeyFileName)));
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)
            && file.write(content) == content.size() && file.flush();
    file.close();
    showHint(written ? tr("文件导出成功") : tr("文件导出失败"), true);
}

void PwdRecoverWidget::onImportBtnClicked()
{
    const QString path = Dialogs::openFile(this, tr("Open File"), QString(), tr("xml(*.xml)"));
    m_ui->encryptFilePath->setText(QDir::toNativeSeparators(path));
}

void PwdRecoverWidget::onValidateEncryptBtnClicked()
{
    m_ui->errorFrame->hide();
    QFile file(QDir::fromNativeSeparators(m_ui->encryptFilePath->text()));
    if (m_ui->encryptFilePath->text().isEmpty() || !file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        showHint(tr("加密文件读取失败"), true);
        return;
    }
    // Text mode: the maker's CR LF line ends reach the camera as LF.
    const QString text = QString::fromUtf8(file.readAll());
    file.close();
    // A longer answer is refused rather than cut into a different one.
    if (text.toUtf8().size() > kMaxEncryptBytes) {
        showHint(tr("加密文件读取失败"), true);
        return;
    }
    m_mainManager->ReqValidateEncrypt(m_devIndex, text);
}

void PwdRecoverWidget::onValidateEncrypt(int ret)
{
    m_ui->errorTxt->setText(ret == 0 ? tr("验证加密成功") : tr("验证加密失败"));
    // The style sheet colours a success apart from a failure.
    m_ui->errorTxt->setProperty("validated", ret == 0);
    m_ui->errorTxt->style()->unpolish(m_ui->errorTxt);
    m_ui->errorTxt->style()->polish(m_ui->errorTxt);
    m_ui->errorPic->setVisible(ret != 0);
    m_ui->errorFrame->show();
}
