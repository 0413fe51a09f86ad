#pragma once

// The transfer state of one enumerated camera.

#include <cstdint>
#include <cstdio>

enum IndexMode : int {
    INDEX_IDLE = 0,
    INDEX_LIST_EXPECTED = 1,
    INDEX_LIST_RECEIVED = 2,
};

struct DevSession
{
    std::uint8_t requested = 0;     // 1 from a sent download request until its reply 2
    std::uint8_t transferOpen = 0;  // 1 from an accepted download until its end
    int indexMode = INDEX_IDLE;
    std::uint8_t logList = 0;       // 1 from an accepted log-list request until its names are reported
    int next = 0;                   // the next index file to fetch
    std::FILE *file = nullptr;      // where received file data goes
    char localPath[260] = {};       // the download in progress
    std::int64_t offset = 0;        // where that download's data starts in the local file
    bool fileLost = false;          // the open download's local file missed some of its data

    DevSession() = default;
    ~DevSession();
    DevSession(const DevSession &) = delete;
    DevSession &operator=(const DevSession &) = delete;

    // Flushes and closes the local file, if one is open; false when the flush
    // or the close failed, so data that had been taken may be missing.
    bool closeFile();
};
