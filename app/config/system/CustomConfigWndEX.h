#pragma once

#include "JsonFormPage.h"

// The navigator's extended parameters: the camera's own form of settings
// that have no page of their own, under the form's name.
class CustomConfigWndEX : public JsonFormPage
{
    Q_OBJECT

public:
    explicit CustomConfigWndEX(QWidget *parent = nullptr);

public slots:
    void onDevGetCustomParamJsonChanged(QByteArray data);
    void onSignalSetCustomParamJsonRes(int ret, QByteArray data);
};
