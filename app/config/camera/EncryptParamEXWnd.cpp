#include "EncryptParamEXWnd.h"

#include "MainManager.h"

EncryptParamEXWnd::EncryptParamEXWnd(QWidget *parent)
    : JsonFormPage(parent, {&MainManager::ReqDevRecParamJson, &MainManager::SetDevRecParamJson}, {QSize(759, 601), false})
{
    setWindowTitle(QStringLiteral("EncryptParamEXWnd"));
    connectRecord(&MainManager::devGetRecParamJsonChanged, &EncryptParamEXWnd::onDevGetRecParamJsonChanged);
    connectResult(&MainManager::reqSetDevRecParamJson, &EncryptParamEXWnd::onSignalSetRecParamJsonRes);
}

void EncryptParamEXWnd::onDevGetRecParamJsonChanged(QByteArray data)
{
    formTextChanged(data);
}

void EncryptParamEXWnd::onSignalSetRecParamJsonRes(int ret, QByteArray data)
{
    saveAnswered(ret, data);
}
