#include "DeviceCaps.h"

#include "MainManager.h"

#include <cstring>

DeviceCaps DeviceCaps::current()
{
    MainManager *manager = MainManager::GetInstance();
    return DeviceCaps(manager->IsJsonAbility(), manager->GetJsonAbility(), manager->GetDevCode());
}

DeviceCaps::DeviceCaps(bool json, const DevJsonAbility &ability, const DEV_CODE_PARA_T &code)
    : m_json(json)
    , m_ability(ability)
    , m_code(code)
{
}

quint8 DeviceCaps::codeByte(int offset) const
{
    if (offset < 0 || offset >= int(sizeof(DEV_CODE_PARA_T)))
        return 0;
    quint8 bytes[sizeof(DEV_CODE_PARA_T)];
    std::memcpy(bytes, &m_code, sizeof bytes);
    return bytes[offset];
}

int DeviceCaps::value(AbilityKey key, int byteOffset, Counts counts) const
{
    if (m_json)
        return ability(key);
    if (counts == Counts::FromGeneration3 && !isGeneration3())
        return 0;
    return codeByte(byteOffset);
}
