#include "CameraProfiles.h"

#include <cstddef>
#include <functional>

namespace sim {

namespace {

using camera::CameraProfile;

// Every key of the ability description that a window, page, tab or button
// reads. Log-in without a password is left off: it would skip the password
// prompt that a new user is meant to see.
const char *const kAbilityKeys[] = {
    "showMediaInfo", "showDevSet", "supportLog", "supportUsbMode", "showDeviceInfo", "showCameraInfo",
    "showSystemInfo", "showNetworkInfo", "showPlatformInfo", "showSystemMaintain", "showCustomParam",
    "supportUserInfo", "supportEncodedParam", "supportVideoParam", "supportExtraOsd", "picQuality",
    "support4MPhoto", "supportTimeParam", "supportDST", "supportPasswordParam", "supportComplexPsw",
    "supportSystemParam", "support4G", "netSystem", "supportCCID", "supportWifi", "supportAp",
    "supportTarvioV20", "supportTarvioName", "supportTarvioForceSubStream", "supportFtp", "supportTarvioV50",
    "supportQuensaForceSubStream", "supportGB28181", "gbStreamIdx", "supportGroupTalk", "supportLumaroV3",
    "supportFace", "supportPlatform1400", "supportRTMP", "supportPlatformCustom", "supportDevOperate",
    "supportFormat", "supportSystemReset", "supportRestoreParam", "supportUpgrade", "supportPlane",
    "supportPicLead", "supportLogoPic", "supportExtendNetworkParam", "supportParamExport"};

// Capability bytes of the device-code record that offer something; the
// bytes that take something away (a single stream, a fixed pre-record, ...)
// stay clear.
const std::size_t kCapabilityBytes[] = {264, 265, 266, 268, 271, 272, 273, 274, 275, 276, 279, 280, 281, 282, 287,
                                        288, 295, 314, 315, 317, 318, 321, 322, 326, 330, 332, 333, 336, 337, 338,
                                        340, 341, 342};

CameraProfile fullest()
{
    CameraProfile profile;
    for (const char *key : kAbilityKeys)
        profile.abilityOverrides[key] = 1;
    profile.abilityOverrides["supportStreamNum"] = 2;
    profile.abilityOverrides["supportAudioAndVedioPackChg"] = 3;
    for (std::size_t at : kCapabilityBytes)
        profile.deviceCodeOverrides[at] = 1;
    profile.deviceCodeOverrides[267] = 1; // one video channel
    profile.deviceCodeOverrides[293] = 3; // audio and video packing
    return profile;
}

CameraProfile notActivated(bool hotspot)
{
    CameraProfile profile;
    profile.activated = false;
    profile.acceptsApPasswordAtActivation = hotspot;
    return profile;
}

struct Row {
    NamedCameraProfile named;
    std::function<CameraProfile()> make;
};

const std::vector<Row> &table()
{
    static const std::vector<Row> rows = {
        {{kDefaultCameraProfile, "generation 3 with a JSON ability description offering every page and option"},
         fullest},
        {{"gen3-json", "generation 3 with the typical JSON ability description"}, [] { return CameraProfile(); }},
        {{"gen3-classic", "generation 3 without a JSON ability description"},
         [] { return CameraProfile::generation(3, false); }},
        {{"gen2", "generation 2 (no ability description, no activation)"},
         [] { return CameraProfile::generation(2, false); }},
        {{"gen1", "generation 1 (no ability description, no activation)"},
         [] { return CameraProfile::generation(1, false); }},
        {{"not-activated", "generation 3, not yet activated: asks for a device and a hotspot password"},
         [] { return notActivated(true); }},
        {{"not-activated-no-hotspot", "generation 3, not yet activated: asks for the device password only"},
         [] { return notActivated(false); }},
        {{"no-password", "generation 3 that logs in without a password"},
         [] {
             CameraProfile profile;
             profile.noPasswordLogin = true;
             return profile;
         }},
    };
    return rows;
}

} // namespace

const std::vector<NamedCameraProfile> &cameraProfiles()
{
    static const std::vector<NamedCameraProfile> named = [] {
        std::vector<NamedCameraProfile> list;
        for (const Row &row : table())
            list.push_back(row.named);
        return list;
    }();
    return named;
}

std::optional<camera::CameraProfile> cameraProfile(const std::string &name)
{
    for (const Row &row : table()) {
        if (name == row.named.name)
            return row.make();
    }
    return std::nullopt;
}

} // namespace sim
