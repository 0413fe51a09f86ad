#pragma once

// The one lock of the library. It guards the device table and its records,
// the sessions, the media index list and the callback pair, which the
// callers' threads and every camera's reader thread share. It is held only
// for lookups and state changes: never across a USB transfer, a thread join
// or a call of the callback, so a callback may call any export.

#include <condition_variable>
#include <mutex>

class LibraryLock
{
public:
    static std::mutex &mutex();
    // Signalled, under the lock, whenever a device record leaves a transient
    // state (opening, a write in flight) and whenever a reader ends.
    static std::condition_variable &changed();
};
