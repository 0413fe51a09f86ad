// The download queue and the device-log index of MainManager.
//
// The library reports replies 2, 3, 20, 22, 102 and 104 on the camera's
// reader thread. The callback only copies what they carry and posts it here
// (onTransferReply), so the queue, both log lists and every signal below
// live on the GUI thread and replies are handled one at a time in the order
// the camera sent them. Receivers connected with the default type therefore
// run at once and may call back into the queue: every handler finishes its
// own state change before it emits.

#include "MainManager.h"

#include "DiskSpace.h"
#include "LocalText.h"
#include "Mostrel.h"
#include "Tessvar.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QTimer>
#include <QtEndian>

#include <cstring>

namespace {

constexpr int kCmdDownload = 2;
constexpr int kCmdTransferEnd = 3;
constexpr int kCmdFindLogFile = 20;
constexpr int kCmdFileInfo = 22;
constexpr int kCmdLogName = TESSVAR_CB_LOG_NAME;
constexpr int kCmdLogListDone = TESSVAR_CB_LOG_LIST_DONE;

// The camera's name fields hold 127 bytes and the NUL.
constexpr int kNameField = TESSVAR_NAME_LEN;

constexpr int kStatusAccepted = 0;
constexpr int kStatusNoSpace = 1;
constexpr int kStatusFailed = 2;

bool hasControlCharacter(const QString &text)
{
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control)
            return true;
    }
    return false;
}

QString pairKey(const QString &remoteName, const QString &localPath)
{
    return remoteName + QChar(0) + localPath;
}

QString pairKey(const DownLoadPair &pair)
{
    return pairKey(pair.remoteName, pair.localPath);
}

QString folderOf(const QString &localPath)
{
    return localPath.left(localPath.lastIndexOf(QLatin1Char('/')) + 1);
}

// Made when missing, and a file can be created in it. The rights are tried,
// not read from the folder's mode: an administrator writes into a read-only
// folder, and nobody writes into a read-only volume whatever the mode says.
bool folderTakesFiles(const QString &folder)
{
    if (!QDir().mkpath(folder))
        return false;
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".vantrel-XXXXXX")));
    return probe.open();
}

// What the library left at the local path is the camera's file only when it
// has the length the camera announced (when one was asked for).
bool fileIsWhole(const QString &localPath, qint64 announced)
{
    const QFileInfo info(localPath);
    return info.isFile() && (announced <= 0 || info.size() == announced);
}

} // namespace

QString MainManager::localPathFor(const QString &remoteName, const QString &folder)
{
    if (remoteName.isEmpty() || folder.isEmpty() || hasControlCharacter(remoteName))
        return QString();
    if (remoteName.toUtf8().size() >= kNameField)
        return QString();
    QString normalised = remoteName;
    normalised.replace(QLatin1Char('\\'), QLatin1Char('/'));
    // Cameras name their files by plain folders; a name that steps up or
    // stays in place anywhere is not one of theirs.
    const QStringList parts = normalised.split(QLatin1Char('/'));
    for (const QString &part : parts) {
        if (part == QLatin1String(".") || part == QLatin1String(".."))
            return QString();
    }
    const QString name = parts.last();
    // Hidden names would land as dot files in the operator's folder.
    if (name.isEmpty() || name.startsWith(QLatin1Char('.')))
        return QString();
    QString base = folder;
    base.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!base.endsWith(QLatin1Char('/')))
        base += QLatin1Char('/');
    // The name holds no separator and is neither "." nor "..", so the path
    // lies directly in the folder.
    const QString local = base + name;
    return local;
}

void MainManager::AddDownLoadList(const QList<QString> &remoteNames, const QString &folder)
{
    addDownLoadPairs(remoteNames, folder, false);
}

