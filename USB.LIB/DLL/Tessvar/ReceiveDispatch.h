#pragma once

// Takes every packet a camera's reader thread receives: replies go to the
// callback, file data into the local file, name lists into the index list,
// each after the library's own work for it.

#include <vector>

struct LibraryContext;
struct DevSession;
struct PACKET_HEAD;

class ReceiveDispatch
{
public:
    // The reader thread's receive function. Never reads more than length bytes
    // of the buffer, whatever the packet's own length field says.
    static void OnReceive(int deviceIndex, const unsigned char *buffer, int length,
                          LibraryContext *context);

private:
    static void commandReply(LibraryContext &context, int deviceIndex,
                             const unsigned char *buffer, int length, const PACKET_HEAD &head);
    static void data(LibraryContext &context, int deviceIndex, const unsigned char *buffer,
                     int length);
    static void fileData(DevSession &session, const unsigned char *bytes, int count);
    // A log file name with room for a terminating NUL.
    struct LogName {
        char text[129];
    };
    // What a name list leaves to report once the library lock is released.
    struct LogNames {
        std::vector<LogName> names;
        bool complete = false;
    };

    static LogNames nameList(LibraryContext &context, DevSession &session, const unsigned char *names,
                             int count);
    static void openTransferFile(DevSession &session);
    // True when a media index fetch runs and must go on.
    static bool finishTransfer(DevSession &session);
};
