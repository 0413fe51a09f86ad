#pragma once

// Asks a camera for one of its files; the camera answers with reply 2, the
// file's data packets and reply 3, which the receive dispatch handles.

struct LibraryContext;

class FileDownload
{
public:
    static constexpr int MaxRemoteName = 128;
    static constexpr int MaxLocalPath = 259;

    // The name is 1 to 128 characters, the local path at most 259. The data
    // lands in the local file from the offset on. 0 sent, -1 not.
    static int RequestDownload(LibraryContext &context, int deviceIndex, const char *remoteName,
                               int offset, const char *localPath);
};
