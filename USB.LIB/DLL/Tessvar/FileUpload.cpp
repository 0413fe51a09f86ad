#include "FileUpload.h"

#include "PacketSender.h"

#include <climits>
#include <cstdio>
#include <memory>
#include <new>
#include <vector>

namespace {

struct FileCloser {
    void operator()(std::FILE *file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

long fileSize(std::FILE *file)
{
    if (std::fseek(file, 0, SEEK_END) != 0)
        return -1;
    const long size = std::ftell(file);
    std::rewind(file);
    return size;
}

} // namespace

int FileUpload::send(int deviceIndex, const char *localPath)
{
    if (!localPath)
        return CannotOpen;
    FilePtr file(std::fopen(localPath, "rb"));
    if (!file)
        return CannotOpen;
    const long size = fileSize(file.get());
    if (size < 0)
        return ShortRead;
    // The whole file is held in memory and its byte count travels as an int.
    if (size > INT_MAX)
        return OutOfMemory;
    std::vector<char> contents;
    try {
        contents.resize(static_cast<std::size_t>(size));
    } catch (const std::bad_alloc &) {
        return OutOfMemory;
    }
    if (std::fread(contents.data(), 1, contents.size(), file.get()) != contents.size()) {
        std::fprintf(stderr, "Reading error\n");
        return ShortRead;
    }
    file.reset();
    return PacketSender::SendData(deviceIndex, contents.data(), static_cast<int>(contents.size()));
}
