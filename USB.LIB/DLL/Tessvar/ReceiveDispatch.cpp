#include "ReceiveDispatch.h"

#include "LibraryContext.h"
#include "LibraryLock.h"
#include "MediaIndexFetch.h"
#include "IndexFiles.h"
#include "ExportTable.h"
#include "ProtocolCode.h"
#include "ZorvComHead.h"

#include "PlatformPort.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <vector>

namespace {

constexpr int HeadSize = static_cast<int>(sizeof(PACKET_HEAD));
constexpr int ComHeadSize = static_cast<int>(sizeof(ZORV_COM_HEAD));
constexpr int NameSize = 128;

// The codes of the library's own reports. No request uses them, so a reply
// carrying one can only be a camera posing as the library, with a payload
// that callers would trust to have the report's size.
bool isLibraryReportCode(int command)
{
    return command >= REPORT_INDEX_RECORD && command <= REPORT_LOG_LIST_OVER;
}

static_assert(REPORT_INDEX_RECORD == 101 && REPORT_LOG_LIST_OVER == 104, "the report codes are consecutive");
static_assert(!tessvar::ExportTable::sendsCommand(REPORT_INDEX_RECORD)
                  && !tessvar::ExportTable::sendsCommand(REPORT_LOG_NAME)
                  && !tessvar::ExportTable::sendsCommand(REPORT_INDEX_OVER)
                  && !tessvar::ExportTable::sendsCommand(REPORT_LOG_LIST_OVER),
              "no request is answered with a report code");

// The bytes of a packet that were both announced and received.
int usableLength(const PACKET_HEAD &head, int received)
{
    return static_cast<int>(std::min<std::uint32_t>(head.len, static_cast<std::uint32_t>(received)));
}

} // namespace

void ReceiveDispatch::OnReceive(int deviceIndex, const unsigned char *buffer, int length,
                                LibraryContext *context)
{
    std::printf("######GET DATA FROM USB########\n");
    std::printf("index=%d, len= %d \n", deviceIndex, length);
    if (!context || !buffer || length < HeadSize) {
        std::printf("len < sizeof(PACKET_HEAD)\n");
        return;
    }
    PACKET_HEAD head;
    std::memcpy(&head, buffer, sizeof head);
    if (head.len < sizeof head) {
        std::printf("packHead.len < sizeof(PACKET_HEAD)\n");
        return;
    }
    if (head.type == PACKET_TYPE_COMMAND)
        commandReply(*context, deviceIndex, buffer, length, head);
    else if (head.type == PACKET_TYPE_DATA)
        data(*context, deviceIndex, buffer, usableLength(head, length));
}

void ReceiveDispatch::commandReply(LibraryContext &context, int deviceIndex,
                                   const unsigned char *buffer, int length,
                                   const PACKET_HEAD &head)
{
    bool indexFetchGoesOn = false;
    int command = 0;
    int result = 0;
    {
        std::lock_guard<std::mutex> lock(LibraryLock::mutex());
        DevSession *session = context.session(deviceIndex);
        if (!session) {
            std::printf("index key not exist!\n");
            return;
        }
        if (length < ComHeadSize || head.len < sizeof(ZORV_COM_HEAD)) {
            std::printf("len < sizeof(ZORV_COM_HEAD)\n");
            return;
        }
        ZORV_COM_HEAD reply;
        std::memcpy(&reply, buffer, sizeof reply);
        command = static_cast<int>(reply.cmd);
        result = reply.result;
        std::printf("idex=%d ,cmd=%d, result=%d \n", deviceIndex, command, result);
        if (isLibraryReportCode(command)) {
            std::printf("reply with the library's own code %d dropped\n", command);
            return;
        }

        if (command == CMD_DOWNLOAD)
            result = answerRequest(*session, result);
        else if (command == CMD_TRANSFER_END)
            indexFetchGoesOn = finishTransfer(*session, result);
        else if (command == CMD_FIND_MEDIA_FILE && result == 0) {
            forgetUnansweredRequest(*session);
            session->indexMode = INDEX_LIST_EXPECTED;
            session->next = 0;
        } else if (command == CMD_FIND_LOG_FILE && result == 0) {
            forgetUnansweredRequest(*session);
            session->logList = 1;
        }
    }
    // The next index request is a USB write and the records go to the
    // callback, so both run after the lock is released.
    if (indexFetchGoesOn)
        MediaIndexFetch::Advance(context, deviceIndex);

    const bool hasPayload = length > ComHeadSize;
    context.report(deviceIndex, command, result, hasPayload ? buffer + ComHeadSize : nullptr,
                   length - ComHeadSize);
}

