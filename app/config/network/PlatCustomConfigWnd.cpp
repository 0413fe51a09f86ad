#include "PlatCustomConfigWnd.h"

#include "MainManager.h"
#include "NetChecks.h"

PlatCustomConfigWnd::PlatCustomConfigWnd(QWidget *parent)
    : PlatServerPage(parent, NetChecks::idValidator(nullptr))
{
    connectRecord(&MainManager::devPlatCustomParamChanged, &PlatCustomConfigWnd::onSiganlFaceTdaParamChanged);
    connectResult(&MainManager::reqSetDevPlatCustomParam, &PlatCustomConfigWnd::onSignalSetFaceTdaPamRes);
}

void PlatCustomConfigWnd::requestParam()
{
    manager()->ReqDevPlatCustomParam();
}

void PlatCustomConfigWnd::onSiganlFaceTdaParamChanged(PLATFORM_CUSTOM_CFG_PARAM *param)
{
    fill(param, int(sizeof *param));
}

bool PlatCustomConfigWnd::sendParam(bool enable, const QString &address, const QString &port,
                                    const QString &userName, const QString &password)
{
    return manager()->SetDevPlatCustomParam(enable, address, port, userName, password);
}
