#include "ExtendConfigWnd.h"

#include "MainManager.h"

ExtendConfigWnd::ExtendConfigWnd(QWidget *parent)
    : JsonFormPage(parent, {&MainManager::ReqDevNetExtendParamJson, &MainManager::SetDevNetExtendParamJson}, {QSize(759, 632), false})
{
    setWindowTitle(QStringLiteral("ExtendConfigWnd"));
    connectRecord(&MainManager::devGetNetExtendParamJsonChanged, &ExtendConfigWnd::onDevGetNetExtendParamJsonChanged);
    connectResult(&MainManager::reqSetDevNetExtendParamJson, &ExtendConfigWnd::onSignalSetNetExtendParamJsonRes);
}

void ExtendConfigWnd::onDevGetNetExtendParamJsonChanged(QByteArray data)
{
    formTextChanged(data);
}

void ExtendConfigWnd::onSignalSetNetExtendParamJsonRes(int ret, QByteArray data)
{
    saveAnswered(ret, data);
}
