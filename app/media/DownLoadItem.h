#pragma once

#include <QString>

// One row of the download panel. In the queue view local is the target
// folder, text the status and state the row's state (-1 waiting, 0 being
// fetched, 1 disk full, any other value failed); in the finished view local
// is the written file and text the time it was finished.
struct DownLoadItem
{
    QString usb_file;
    QString local;
    QString text;
    int state = -1;
    int seq = 0;
};
