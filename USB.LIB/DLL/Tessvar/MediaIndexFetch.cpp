#include "MediaIndexFetch.h"

#include "FileDownload.h"
#include "IndexFiles.h"
#include "LibraryContext.h"
#include "LibraryLock.h"
#include "ProtocolCode.h"

#include <cstdio>
#include <cstring>
#include <mutex>
#include <string>
#include <vector>

namespace {

void forgetLocalPath(LibraryContext &context, std::size_t position)
{
    std::lock_guard<std::mutex> lock(LibraryLock::mutex());
    if (position < context.indexList.size())
        std::memset(context.indexList[position].localPath, 0, sizeof context.indexList[position].localPath);
}

} // namespace

void MediaIndexFetch::Advance(LibraryContext &context, int deviceIndex)
{
    for (;;) {
        std::string remoteName;
        std::string localPath;
        std::size_t position = 0;
        {
            std::lock_guard<std::mutex> lock(LibraryLock::mutex());
            DevSession *session = context.session(deviceIndex);
            if (!session)
                return;
            if (session->next >= static_cast<int>(context.indexList.size()))
                break;
            position = static_cast<std::size_t>(session->next);
            ++session->next;
            IndexEntry &entry = context.indexList[position];
            remoteName.assign(entry.remoteName, strnlen(entry.remoteName, sizeof entry.remoteName));
            localPath = IndexFiles::LocalPathFor(remoteName.c_str());
            std::memset(entry.localPath, 0, sizeof entry.localPath);
            std::strncpy(entry.localPath, localPath.c_str(), sizeof entry.localPath - 1);
        }
        IndexFiles::MakeDirs(IndexFiles::Folder);
        if (FileDownload::RequestDownload(context, deviceIndex, remoteName.c_str(), 0, localPath.c_str()) == 0)
            return;
        forgetLocalPath(context, position);
    }
    finish(context, deviceIndex);
}

void MediaIndexFetch::finish(LibraryContext &context, int deviceIndex)
{
    std::printf("down load index file over\n");
    std::vector<std::string> fetched;
    {
        std::lock_guard<std::mutex> lock(LibraryLock::mutex());
        if (DevSession *session = context.session(deviceIndex)) {
            session->indexMode = INDEX_IDLE;
            session->next = 0;
        }
        for (const IndexEntry &entry : context.indexList) {
            if (entry.localPath[0] != '\0')
                fetched.emplace_back(entry.localPath);
        }
    }
    for (const std::string &localPath : fetched)
        IndexFiles::ParseIndexFile(context, deviceIndex, localPath.c_str());
    context.report(deviceIndex, REPORT_INDEX_OVER, 0, nullptr, 0);
}
