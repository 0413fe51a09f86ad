#pragma once

#include "JsonFormPage.h"

// The encoding tab on cameras that describe their parameters in JSON. The
// camera keeps its encoding settings in the recording JSON group.
class EncryptParamEXWnd : public JsonFormPage
{
    Q_OBJECT

public:
    explicit EncryptParamEXWnd(QWidget *parent = nullptr);

public slots:
    void onDevGetRecParamJsonChanged(QByteArray data);
    void onSignalSetRecParamJsonRes(int ret, QByteArray data);
};
