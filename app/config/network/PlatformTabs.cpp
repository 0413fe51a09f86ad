#include "PlatformTabs.h"

#include "DeviceCaps.h"

#include <array>

namespace {

struct Rule
{
    // Null: the tab never shows on a JSON camera.
    DeviceCaps::AbilityKey key;
    int capByte;
};

// Tabs 1 to 10: the ability key on a JSON camera, otherwise the capability
// byte, which counts from generation 3 on. Tabs 0 and 11 have rules of their own.
const std::array<Rule, PlatformTabs::kTabCount> kRules{{
        {nullptr, -1},
        {&DevJsonAbility::supportFtp, CapByte::kFtp},
        {&DevJsonAbility::supportTarvioV50, CapByte::kQuensa},
        {&DevJsonAbility::supportGB28181, CapByte::kGb},
        {&DevJsonAbility::supportPlatform1400, CapByte::kPlat1400},
        {&DevJsonAbility::supportGroupTalk, CapByte::kGroupTalk},
        {&DevJsonAbility::supportPlatformCustom, CapByte::kPlatCustom},
        {&DevJsonAbility::supportFace, CapByte::kFace},
        {nullptr, CapByte::kLumaro},
        {&DevJsonAbility::supportLumaroV3, CapByte::kLumaroV3},
        {&DevJsonAbility::supportRTMP, CapByte::kRtmp},
        {nullptr, -1},
}};

} // namespace

bool PlatformTabs::isEnabled(int tab)
{
    return isEnabled(tab, DeviceCaps::current());
}

bool PlatformTabs::isEnabled(int tab, const DeviceCaps &caps)
{
    switch (tab) {
    case kTarvio:
        // Older cameras always reach Tarvio; newer ones need a network to do it.
        if (caps.isJson())
            return (caps.ability(&DevJsonAbility::supportWifi) || caps.ability(&DevJsonAbility::support4G))
                    && caps.ability(&DevJsonAbility::supportTarvioV20);
        return caps.codeByte(CapByte::kWifi) || caps.codeByte(CapByte::kDial) || !caps.isGeneration3();
    case kOther:
        // The device core keeps the ability record per camera, so this key is
        // read on classic cameras too.
        return caps.ability(&DevJsonAbility::supportExtendNetworkParam) != 0;
    default:
        break;
    }
    if (tab < 0 || tab >= kTabCount)
        return false;
    const Rule &rule = kRules[size_t(tab)];
    if (caps.isJson())
        return rule.key && caps.ability(rule.key) != 0;
    return caps.has(rule.key, rule.capByte);
}

QString PlatformTabs::onePlatformHint()
{
    return onePlatformHint(DeviceCaps::current());
}

QString PlatformTabs::onePlatformHint(const DeviceCaps &caps)
{
    if (isEnabled(kTarvio, caps) || isEnabled(kQuensa, caps))
        return QString();
    return tr("QUENSA、国标 、Lumaro同时只可启用一个平台");
}
