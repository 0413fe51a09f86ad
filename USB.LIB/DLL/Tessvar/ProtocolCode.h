#pragma once

// The command codes the protocol layer acts on itself, and the codes of the
// reports it makes up for the callback (published with the callback type).

#include "Tessvar.h"

enum ProtocolCode : int {
    CMD_DOWNLOAD = 2,          // reply: the camera accepts or refuses a download
    CMD_TRANSFER_END = 3,      // reply: a download has ended
    CMD_FIND_LOG_FILE = 20,
    CMD_FIND_MEDIA_FILE = 21,

    REPORT_INDEX_RECORD = TESSVAR_CB_INDEX_RECORD,    // one FILE_IDX_RECORD
    REPORT_LOG_NAME = TESSVAR_CB_LOG_NAME,            // one 128-byte log file name
    REPORT_INDEX_OVER = TESSVAR_CB_INDEX_DONE,        // the media index is complete
    REPORT_LOG_LIST_OVER = TESSVAR_CB_LOG_LIST_DONE   // the log-name list is complete
};
