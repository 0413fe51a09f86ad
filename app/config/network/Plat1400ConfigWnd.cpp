#include "Plat1400ConfigWnd.h"

#include "MainManager.h"

#include <QRegExpValidator>

namespace {

// The platform's password takes printable ASCII signs, but no backslash, no
// blank, no comma and no backquote.
QValidator *passwordRule()
{
    return new QRegExpValidator(QRegExp(QString::fromLatin1("[0-9a-zA-Z~!@#$%^&*()_+{}:\"<>?|=\\[\\]\\-;'./]+$")));
}

} // namespace

Plat1400ConfigWnd::Plat1400ConfigWnd(QWidget *parent)
    : PlatServerPage(parent, passwordRule())
{
    connectRecord(&MainManager::devPlat1400ParamChanged, &Plat1400ConfigWnd::onSiganlFaceTdaParamChanged);
    connectResult(&MainManager::reqSetDevPlat1400Param, &Plat1400ConfigWnd::onSignalSetFaceTdaPamRes);
}

void Plat1400ConfigWnd::requestParam()
{
    manager()->ReqDevPlat1400Param();
}

void Plat1400ConfigWnd::onSiganlFaceTdaParamChanged(PLATFORM_1400_CFG_PARAM *param)
{
    fill(param, int(sizeof *param));
}

bool Plat1400ConfigWnd::sendParam(bool enable, const QString &address, const QString &port,
                                  const QString &userName, const QString &password)
{
    return manager()->SetDevPlat1400Param(enable, address, port, userName, password);
}
