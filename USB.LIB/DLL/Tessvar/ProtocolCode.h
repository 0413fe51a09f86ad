#pragma once

// The command codes the protocol layer acts on itself, and the codes of the
// reports it makes up for the callback.

enum ProtocolCode : int {
    CMD_DOWNLOAD = 2,          // reply: the camera accepts or refuses a download
    CMD_TRANSFER_END = 3,      // reply: a download has ended
    CMD_FIND_LOG_FILE = 20,
    CMD_FIND_MEDIA_FILE = 21,

    REPORT_INDEX_RECORD = 101, // one FILE_IDX_RECORD
    REPORT_LOG_NAME = 102,     // one 128-byte log file name
    REPORT_INDEX_OVER = 103,   // the media index is complete
    REPORT_LOG_LIST_OVER = 104 // the log-name list is complete
};
