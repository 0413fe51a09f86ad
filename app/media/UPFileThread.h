#pragma once

#include <QString>
#include <QThread>

class MainManager;

// Sends one local file to the camera off the GUI thread: the whole file in
// data packets, then the upload stop twice, 100 ms apart. The camera has
// learnt name and size from the start record before.
//
// sendUpFileResult(1) means the camera confirmed the upload: the second stop
// went out and a stop was answered with 0. It is 0 when the data could not be
// sent, when the second stop could not be sent, when both stops were answered
// non-zero, or when no 0 came within the verdict time after the second stop.
class UPFileThread : public QThread
{
    Q_OBJECT

public:
    explicit UPFileThread(QObject *parent = nullptr);
    ~UPFileThread() override;

    void setFilePath(const QString &path);

    // How long run() waits for the camera's verdict after the second stop;
    // five seconds unless a test shortens it. Read when run() starts.
    static void setVerdictTimeout(int milliseconds);
    static int verdictTimeout();

signals:
    void sendUpFileResult(int ret);

protected:
    void run() override;

private:
    MainManager *m_manager = nullptr;
    QString m_filePath;
};
