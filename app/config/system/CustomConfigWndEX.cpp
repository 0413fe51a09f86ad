#include "CustomConfigWndEX.h"

#include "MainManager.h"

CustomConfigWndEX::CustomConfigWndEX(QWidget *parent)
    : JsonFormPage(parent, {&MainManager::ReqDevCustomParamJson, &MainManager::SetDevCustomParamJson}, {QSize(759, 704), true})
{
    setWindowTitle(QStringLiteral("CustomConfigWndEX"));
    connectRecord(&MainManager::devGetCustomParamJsonChanged, &CustomConfigWndEX::onDevGetCustomParamJsonChanged);
    connectResult(&MainManager::reqSetDevCustomParamJson, &CustomConfigWndEX::onSignalSetCustomParamJsonRes);
}

void CustomConfigWndEX::onDevGetCustomParamJsonChanged(QByteArray data)
{
    formTextChanged(data);
}

void CustomConfigWndEX::onSignalSetCustomParamJsonRes(int ret, QByteArray data)
{
    saveAnswered(ret, data);
}
