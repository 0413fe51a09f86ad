#pragma once

#include "ParamPage.h"
#include "Tessvar.h"

#include <QScopedPointer>

namespace Ui {
class VideoConfigWnd;
}

// The recording tab of cameras without a JSON description. Its settings lie
// in two records: four fields of the system record, then, on cameras with
// the extended record, seven flags of it. A save sends the system record and
// only after the camera took it the extended one.
class VideoConfigWnd : public ParamPage
{
    Q_OBJECT

public:
    explicit VideoConfigWnd(QWidget *parent = nullptr);
    ~VideoConfigWnd() override;

public slots:
    void onSaveBtnClicked();
    void onSignalDevSystemParamChanged(SYSTEM_PARA_T *sysParam);
    void onReqSetDevSystemParamRes(int result);
    void onSiganlDevEXParamV3Changed(Ex_Param_V3_T *param);
    void onReqSetDevEXParamV3Res(int result);

protected:
    void requestParam() override;

private:
    // The extended record is both shown and saved.
    bool usesExtendedRecord() const;

    const QScopedPointer<Ui::VideoConfigWnd> m_ui;
    bool m_extendedRecord = false; // byte 272
    quint32 m_generation = 0;
};
