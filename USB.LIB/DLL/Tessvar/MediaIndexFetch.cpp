#include "MediaIndexFetch.h"

#include "FileDownload.h"
#include "IndexFiles.h"
#include "LibraryContext.h"
#include "ProtocolCode.h"

#include <cstdio>
#include <cstring>
#include <string>

void MediaIndexFetch::Advance(LibraryContext &context, int deviceIndex, DevSession &session)
{
    while (session.next < static_cast<int>(context.indexList.size())) {
        IndexEntry &entry = context.indexList[static_cast<std::size_t>(session.next)];
        ++session.next;
        IndexFiles::MakeDirs(IndexFiles::Folder);
        const std::string localPath = IndexFiles::LocalPathFor(entry.remoteName);
        std::memset(entry.localPath, 0, sizeof entry.localPath);
        std::strncpy(entry.localPath, localPath.c_str(), sizeof entry.localPath - 1);
        if (FileDownload::RequestDownload(context, deviceIndex, entry.remoteName, 0,
                                          entry.localPath) == 0)
            return;
        std::memset(entry.localPath, 0, sizeof entry.localPath);
    }
    finish(context, deviceIndex, session);
}

void MediaIndexFetch::finish(LibraryContext &context, int deviceIndex, DevSession &session)
{
    std::printf("down load index file over\n");
    session.indexMode = INDEX_IDLE;
    session.next = 0;
    for (const IndexEntry &entry : context.indexList) {
        if (entry.localPath[0] != '\0')
            IndexFiles::ParseIndexFile(context, deviceIndex, entry.localPath);
    }
    context.report(deviceIndex, REPORT_INDEX_OVER, 0, nullptr, 0);
}
