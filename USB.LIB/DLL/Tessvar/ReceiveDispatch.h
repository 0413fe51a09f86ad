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
    // Reply 2: opens the local file of the request it answers. Returns the
    // result the callback gets: the camera's, or TESSVAR_RESULT_LOCAL_FILE
    // when the camera accepted but the file cannot be opened.
    static int answerRequest(DevSession &session, int result);
    static void forgetUnansweredRequest(DevSession &session);
    // False when the local file could not be opened.
    static bool openTransferFile(DevSession &session);
    // Reply 3: ends the open transfer, if any, turning a result of 0 into
    // TESSVAR_RESULT_LOCAL_FILE when its file is not whole. True when a media
    // index fetch runs and must go on.
    static bool finishTransfer(DevSession &session, int &result);
};
