#include "DeviceSupport.h"

#include "MainManager.h"

DeviceSupport DeviceSupport::current()
{
    MainManager *manager = MainManager::GetInstance();
    DeviceSupport support;
    support.generation = int(manager->GetProtocolVer());
    support.hasAbility = manager->IsJsonAbility();
    if (support.hasAbility)
        support.ability = manager->GetJsonAbility();
    support.networkByte = quint8(manager->GetDevCodeByte(kNetworkByte));
    support.mobileNetworkByte = quint8(manager->GetDevCodeByte(kMobileNetworkByte));
    support.logByte = quint8(manager->GetDevCodeByte(kLogByte));
    return support;
}

bool deviceSupportsLog(const DeviceSupport &support)
{
    if (support.generation != 3)
        return true;
    return support.hasAbility ? support.ability.supportLog != 0 : support.logByte != 0;
}

bool deviceSupportsLog()
{
    return deviceSupportsLog(DeviceSupport::current());
}
