#pragma once

#include "JsonFormPage.h"

// The system tab on cameras that describe their parameters in JSON.
class SystemParamEXWnd : public JsonFormPage
{
    Q_OBJECT

public:
    explicit SystemParamEXWnd(QWidget *parent = nullptr);

public slots:
    void onDevGetSystemParamJsonChanged(QByteArray data);
    void onSignalSetSystemParamJsonRes(int ret, QByteArray data);
};