int MainManager::addDownLoadPairs(const QList<QString> &remoteNames, const QString &folder, bool logRun)
{
    int added = 0;
    const bool wasEmpty = m_downloadList.isEmpty();
    enum class FolderCheck { NotYet, Usable, Unusable } folderCheck = FolderCheck::NotYet;
    for (const QString &remoteName : remoteNames) {
        const QString local = localPathFor(remoteName, folder);
        if (local.isEmpty()) {
            MOSTREL_LOG("refused file name %s\n", LocalText::encode(remoteName).constData());
            if (!logRun)
                postStartDownLoad(remoteName, kStatusFailed);
            continue;
        }
        const QString key = pairKey(remoteName, local);
        if (m_downloadKeys.contains(key))
            continue;
        if (folderCheck == FolderCheck::NotYet)
            folderCheck = folderTakesFiles(folderOf(local)) ? FolderCheck::Usable : FolderCheck::Unusable;
        if (folderCheck == FolderCheck::Unusable) {
            // Asking the camera would only fill a file that cannot be stored.
            MOSTREL_LOG("folder %s cannot take %s\n", LocalText::encode(folderOf(local)).constData(),
                        LocalText::encode(remoteName).constData());
            if (!logRun)
                postStartDownLoad(remoteName, kStatusFailed);
            continue;
        }
        m_downloadKeys.insert(key);
        m_downloadList.append(DownLoadPair{remoteName, local, logRun});
        (logRun ? m_runHasLog : m_runHasMedia) = true;
        ++added;
    }
    if (wasEmpty && added > 0)
        emit startDownLoad();
    // Also resumes a queue whose stopped front file was dropped without
    // starting the next.
    if (added > 0)
        advanceDownLoads();
    return added;
}

void MainManager::RemoveDownLoadItem(const QString &remoteName, const QString &folder)
{
    if (removeDownLoadPair(remoteName, folder))
        advanceDownLoads();
}

void MainManager::RemoveDownLoadItemEx(const QString &remoteName, const QString &folder)
{
    // The next transfer waits for the next addition; a queue left empty
    // still ends its run, so that the loading status and the pages settle.
    if (removeDownLoadPair(remoteName, folder) && m_downloadList.isEmpty())
        advanceDownLoads();
}

bool MainManager::removeDownLoadPair(const QString &remoteName, const QString &folder)
{
    const QString local = localPathFor(remoteName, folder);
    if (local.isEmpty())
        return false;
    const QString key = pairKey(remoteName, local);
    if (!m_downloadKeys.contains(key))
        return false;
    for (int i = 0; i < m_downloadList.size(); ++i) {
        if (pairKey(m_downloadList.at(i)) != key)
            continue;
        if (i == 0 && transferInFlight()) {
            // Its replies are still to come and belong to it.
            MOSTREL_LOG("kept %s: its transfer is under way\n", LocalText::encode(remoteName).constData());
            return false;
        }
        const bool parkedFront = i == 0 && m_transferPhase == TransferPhase::Parked;
        m_downloadList.removeAt(i);
        m_downloadKeys.remove(key);
        if (parkedFront)
            m_transferPhase = TransferPhase::Idle;
        return parkedFront;
    }
    return false;
}

void MainManager::CutDownLoadListToFirst()
{
    const int kept = transferInFlight() ? 1 : 0;
    if (m_downloadList.size() <= kept)
        return;
    while (m_downloadList.size() > kept)
        m_downloadKeys.remove(pairKey(m_downloadList.takeLast()));
    if (kept == 0) {
        // A stopped front file went too: the run is over.
        m_transferPhase = TransferPhase::Idle;
        advanceDownLoads();
    }
}

DownLoadPair MainManager::activeDownLoad() const
{
    return transferInFlight() ? m_downloadList.first() : DownLoadPair();
}

DownLoadPair MainManager::parkedDownLoad() const
{
    return m_transferPhase == TransferPhase::Parked ? m_downloadList.first() : DownLoadPair();
}

bool MainManager::GetLoadingStatus() const
{
    return m_loadingStatus;
}

QList<QString> MainManager::GetLogIndexList() const
{
    return m_logIndexList;
}

QList<QString> MainManager::GetLogFileList() const
{
    return m_logFileList;
}

