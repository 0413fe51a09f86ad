// The exports that log in and move files.

#include "ExportRequests.h"
#include "ExportTable.h"
#include "FileDownload.h"
#include "FileUpload.h"
#include "LibraryContext.h"
#include "Tessvar.h"

#include <cstdio>

int TESSVAR_CALL LoginDevice(int index, const char *password)
{
    std::printf("[##########--Login--###########]\n");
    std::fflush(stdout);
    static constexpr const tessvar::ExportRow &row = tessvar::ExportTable::find("LoginDevice");
    return ExportRequests::fixedText(index, row, password);
}

int TESSVAR_CALL DownLoadFile(int index, const char *remoteName, int offset, const char *localPath)
{
    return FileDownload::RequestDownload(LibraryContext::instance(), index, remoteName, offset, localPath);
}

int TESSVAR_CALL UploadFile(int index, const char *localPath)
{
    return FileUpload::send(index, localPath);
}
