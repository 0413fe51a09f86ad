// The setters, merge setters and actions of MainManager.

#include "MainManager.h"

void MainManager::onPasswordReply(int result)
{
    Q_UNUSED(result)
}

void MainManager::onIdParamReply(int result)
{
    Q_UNUSED(result)
}
