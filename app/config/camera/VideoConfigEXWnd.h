#pragma once

#include "JsonFormPage.h"

// The recording tab on cameras that describe their parameters in JSON. The
// camera keeps its recording settings in the video JSON group.
class VideoConfigEXWnd : public JsonFormPage
{
    Q_OBJECT

public:
    explicit VideoConfigEXWnd(QWidget *parent = nullptr);

public slots:
    void onDevGetVideoParamJsonChanged(QByteArray data);
    void onSignalSetVideoParamJsonRes(int ret, QByteArray data);
};
