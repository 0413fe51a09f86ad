#pragma once

#include "PlatServerPage.h"
#include "Tessvar.h"

// The GA/T 1400 tab (PlatServerPage has the form and the checks).
class Plat1400ConfigWnd : public PlatServerPage
{
    Q_OBJECT

public:
    explicit Plat1400ConfigWnd(QWidget *parent = nullptr);

public slots:
    void onSiganlFaceTdaParamChanged(PLATFORM_1400_CFG_PARAM *param);

protected:
    void requestParam() override;
    bool sendParam(bool enable, const QString &address, const QString &port, const QString &userName,
                   const QString &password) override;
};