bool MainManager::transferInFlight() const
{
    return m_transferPhase != TransferPhase::Idle && m_transferPhase != TransferPhase::Parked;
}

bool MainManager::logRequestOutstanding() const
{
    switch (m_logPhase) {
    case LogIndexPhase::Requested:
    case LogIndexPhase::Listing:
    case LogIndexPhase::Ended:
    case LogIndexPhase::Failed:
        return true;
    default:
        return false;
    }
}

void MainManager::advanceDownLoads()
{
    // Called after every change that may let the queue move on; it starts
    // at most one request, so calling it twice in a row is harmless.
    if (m_transferPhase != TransferPhase::Idle || logRequestOutstanding())
        return;
    if (m_downloadList.isEmpty()) {
        if (m_runHasLog || m_runHasMedia)
            drainDownLoads();
        else
            startWaitingLogRequest();
        return;
    }
    const DownLoadPair front = m_downloadList.first();
    m_transferIndex = GetCurIndex();
    if (front.remoteName.contains(QLatin1String(".txt"))) {
        // Text files are small: no length query and no space check. No
        // length was announced, so the last file's cannot be held against it.
        m_fileLen = 0;
        sendDownLoad(front);
        return;
    }
    char field[kNameField] = {};
    const QByteArray name = front.remoteName.toUtf8();
    std::memcpy(field, name.constData(), size_t(qMin(name.size(), kNameField - 1)));
    m_fileLen = 0;
    if (GetFileInfo(m_transferIndex, field) != 0) {
        MOSTREL_LOG("GetFileInfo(%s) not sent\n", LocalText::encode(front.remoteName).constData());
        stopAtFront(kStatusFailed);
        return;
    }
    m_transferPhase = TransferPhase::AwaitLength;
    armTransferDeadline();
}

void MainManager::sendDownLoad(const DownLoadPair &pair)
{
    const QByteArray name = pair.remoteName.toUtf8();
    const QByteArray local = QFile::encodeName(pair.localPath);
    if (DownLoadFile(m_transferIndex, name.constData(), 0, local.constData()) != 0) {
        MOSTREL_LOG("DownLoadFile(%s) not sent\n", LocalText::encode(pair.remoteName).constData());
        stopAtFront(kStatusFailed);
        return;
    }
    m_transferPhase = TransferPhase::AwaitAccept;
    armTransferDeadline();
}

void MainManager::stopAtFront(int status)
{
    // A page's file waits at the front until the panel removes it, so the
    // operator sees why it stopped; a log run has no panel and moves on.
    // The report is posted: the panel answers it by removing the file and
    // starting the next, and a camera that is gone would otherwise fail the
    // whole queue in one deep recursion.
    ++m_transferDeadlineGeneration;
    const DownLoadPair front = m_downloadList.first();
    if (front.logRun) {
        m_downloadList.removeFirst();
        m_downloadKeys.remove(pairKey(front));
        m_transferPhase = TransferPhase::Idle;
    } else {
        m_transferPhase = TransferPhase::Parked;
    }
    QMetaObject::invokeMethod(
        this,
        [this, front, status] {
            emit startDownLoad(front.remoteName, status);
            if (front.logRun)
                advanceDownLoads();
        },
        Qt::QueuedConnection);
}

void MainManager::postStartDownLoad(const QString &remoteName, int status)
{
    QMetaObject::invokeMethod(
        this, [this, remoteName, status] { emit startDownLoad(remoteName, status); }, Qt::QueuedConnection);
}

void MainManager::onGetOnFilelen(qlonglong length)
{
    if (m_transferPhase != TransferPhase::AwaitLength) {
        MOSTREL_LOG("file length %lld that nothing waits for\n", static_cast<long long>(length));
        return;
    }
    ++m_transferDeadlineGeneration;
    const DownLoadPair front = m_downloadList.first();
    const qint64 freeSpace = getDiskFreeSpace(folderOf(front.localPath));
    MOSTREL_LOG("file length = %lld, free space = %lld\n", static_cast<long long>(length),
                static_cast<long long>(freeSpace));
    if (length <= 0)
        stopAtFront(kStatusFailed);
    else if (freeSpace < length)
        stopAtFront(kStatusNoSpace);
    else
        sendDownLoad(front);
}

