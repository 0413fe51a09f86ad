#pragma once

// Sends a whole local file to a camera as data packets. The camera has been
// told the name and size beforehand and is told the end afterwards; both are
// the caller's commands.

class FileUpload
{
public:
    static constexpr int CannotOpen = -1;
    static constexpr int OutOfMemory = -2;
    static constexpr int ShortRead = -3;

    // The byte count of the last packet written, or one of the failures above,
    // or -1 when a packet could not be written.
    static int send(int deviceIndex, const char *localPath);
};
