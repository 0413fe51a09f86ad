#pragma once

#include <QString>

// One file of the download queue. The local path is the download folder with
// "/" separators and a trailing "/", followed by the file name that
// MainManager::localPathFor made of the remote name; the panel keys its rows
// by the same two strings.
struct DownLoadPair
{
    QString remoteName;   // the file's path on the camera
    QString localPath;    // where the library writes it
    bool logRun = false;  // queued by a device-log run rather than by a page

    bool isEmpty() const { return remoteName.isEmpty(); }
};