void MainManager::armTransferDeadline()
{
    const int generation = ++m_transferDeadlineGeneration;
    QTimer::singleShot(replyDeadlineMs(), this, [this, generation] {
        if (generation != m_transferDeadlineGeneration || !transferInFlight())
            return;
        const QByteArray name = LocalText::encode(m_downloadList.first().remoteName);
        if (m_transferPhase == TransferPhase::Refused) {
            // The refusal was reported; the reply 3 that closes it is lost.
            MOSTREL_LOG("no end of the refused transfer of %s\n", name.constData());
            endFrontTransfer(m_transferIndex, kStatusFailed);
            return;
        }
        if (m_transferPhase != TransferPhase::AwaitLength && m_transferPhase != TransferPhase::AwaitAccept)
            return;
        MOSTREL_LOG("no answer to the request for %s\n", name.constData());
        stopAtFront(kStatusFailed);
    });
}

// A camera pulled out part way through a file sends neither more data nor
// the reply 3 that ends the transfer: the file stops growing, and without
// this the queue (and every page that waits for it to empty) would wait for
// ever. The file is then reported failed, never finished.
void MainManager::armTransferStallWatch()
{
    const int generation = m_transferDeadlineGeneration;
    const QString path = m_downloadList.first().localPath;
    const qint64 size = QFileInfo(path).size();
    QTimer::singleShot(replyDeadlineMs(), this, [this, generation, path, size] {
        if (generation != m_transferDeadlineGeneration || m_transferPhase != TransferPhase::Transferring)
            return;
        if (QFileInfo(path).size() != size) {
            armTransferStallWatch();
            return;
        }
        MOSTREL_LOG("no data for %s: the transfer is given up\n", LocalText::encode(path).constData());
        endFrontTransfer(m_transferIndex, kStatusFailed);
    });
}

void MainManager::armLogDeadline()
{
    const int generation = ++m_logDeadlineGeneration;
    QTimer::singleShot(replyDeadlineMs(), this, [this, generation] {
        if (generation != m_logDeadlineGeneration || !logRequestOutstanding())
            return;
        MOSTREL_LOG("no answer to the log-name request\n");
        const bool reported = m_logPhase == LogIndexPhase::Failed;
        m_logPhase = LogIndexPhase::Idle;
        if (!reported)
            emit reqLogIndexResult(false);
        advanceDownLoads();
    });
}

void MainManager::setUpDownload()
{
    connect(this, &MainManager::updateFileInfo, this, &MainManager::onGetOnFilelen);
}

void MainManager::onTransferReply(int index, int cmd, int result, const QByteArray &payload)
{
    switch (cmd) {
    case kCmdFileInfo:
        onFileLength(index, result, payload);
        return;
    case kCmdDownload:
        onTransferStarted(index, result);
        return;
    case kCmdTransferEnd:
        if (logRequestOutstanding())
            onLogListTransferEnd(index, result);
        else
            onTransferEnded(index, result);
        return;
    case kCmdFindLogFile:
        onLogListAccepted(index, result);
        return;
    case kCmdLogName:
        onLogName(index, result, payload);
        return;
    case kCmdLogListDone:
        onLogListDone(index, result);
        return;
    default:
        return;
    }
}

// The file's length: eight little-endian bytes (fewer are padded with zeros).
void MainManager::onFileLength(int index, int result, const QByteArray &payload)
{
    qint64 length = 0;
    if (result == 0 && !payload.isEmpty()) {
        uchar bytes[8] = {};
        std::memcpy(bytes, payload.constData(), size_t(qMin(payload.size(), 8)));
        length = qint64(qFromLittleEndian<quint64>(bytes));
    }
    if (m_transferPhase != TransferPhase::AwaitLength || index != m_transferIndex) {
        MOSTREL_LOG("reply 22 of index %d that nothing waits for\n", index);
        return;
    }
    m_fileLen = length;
    emit updateFileInfo(length);
}

