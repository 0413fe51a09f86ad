#include "UploadFlow.h"

#include "Dialogs.h"
#include "HintWnd.h"
#include "PictureCheck.h"
#include "UploadGuard.h"

#include <QAbstractButton>
#include <QFileInfo>
#include <QPixmap>
#include <QTimer>

#include <atomic>

namespace {
std::atomic<int> g_startTimeoutMs{10000};
std::atomic<int> g_followUpTimeoutMs{5000};
const QString kPictureFile = QStringLiteral("./pic.bmp");
} // namespace

UploadFlow::UploadFlow(QWidget *page, HintWnd *overlay, const QString &startNotSentText)
    : m_page(page)
    , m_overlay(overlay)
    , m_startNotSentText(startNotSentText)
    , m_manager(MainManager::GetInstance())
    , m_startTimer(new QTimer(this))
    , m_followUpTimer(new QTimer(this))
{
    m_startTimer->setSingleShot(true);
    connect(m_startTimer, &QTimer::timeout, this, &UploadFlow::onStartTimeout);
    m_followUpTimer->setSingleShot(true);
    connect(m_followUpTimer, &QTimer::timeout, this, &UploadFlow::onFollowUpTimeout);
    connect(UploadGuard::instance(), &UploadGuard::busyChanged, this, &UploadFlow::updateButtons);
}

UploadFlow::~UploadFlow()
{
    endPendingStart();
    endFollowUp();
    if (m_thread) {
        m_thread->disconnect();
        m_thread->quit();
        m_thread->wait();
        delete m_thread;
        m_thread = nullptr;
    }
    release();
}

void UploadFlow::setStartTimeout(int milliseconds)
{
    g_startTimeoutMs = milliseconds;
}

void UploadFlow::addSendButton(QAbstractButton *button)
{
    m_sendButtons.append(button);
    button->setEnabled(!UploadGuard::instance()->isBusy());
}

void UploadFlow::updateButtons(bool busy)
{
    for (const QPointer<QAbstractButton> &button : qAsConst(m_sendButtons)) {
        if (button)
            button->setEnabled(!busy);
    }
}

bool UploadFlow::begin()
{
    if (m_holdsSlot || !UploadGuard::instance()->tryBegin())
        return false;
    m_holdsSlot = true;
    return true;
}

void UploadFlow::cancel()
{
    release();
}

void UploadFlow::release()
{
    if (!m_holdsSlot)
        return;
    m_holdsSlot = false;
    UploadGuard::instance()->end();
}

bool UploadFlow::sendStart(const QString &deviceName, const QString &localPath)
{
    if (!m_holdsSlot)
        return false;
    m_localPath = localPath;
    const quint64 size = static_cast<quint64>(QFileInfo(localPath).size());
    if (m_connectAnswer)
        m_answerConnection = m_connectAnswer();
    if (!m_manager->ReqUploadFileStart(deviceName, static_cast<quint32>(size & 0xFFFFFFFFu),
                                       static_cast<quint32>(size >> 32))) {
        endPendingStart();
        release();
        showText(m_startNotSentText);
        return false;
    }
    m_startTimer->start(g_startTimeoutMs);
    return true;
}

QImage UploadFlow::choosePicture(const QSize &size, const QString &wrongPictureText, QString *fileName)
{
    const QString path = Dialogs::openFile(m_page, tr("打开文件"), QString(), QStringLiteral("Files (*.bmp)"));
    if (path.isEmpty())
        return QImage();
    const QImage image = PictureCheck::loadBmp24(path, size);
    if (image.isNull()) {
        showText(wrongPictureText);
        return QImage();
    }
    if (fileName)
        *fileName = QFileInfo(path).fileName();
    return image;
}

bool UploadFlow::sendPicture(const QPixmap &picture, const QString &deviceName)
{
    // The slot comes first: "./pic.bmp" must not change under a running upload.
    if (picture.isNull() || !begin())
        return false;
    if (!picture.toImage().convertToFormat(QImage::Format_RGB32).save(kPictureFile)) {
        cancel();
        showText(tr("图片文件异常"));
        return false;
    }
    return sendStart(deviceName, kPictureFile);
}

void UploadFlow::endPendingStart()
{
    m_startTimer->stop();
    if (m_answerConnection)
        disconnect(m_answerConnection);
    m_answerConnection = QMetaObject::Connection();
}

void UploadFlow::onStartTimeout()
{
    endPendingStart();
    release();
    showText(tr("上传文件失败"));
}

void UploadFlow::startAnswered(int result)
{
    // A late answer after the start timed out finds nothing pending.
    if (!m_startTimer->isActive())
        return;
    endPendingStart();
    if (result != 0) {
        release();
        showText(result == 4 ? tr("设备不支持") : tr("上传文件失败"));
        return;
    }
    if (!m_thread) {
        m_thread = new UPFileThread(m_page);
        if (m_connectResult)
            m_connectResult(m_thread);
        m_thread->setFilePath(m_localPath);
        m_thread->start();
    }
    // No OK button: the overlay stays until the result replaces it.
    showText(tr("文件发送中..."), false);
}

bool UploadFlow::finished(int ret)
{
    showText(ret != 0 ? tr("上传文件成功") : tr("上传文件失败"));
    if (m_thread) {
        m_thread->disconnect();
        // The result is queued while run() may still be returning.
        m_thread->wait();
        delete m_thread;
        m_thread = nullptr;
    }
    release();
    return ret != 0;
}

void UploadFlow::setFollowUpTimeout(int milliseconds)
{
    g_followUpTimeoutMs = milliseconds;
}

void UploadFlow::setFollowUpAnswer(void (MainManager::*answer)(int))
{
    m_followUpAnswer = answer;
}

bool UploadFlow::sendFollowUp(const std::function<bool()> &request)
{
    endFollowUp();
    // Connected before the command goes out: a quick answer is queued, not lost.
    if (m_followUpAnswer)
        m_followUpConnection = connect(m_manager, m_followUpAnswer, this, &UploadFlow::onFollowUpAnswer);
    if (!request()) {
        endFollowUp();
        return false;
    }
    m_followUpTimer->start(g_followUpTimeoutMs);
    showText(tr("等待设备应答..."), false);
    return true;
}

void UploadFlow::endFollowUp()
{
    m_followUpTimer->stop();
    if (m_followUpConnection)
        disconnect(m_followUpConnection);
    m_followUpConnection = QMetaObject::Connection();
}

void UploadFlow::onFollowUpAnswer(int result)
{
    // An answer queued before the wait ended late finds nothing pending.
    if (!m_followUpTimer->isActive())
        return;
    endFollowUp();
    emit followUpAnswered(result);
}

void UploadFlow::onFollowUpTimeout()
{
    endFollowUp();
    emit followUpUnanswered();
}

void UploadFlow::showText(const QString &text, bool okButton)
{
    m_overlay->setHintText(text);
    m_overlay->showOkBtn(okButton);
    m_overlay->raise();
    m_overlay->show();
}
