// The download queue and the device-log index of MainManager.

#include "MainManager.h"

void MainManager::setUpDownload()
{
}

void MainManager::onTransferReply(int index, int cmd, int result, const QByteArray &payload)
{
    Q_UNUSED(index)
    Q_UNUSED(cmd)
    Q_UNUSED(result)
    Q_UNUSED(payload)
}

void MainManager::clearDownloadState()
{
}