void ReceiveDispatch::data(LibraryContext &context, int deviceIndex, const unsigned char *buffer,
                           int length)
{
    LogNames logNames;
    {
        std::lock_guard<std::mutex> lock(LibraryLock::mutex());
        DevSession *session = context.session(deviceIndex);
        if (!session) {
            std::printf("index key not exist!\n");
            return;
        }
        if (session->indexMode == INDEX_LIST_EXPECTED || session->logList == 1)
            logNames = nameList(context, *session, buffer + HeadSize, length - HeadSize);
        else
            fileData(*session, buffer + HeadSize, length - HeadSize);
    }
    for (const LogName &name : logNames.names)
        context.report(deviceIndex, REPORT_LOG_NAME, 0, name.text, NameSize);
    if (logNames.complete)
        context.report(deviceIndex, REPORT_LOG_LIST_OVER, 0, nullptr, 0);
}

void ReceiveDispatch::fileData(DevSession &session, const unsigned char *bytes, int count)
{
    std::printf("_ProcMediaFile \n");
    port::debugOutput("_ProcMediaFile \n");
    if (!session.file) {
        std::printf("not open file! \n");
        port::debugOutput("not open file! \n");
        return;
    }
    bool written = true;
    if (count > 0)
        written = std::fwrite(bytes, 1, static_cast<std::size_t>(count), session.file)
                  == static_cast<std::size_t>(count);
    if (std::fflush(session.file) != 0)
        written = false;
    if (!written) {
        // A full disk: later data would land at the wrong place, so none is
        // written and the end of the transfer reports the file as lost.
        std::printf("write error\n");
        session.fileLost = true;
        session.closeFile();
    }
}

ReceiveDispatch::LogNames ReceiveDispatch::nameList(LibraryContext &context, DevSession &session,
                                                   const unsigned char *names, int count)
{
    LogNames logNames;
    if (!IndexFiles::ClearIndexFiles())
        std::printf("delete file error\n");
    context.indexList.clear();

    const int nameCount = count / NameSize;
    std::printf("index file num = %d\n", nameCount);
    for (int at = 0; at < nameCount; ++at) {
        const unsigned char *name = names + at * NameSize;
        // A name fills its 128 bytes without a terminating NUL when it is that long.
        LogName text = {};
        std::memcpy(text.text, name, NameSize);
        std::printf("index file name = %s\n", text.text);
        IndexEntry entry = {};
        std::memcpy(entry.remoteName, name, NameSize);
        context.indexList.push_back(entry);
        if (session.logList == 1)
            logNames.names.push_back(text);
    }
    if (session.logList == 1) {
        session.logList = 0;
        logNames.complete = true;
    }
    if (session.indexMode == INDEX_LIST_EXPECTED)
        session.indexMode = INDEX_LIST_RECEIVED;
    return logNames;
}

int ReceiveDispatch::answerRequest(DevSession &session, int result)
{
    if (!session.requested) {
        std::printf("reply 2 without a download request\n");
        return result;
    }
    session.requested = 0;
    if (result != 0) {
        // Refused: nothing is opened, and the path of the request goes with it.
        std::memset(session.localPath, 0, sizeof session.localPath);
        session.offset = 0;
        return result;
    }
    return openTransferFile(session) ? 0 : TESSVAR_RESULT_LOCAL_FILE;
}

void ReceiveDispatch::forgetUnansweredRequest(DevSession &session)
{
    // The camera answers in order: a later request's reply means the
    // download request's own reply 2 is not coming.
    if (!session.requested)
        return;
    session.requested = 0;
    std::memset(session.localPath, 0, sizeof session.localPath);
    session.offset = 0;
}

bool ReceiveDispatch::openTransferFile(DevSession &session)
{
    session.transferOpen = 1;
    session.fileLost = false;
    session.closeFile();
    std::printf("open file name=%s\n", session.localPath);
    // A download that resumes at an offset keeps what is already there.
    std::FILE *file = session.offset == 0 ? std::fopen(session.localPath, "wb")
                                          : std::fopen(session.localPath, "r+b");
    if (!file && session.offset != 0)
        file = std::fopen(session.localPath, "wb");
    if (file && session.offset != 0 && fseeko(file, session.offset, SEEK_SET) != 0) {
        std::fclose(file);
        file = nullptr;
    }
    if (!file) {
        // The transfer stays open so that its data is dropped and its reply 3
        // ends it, but nothing of it can be stored.
        std::printf("fopen error\n");
        session.fileLost = true;
    }
    session.file = file;
    return file != nullptr;
}

bool ReceiveDispatch::finishTransfer(DevSession &session, int &result)
{
    if (session.requested) {
        // Stray: the request still awaits its reply 2, and its local path
        // must survive for it.
        std::printf("reply 3 before the reply 2 of the download request\n");
        return false;
    }
    if (session.transferOpen) {
        const bool whole = session.closeFile() && !session.fileLost;
        std::memset(session.localPath, 0, sizeof session.localPath);
        session.offset = 0;
        session.transferOpen = 0;
        session.fileLost = false;
        if (!whole && result == 0)
            result = TESSVAR_RESULT_LOCAL_FILE;
    }
    if (session.indexMode != INDEX_IDLE)
        return true;
    if (session.logList == 1)
        session.logList = 0;
    return false;
}
