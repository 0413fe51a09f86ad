#include "IndexFiles.h"

#include "FileIdxHead.h"
#include "FileIdxItem.h"
#include "FileIdxRecord.h"
#include "LibraryContext.h"
#include "ProtocolCode.h"

#include "PlatformPort.h"

#include <cstdio>
#include <cstring>
#include <vector>

const char *const IndexFiles::Folder = "indexfile";

namespace {

bool endsWith(const std::string &text, const char *suffix)
{
    const std::size_t length = std::strlen(suffix);
    return text.size() >= length && text.compare(text.size() - length, length, suffix) == 0;
}

} // namespace

bool IndexFiles::ClearIndexFiles()
{
    std::printf("[clear index(.bin) file]\n");
    std::vector<std::string> names;
    port::listFiles(Folder, names);
    bool found = false;
    for (const std::string &name : names) {
        if (!endsWith(name, ".bin"))
            continue;
        found = true;
        const std::string path = std::string(Folder) + port::nativeSeparator() + name;
        std::printf("%s\n", path.c_str());
        port::deleteFile(path.c_str());
    }
    if (!found)
        return false;
    std::printf("[clear index(.bin) file success]\n");
    return true;
}

bool IndexFiles::MakeDirs(const std::string &path)
{
    const char separator = port::nativeSeparator();
    std::string full = path;
    if (full.empty() || full.back() != separator)
        full += separator;
    for (std::size_t at = full.find(separator); at != std::string::npos;
         at = full.find(separator, at + 1)) {
        const std::string folder = full.substr(0, at);
        if (folder.empty() || port::pathExists(folder.c_str()))
            continue;
        if (!port::createDirectory(folder.c_str()))
            return false;
    }
    return true;
}

int IndexFiles::ParseIndexFile(LibraryContext &context, int deviceIndex, const char *localPath)
{
    std::printf("open local index name=%s\n", localPath);
    std::FILE *file = std::fopen(localPath, "rb");
    if (!file) {
        std::printf("fopen error\n");
        return -1;
    }
    FILE_IDX_HEAD head;
    const std::size_t headSize = std::fread(&head, 1, sizeof head, file);
    if (headSize < sizeof head) {
        std::printf("readSize < sizeof(FILE_IDX_HEAD),%d\n", static_cast<int>(headSize));
        std::fclose(file);
        return -1;
    }
    for (;;) {
        FILE_IDX_ITEM item;
        const std::size_t itemSize = std::fread(&item, 1, sizeof item, file);
        if (itemSize < sizeof item) {
            std::printf("readSize < sizeof(FILE_IDX_ITEM),%d\n", static_cast<int>(itemSize));
            break;
        }
        if (item.fileName[0] == '\0')
            continue;
        FILE_IDX_RECORD record = {};
        std::memcpy(record.fileName, item.fileName, sizeof record.fileName);
        std::memcpy(record.times, item.times, sizeof record.times);
        std::printf("filePath = %.128s\n", record.fileName);
        context.report(deviceIndex, REPORT_INDEX_RECORD, 0, &record, sizeof record);
    }
    std::fclose(file);
    return 0;
}

std::string IndexFiles::LocalPathFor(const char *remoteName)
{
    const char *base = remoteName;
    for (const char *at = remoteName; *at; ++at) {
        if (*at == '\\' || *at == '/')
            base = at + 1;
    }
    return std::string(Folder) + port::nativeSeparator() + base;
}
