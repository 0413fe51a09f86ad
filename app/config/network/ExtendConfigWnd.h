#pragma once

#include "JsonFormPage.h"

// The platform container's last tab: the camera's network extension
// parameters as a JSON form.
class ExtendConfigWnd : public JsonFormPage
{
    Q_OBJECT

public:
    explicit ExtendConfigWnd(QWidget *parent = nullptr);

public slots:
    void onDevGetNetExtendParamJsonChanged(QByteArray data);
    void onSignalSetNetExtendParamJsonRes(int ret, QByteArray data);
};
