#include "UPFileThread.h"

#include "MainManager.h"

#include <QMutex>
#include <QMutexLocker>
#include <QWaitCondition>

#include <atomic>
#include <memory>

namespace {

constexpr int kStopPauseMs = 100;
std::atomic<int> g_verdictTimeoutMs {5000};

// The answers to the upload stops, collected on the reader thread that
// delivers them and read on the upload thread.
class StopVerdicts
{
public:
    void add(int result)
    {
        QMutexLocker lock(&m_mutex);
        ++m_answers;
        if (result == 0)
            m_accepted = true;
        m_changed.wakeAll();
    }

    // True once a stop was answered with 0; false when `stops` answers came
    // and none was 0, or when the time ran out first.
    bool waitForAcceptance(int stops, int timeoutMs)
    {
        QMutexLocker lock(&m_mutex);
        QDeadlineTimer deadline(timeoutMs);
        while (!m_accepted && m_answers < stops) {
            if (!m_changed.wait(&m_mutex, deadline))
                break;
        }
        return m_accepted;
    }

private:
    QMutex m_mutex;
    QWaitCondition m_changed;
    int m_answers = 0;
    bool m_accepted = false;
};

} // namespace

UPFileThread::UPFileThread(QObject *parent)
    : QThread(parent)
    , m_manager(MainManager::GetInstance())
{
}

// Whoever deletes the thread waits for it first; this wait only covers a
// careless owner, since Qt aborts when a running thread is destroyed.
UPFileThread::~UPFileThread()
{
    wait();
}

void UPFileThread::setFilePath(const QString &path)
{
    m_filePath = path;
}

void UPFileThread::setVerdictTimeout(int milliseconds)
{
    g_verdictTimeoutMs = milliseconds;
}

int UPFileThread::verdictTimeout()
{
    return g_verdictTimeoutMs;
}

void UPFileThread::run()
{
    const int timeoutMs = g_verdictTimeoutMs;
    // Armed before the first stop, so that no answer is missed. The reader
    // thread calls it directly; the shared pointer keeps the verdicts alive
    // for a call that is under way while the connection goes.
    auto verdicts = std::make_shared<StopVerdicts>();
    const QMetaObject::Connection connection =
        connect(m_manager, &MainManager::reqSetDevUpfileStop, [verdicts](int result) { verdicts->add(result); });

    int ret = 0;
    if (m_manager->ReqUploadFile(m_filePath)) {
        const bool firstSent = m_manager->ReqUploadFileStop();
        msleep(kStopPauseMs);
        if (m_manager->ReqUploadFileStop())
            ret = verdicts->waitForAcceptance(firstSent ? 2 : 1, timeoutMs) ? 1 : 0;
    } else {
        m_manager->ReqUploadFileStop();
    }
    disconnect(connection);
    emit sendUpFileResult(ret);
}
