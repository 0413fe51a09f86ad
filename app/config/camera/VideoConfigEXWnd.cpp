#include "VideoConfigEXWnd.h"

#include "MainManager.h"

VideoConfigEXWnd::VideoConfigEXWnd(QWidget *parent)
    : JsonFormPage(parent, {&MainManager::ReqDevVideoParamJson, &MainManager::SetDevVideoParamJson}, {QSize(759, 601), false})
{
    setWindowTitle(QStringLiteral("VideoConfigEXWnd"));
    connectRecord(&MainManager::devGetVideoParamJsonChanged, &VideoConfigEXWnd::onDevGetVideoParamJsonChanged);
    connectResult(&MainManager::reqSetDevVideoParamJson, &VideoConfigEXWnd::onSignalSetVideoParamJsonRes);
}

void VideoConfigEXWnd::onDevGetVideoParamJsonChanged(QByteArray data)
{
    formTextChanged(data);
}

void VideoConfigEXWnd::onSignalSetVideoParamJsonRes(int ret, QByteArray data)
{
    saveAnswered(ret, data);
}