void MainManager::onLogName(int index, int result, const QByteArray &payload)
{
    if (m_logPhase != LogIndexPhase::Listing || index != m_logRequestIndex || result != 0 || payload.isEmpty()) {
        MOSTREL_LOG("log name of index %d that nothing waits for\n", index);
        return;
    }
    const int size = qMin(payload.size(), kNameField);
    const int length = int(qstrnlen(payload.constData(), uint(size)));
    m_logIndexList.append(QString::fromLatin1(payload.constData(), length));
}

void MainManager::onTransferStarted(int index, int result)
{
    if (m_transferPhase != TransferPhase::AwaitAccept || index != m_transferIndex) {
        MOSTREL_LOG("reply 2 of index %d that nothing waits for\n", index);
        return;
    }
    ++m_transferDeadlineGeneration;
    m_loadingStatus = true;
    const DownLoadPair front = m_downloadList.first();
    if (result == 0) {
        m_transferPhase = TransferPhase::Transferring;
        armTransferStallWatch();
        if (!front.logRun)
            emit startDownLoad(front.remoteName, kStatusAccepted);
        return;
    }
    // The camera still closes the refused transfer with a reply 3; the pair
    // leaves the queue then, so that reply is not taken for the next file.
    // A camera that falls silent instead gets the same deadline as any reply.
    m_transferPhase = TransferPhase::Refused;
    armTransferDeadline();
    emit startDownLoad(front.remoteName, kStatusFailed);
}

void MainManager::onTransferEnded(int index, int result)
{
    if (!endFrontTransfer(index, result))
        MOSTREL_LOG("reply 3 of index %d that nothing waits for\n", index);
}

bool MainManager::endFrontTransfer(int index, int result)
{
    const bool accepted = m_transferPhase == TransferPhase::Transferring;
    if ((!accepted && m_transferPhase != TransferPhase::Refused) || index != m_transferIndex)
        return false;
    ++m_transferDeadlineGeneration;
    const DownLoadPair front = m_downloadList.takeFirst();
    m_downloadKeys.remove(pairKey(front));
    m_transferPhase = TransferPhase::Idle;
    if (accepted) {
        // The camera's 0 says it sent everything, not that it was stored.
        int outcome = result;
        if (outcome == 0 && !fileIsWhole(front.localPath, m_fileLen)) {
            MOSTREL_LOG("%s is not whole: %lld of %lld bytes\n", LocalText::encode(front.localPath).constData(),
                        static_cast<long long>(QFileInfo(front.localPath).size()),
                        static_cast<long long>(m_fileLen));
            outcome = kStatusFailed;
        }
        // No truncated copy may pass for the camera's file.
        if (outcome != 0)
            QFile::remove(front.localPath);
        if (front.logRun && outcome == 0 && front.localPath.contains(QLatin1String(".txt")))
            m_logFileList.append(front.localPath);
        emit overDownLoad(front.remoteName, front.localPath, outcome);
    }
    advanceDownLoads();
    return true;
}

int MainManager::ReqLogIndex()
{
    if (m_logPhase != LogIndexPhase::Idle) {
        // The request already under way gives the outcome.
        return 0;
    }
    if (!m_downloadList.isEmpty()) {
        // The name list would arrive among a file's data packets.
        m_logPhase = LogIndexPhase::Waiting;
        return 0;
    }
    return sendLogRequest();
}

void MainManager::startWaitingLogRequest()
{
    if (m_logPhase == LogIndexPhase::Waiting)
        sendLogRequest();
}

int MainManager::sendLogRequest()
{
    m_logIndexList.clear();
    m_logRequestIndex = GetCurIndex();
    const int ret = FindLogFile(m_logRequestIndex);
    if (ret != 0) {
        m_logPhase = LogIndexPhase::Idle;
        MOSTREL_LOG("FindLogFile not sent, ret = %d\n", ret);
        // Posted: the page shows its waiting overlay after this call returns,
        // and the failure has to replace it.
        QMetaObject::invokeMethod(this, [this] { emit reqLogIndexResult(false); }, Qt::QueuedConnection);
        return ret;
    }
    m_logPhase = LogIndexPhase::Requested;
    armLogDeadline();
    return 0;
}

