#pragma once

// One media index file that the camera listed.

struct IndexEntry
{
    char remoteName[260];  // the camera's name, copied from the 128-byte list entry
    char localPath[260];   // where it is stored locally; empty until it is fetched
};
