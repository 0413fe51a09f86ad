#pragma once

// The local copies of the camera's media index files, kept in the folder
// "indexfile" below the working directory.

#include <string>

struct LibraryContext;

class IndexFiles
{
public:
    static const char *const Folder;

    // Deletes every "*.bin" in the folder. False when there was none.
    static bool ClearIndexFiles();

    // Creates each missing folder along a local path. False when one cannot be made.
    static bool MakeDirs(const std::string &path);

    // Reports each used item of one index file to the callback (code 101).
    // 0, or -1 when the file cannot be opened or is shorter than its head.
    static int ParseIndexFile(LibraryContext &context, int deviceIndex, const char *localPath);

    // Where a remote index file is kept: the folder and the name's last
    // component, whichever of the two separators the camera used.
    static std::string LocalPathFor(const char *remoteName);
};