void MainManager::onLogListAccepted(int index, int result)
{
    if (m_logPhase != LogIndexPhase::Requested || index != m_logRequestIndex) {
        MOSTREL_LOG("reply 20 of index %d that nothing waits for\n", index);
        return;
    }
    if (result == 0) {
        m_logPhase = LogIndexPhase::Listing;
        return;
    }
    failLogRequest();
}

void MainManager::onLogListDone(int index, int result)
{
    MOSTREL_LOG("ReqLogIndexOver ret = %d, names = %d\n", result, int(m_logIndexList.size()));
    if (m_logPhase != LogIndexPhase::Listing || index != m_logRequestIndex)
        return;
    if (result == 0 && !m_logIndexList.isEmpty()) {
        m_logPhase = LogIndexPhase::Ended;
        return;
    }
    MOSTREL_LOG("m_logIndexList size = 0\n");
    failLogRequest();
}

void MainManager::failLogRequest()
{
    // The camera still ends the list with a reply 3; it is awaited (within
    // the same deadline) so that it is not taken for a file's end.
    m_logPhase = LogIndexPhase::Failed;
    emit reqLogIndexResult(false);
}

void MainManager::onLogListTransferEnd(int index, int result)
{
    if (index != m_logRequestIndex) {
        MOSTREL_LOG("reply 3 of index %d that nothing waits for\n", index);
        return;
    }
    ++m_logDeadlineGeneration;
    const LogIndexPhase phase = m_logPhase;
    m_logPhase = LogIndexPhase::Idle;
    if (phase == LogIndexPhase::Failed) {
        advanceDownLoads();
        return;
    }
    if (phase != LogIndexPhase::Ended || result != 0) {
        MOSTREL_LOG("log-name list ended with ret = %d\n", result);
        emit reqLogIndexResult(false);
        advanceDownLoads();
        return;
    }
    m_logPhase = LogIndexPhase::Running;
    m_logFileList.clear();
    if (addDownLoadPairs(m_logIndexList, QDir::currentPath(), true) == 0) {
        // Not one name could be stored here.
        m_logPhase = LogIndexPhase::Idle;
        emit reqLogIndexResult(false);
    }
    advanceDownLoads();
}

void MainManager::drainDownLoads()
{
    const bool hadLog = m_runHasLog;
    const bool hadMedia = m_runHasMedia;
    m_loadingStatus = false;
    m_runHasLog = false;
    m_runHasMedia = false;
    if (m_logPhase == LogIndexPhase::Running)
        m_logPhase = LogIndexPhase::Idle;
    // A log run in which no file arrived whole has nothing to show.
    if (hadLog)
        emit LogDownLoad(!m_logFileList.isEmpty());
    if (hadMedia)
        emit allFileDownLoadOver();
    if (m_downloadList.isEmpty() && m_transferPhase == TransferPhase::Idle)
        startWaitingLogRequest();
}

void MainManager::clearDownloadState()
{
    // A new discovery: the cameras are closed, so nothing more arrives for
    // what was queued. A log request still waiting for its outcome gets one.
    ++m_transferDeadlineGeneration;
    ++m_logDeadlineGeneration;
    const LogIndexPhase phase = m_logPhase;
    m_downloadList.clear();
    m_downloadKeys.clear();
    m_logIndexList.clear();
    m_logFileList.clear();
    m_transferPhase = TransferPhase::Idle;
    m_logPhase = LogIndexPhase::Idle;
    m_loadingStatus = false;
    m_runHasLog = false;
    m_runHasMedia = false;
    m_fileLen = 0;
    if (phase == LogIndexPhase::Running)
        emit LogDownLoad(false);
    else if (phase != LogIndexPhase::Idle && phase != LogIndexPhase::Failed)
        emit reqLogIndexResult(false);
}
