#include "SystemParamEXWnd.h"

#include "MainManager.h"

SystemParamEXWnd::SystemParamEXWnd(QWidget *parent)
    : JsonFormPage(parent, {&MainManager::ReqDevSystemParamJson, &MainManager::SetDevSystemParamJson}, {QSize(759, 601), false})
{
    setWindowTitle(QStringLiteral("SystemParamEXWnd"));
    connectRecord(&MainManager::devGetSystemParamJsonChanged, &SystemParamEXWnd::onDevGetSystemParamJsonChanged);
    connectResult(&MainManager::reqSetDevSystemParamJson, &SystemParamEXWnd::onSignalSetSystemParamJsonRes);
}

void SystemParamEXWnd::onDevGetSystemParamJsonChanged(QByteArray data)
{
    formTextChanged(data);
}

void SystemParamEXWnd::onSignalSetSystemParamJsonRes(int ret, QByteArray data)
{
    saveAnswered(ret, data);
}
