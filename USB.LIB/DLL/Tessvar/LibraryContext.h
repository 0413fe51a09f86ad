#pragma once

// The library's single context: the registered callback, the media index list
// shared by all cameras, and the transfer state of each enumerated camera.

#include "DevSession.h"
#include "IndexEntry.h"
#include "MsgCallback.h"

#include <map>
#include <vector>

struct LibraryContext
{
    MSG_CALLBACK_FN callback = nullptr;
    void *user = nullptr;
    std::vector<IndexEntry> indexList;
    std::map<int, DevSession> sessions;

    // The context the exports and the reader threads share, built with the library.
    static LibraryContext &instance();

    // Null when enumeration did not produce the index. The session, like the
    // index list, is shared with the other threads: use it with the library
    // lock held.
    DevSession *session(int deviceIndex);

    // One zeroed session for each index from 0 to count - 1.
    void resetSessions(int count);

    // Replaces the callback and its user pointer; a null callback silences every report.
    void setCallback(MSG_CALLBACK_FN newCallback, void *newUser);

    // Hands one report to the callback, when one is registered. Call without
    // the library lock: the callback may call any export.
    void report(int deviceIndex, int command, int result, const void *payload, int length) const;
};
