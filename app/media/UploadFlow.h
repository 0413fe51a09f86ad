#pragma once

#include "MainManager.h"
#include "UPFileThread.h"

#include <QImage>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class HintWnd;
class QAbstractButton;
class QPixmap;
class QSize;
class QTimer;
class QWidget;

// One upload from a page to the camera, shared by the firmware upgrade and the
// upload tabs: the start record, the camera's answer to it, the upload thread
// and its result. The page keeps its own slots for the answer and the result
// and hands them here; what follows a successful upload (upgrade, refresh,
// plate library) stays with the page.
//
//     m_upload->setReceivers(this, &Page::onReqSetDevUpfileParam, &Page::onSignalUpRet);
//     m_upload->addSendButton(m_ui->send_btn);
//     ...
//     if (m_upload->begin())                       // the process-wide slot
//         m_upload->sendStart("pic.bmp", "./pic.bmp");
//     void Page::onReqSetDevUpfileParam(int r) { m_upload->startAnswered(r); }
//     void Page::onSignalUpRet(int ret) { if (m_upload->finished(ret)) followUp(); }
//
// The page's answer slot is connected only while a start is pending. Only one
// upload runs in the whole program at a time (UploadGuard): the send buttons
// of every page stay disabled meanwhile, and a start that the camera does not
// answer within the start timeout gives the slot back.
//
// A follow-up whose only reply is its result (the upgrade, the plate library)
// is sent through sendFollowUp, which waits for that result:
//
//     m_upload->setFollowUpAnswer(&MainManager::upgradeFirmwareResult);
//     connect(m_upload, &UploadFlow::followUpAnswered, this, &Page::onFollowUpAnswered);
//     connect(m_upload, &UploadFlow::followUpUnanswered, this, &Page::onFollowUpUnanswered);
//     if (!m_upload->sendFollowUp([this] { return m_manager->ReqUpgradeFirmware(); }))
//         ...not sent...
class UploadFlow : public QObject
{
    Q_OBJECT

public:
    // The thread is made a child of page; overlay shows the texts;
    // startNotSentText is the page's text for a start record that could not
    // be sent.
    UploadFlow(QWidget *page, HintWnd *overlay, const QString &startNotSentText);
    // Waits for a running upload before the page goes away.
    ~UploadFlow() override;

    template<typename Page>
    void setReceivers(Page *page, void (Page::*onStartAnswer)(int), void (Page::*onResult)(int))
    {
        m_connectAnswer = [this, page, onStartAnswer] {
            return connect(m_manager, &MainManager::reqSetDevUpfileParam, page, onStartAnswer,
                           Qt::UniqueConnection);
        };
        m_connectResult = [page, onResult](UPFileThread *thread) {
            return connect(thread, &UPFileThread::sendUpFileResult, page, onResult);
        };
    }

    // Disabled while any upload of the program is under way.
    void addSendButton(QAbstractButton *button);

    // Takes the program's upload slot; false while another upload holds it.
    bool begin();
    // Gives the slot back when the file could not be prepared after begin().
    void cancel();
    // After begin(): sends the start record for the file at localPath under
    // deviceName. False when it could not be sent: the page's text is shown
    // and the slot is free again.
    bool sendStart(const QString &deviceName, const QString &localPath);

    // The picture tabs: asks the operator for a 24-bit BMP of `size`. A null
    // image when the operator cancels, and after showing wrongPictureText for
    // any other file; *fileName gets the chosen file's name.
    QImage choosePicture(const QSize &size, const QString &wrongPictureText, QString *fileName = nullptr);
    // Takes the slot, saves the picture as "./pic.bmp" and sends its start
    // record under deviceName. False when nothing was sent.
    bool sendPicture(const QPixmap &picture, const QString &deviceName);

    // The camera's answer to the start record: 0 starts the upload.
    void startAnswered(int result);
    // The upload thread's result: shows it, releases the thread and the slot.
    // True when the camera confirmed the upload.
    bool finished(int ret);

    bool isRunning() const { return m_thread != nullptr; }

    // Shows the overlay with text, with or without its OK button.
    void showText(const QString &text, bool okButton = true);

    // How long a start record may stay unanswered; ten seconds unless a test
    // shortens it. Read at each start.
    static void setStartTimeout(int milliseconds);

    // The MainManager signal that carries the camera's result of the follow-up.
    void setFollowUpAnswer(void (MainManager::*answer)(int));
    // Sends the follow-up through request (true when it went out) and waits
    // for its result, the overlay showing the wait without its OK button.
    // False, with nothing awaited, when the command was not sent.
    bool sendFollowUp(const std::function<bool()> &request);
    // How long a follow-up may stay unanswered; five seconds unless a test
    // changes it. Read at each follow-up.
    static void setFollowUpTimeout(int milliseconds);

signals:
    // The camera's result of the follow-up: 0 when it took the command.
    void followUpAnswered(int result);
    // No result within the follow-up timeout: the command went out, and a
    // camera that restarts at once to apply it never answers.
    void followUpUnanswered();

private:
    void onStartTimeout();
    void onFollowUpAnswer(int result);
    void onFollowUpTimeout();
    void endFollowUp();
    void endPendingStart();
    void release();
    void updateButtons(bool busy);

    QWidget *m_page;
    HintWnd *m_overlay;
    QString m_startNotSentText;
    MainManager *m_manager;
    QTimer *m_startTimer;
    std::function<QMetaObject::Connection()> m_connectAnswer;
    std::function<QMetaObject::Connection(UPFileThread *)> m_connectResult;
    QMetaObject::Connection m_answerConnection;
    QTimer *m_followUpTimer;
    void (MainManager::*m_followUpAnswer)(int) = nullptr;
    QMetaObject::Connection m_followUpConnection;
    QList<QPointer<QAbstractButton>> m_sendButtons;
    UPFileThread *m_thread = nullptr;
    QString m_localPath;
    bool m_holdsSlot = false;
};
