#include "CWifiStaticController.h"

#include "Ipv4Text.h"
#include "MainManager.h"
#include "NetChecks.h"
#include "RecordWriter.h"
#include "WifiStaticLayout.h"
#include "Tessvar.h"

#include <cstring>

using namespace WifiStaticLayout;

CWifiStaticController::CWifiStaticController(QObject *parent)
    : QObject(parent)
{
}

void CWifiStaticController::setParam(WifiStaticParam *param)
{
    if (!param)
        return;
    const struct
    {
        const QString &text;
        CheckResult failure;
    } addresses[] = {{param->ip, kBadIp},
                     {param->mask, kBadMask},
                     {param->gateway, kBadGateway},
                     {param->dns1, kBadDns1},
                     {param->dns2, kBadDns2}};
    for (const auto &address : addresses) {
        if (!NetChecks::isIpv4(address.text)) {
            emit checkParamResult(address.failure);
            return;
        }
    }
    emit checkParamResult(kPassed);

    WIFI_PARA_STATIC_T record;
    std::memset(&record, 0, sizeof record);
    RecordWriter w(&record, int(sizeof record));
    // Plain decimal parts: "010" is 10, as the operator reads it.
    w.inetAddr(kIp, Ipv4Text::toWire(param->ip));
    w.inetAddr(kMask, Ipv4Text::toWire(param->mask));
    w.i32(kDhcp, param->dhcp);
    w.i32(kDnsMode, param->dnsMode);
    w.inetAddr(kGateway, Ipv4Text::toWire(param->gateway));
    w.inetAddr(kDns1, Ipv4Text::toWire(param->dns1));
    w.inetAddr(kDns2, Ipv4Text::toWire(param->dns2));
    if (SetWifiStaticParam(MainManager::GetInstance()->GetCurIndex(), &record) != 0)
        emit setParamResult(-1);
}
