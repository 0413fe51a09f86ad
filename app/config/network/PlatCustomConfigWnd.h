#pragma once

#include "PlatServerPage.h"
#include "Tessvar.h"

// The custom platform tab (PlatServerPage has the form and the checks).
class PlatCustomConfigWnd : public PlatServerPage
{
    Q_OBJECT

public:
    explicit PlatCustomConfigWnd(QWidget *parent = nullptr);

public slots:
    void onSiganlFaceTdaParamChanged(PLATFORM_CUSTOM_CFG_PARAM *param);

protected:
    void requestParam() override;
    bool sendParam(bool enable, const QString &address, const QString &port, const QString &userName,
                   const QString &password) override;
};
