#include "FileDownload.h"

#include "LibraryContext.h"
#include "LibraryLock.h"
#include "PacketSender.h"
#include "ProtocolCode.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <mutex>

namespace {

#pragma pack(push, 1)
struct DownloadPayload
{
    char name[128];
    std::int64_t offset;
};
#pragma pack(pop)
static_assert(sizeof(DownloadPayload) == 136, "the download request carries 136 bytes");

bool acceptableNames(const char *remoteName, const char *localPath)
{
    if (!remoteName || !localPath)
        return false;
    const std::size_t nameLength = strnlen(remoteName, FileDownload::MaxRemoteName + 1);
    if (nameLength == 0 || nameLength > FileDownload::MaxRemoteName)
        return false;
    // A longer path would be cut short and the data written to another file.
    return strnlen(localPath, FileDownload::MaxLocalPath + 1) <= FileDownload::MaxLocalPath;
}

} // namespace

int FileDownload::RequestDownload(LibraryContext &context, int deviceIndex, const char *remoteName,
                                  int offset, const char *localPath)
{
    std::printf("[##########--DownLoad--###########]\n");
    std::printf("file name=%.129s, offset=%d\n", remoteName ? remoteName : "", offset);
    if (!acceptableNames(remoteName, localPath))
        return -1;
    {
        std::lock_guard<std::mutex> lock(LibraryLock::mutex());
        DevSession *session = context.session(deviceIndex);
        if (!session) {
            std::printf("cannot find index\n");
            return -1;
        }
        if (session->transferOpen) {
            std::printf("is loading file\n");
            return -1;
        }
        std::memset(session->localPath, 0, sizeof session->localPath);
        std::memcpy(session->localPath, localPath, std::strlen(localPath));
        session->offset = offset;
        session->requested = 1;
    }
    DownloadPayload payload = {};
    std::memcpy(payload.name, remoteName, std::strlen(remoteName));
    payload.offset = offset;
    if (PacketSender::SendSet(deviceIndex, CMD_DOWNLOAD, &payload, sizeof payload) != -1)
        return 0;
    // No answer is coming: a later reply 2 is not this request's.
    std::lock_guard<std::mutex> lock(LibraryLock::mutex());
    if (DevSession *session = context.session(deviceIndex)) {
        session->requested = 0;
        std::memset(session->localPath, 0, sizeof session->localPath);
    }
    return -1;
}
