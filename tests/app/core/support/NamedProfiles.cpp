#include "NamedProfiles.h"

#include "LocalText.h"

#include <QtGlobal>

#include <cstring>
#include <functional>

using sim::camera::CameraProfile;

namespace NamedProfiles {

namespace {

struct Row
{
    const char *name;
    std::function<CameraProfile()> make;
};

// A classic third-generation camera of the model type with every capability
// byte the camera and system pages read set, and the bytes that limit a page
// (single stream, fixed pre-record, delayed recording and infrared, no
// 60-second pre-record, network stream limited) clear.
CameraProfile classicGeneration3(std::uint32_t model)
{
    CameraProfile profile = CameraProfile::generation(3, false);
    profile.deviceType = model;
    for (std::size_t at : {264, 265, 266, 268, 272, 273, 274, 275, 276, 280, 281, 282, 287, 288, 295, 314, 315,
                           317, 321, 322, 330, 332, 333, 336, 338, 341, 342})
        profile.deviceCodeOverrides[at] = 1;
    profile.deviceCodeOverrides[267] = 1; // one video channel
    profile.deviceCodeOverrides[293] = 3; // audio and video packing
    for (std::size_t at : {320, 323, 324, 325, 328, 329})
        profile.deviceCodeOverrides[at] = 0;
    return profile;
}

CameraProfile dialUp(std::uint32_t model)
{
    CameraProfile profile = classicGeneration3(model);
    profile.deviceCodeOverrides[316] = 1; // network mode
    profile.deviceCodeOverrides[335] = 1; // Wi-Fi and dial-up exclusive
    profile.deviceCodeOverrides[337] = 1; // card number
    return profile;
}

CameraProfile olderGeneration(int generation)
{
    CameraProfile profile = CameraProfile::generation(generation, false);
    profile.deviceType = 4;
    return profile;
}

CameraProfile notActivated(bool hotspot)
{
    CameraProfile profile;
    profile.activated = false;
    profile.acceptsApPasswordAtActivation = hotspot;
    return profile;
}

// The camera keeps its IDs in GBK, as it sends them.
std::string gbk(const char *utf8)
{
    return LocalText::encode(QString::fromUtf8(utf8)).toStdString();
}

const Row kTable[] = {
    {Gen3Json, [] { return CameraProfile(); }},
    {Gen3Classic, [] { return CameraProfile::generation(3, false); }},
    {Gen2, [] { return CameraProfile::generation(2, false); }},
    // Camera configuration: generations and model types as the pages tell them apart.
    {"G1", [] { return olderGeneration(1); }},
    {"G2",
     [] {
         // Capability bytes that only count from generation 3 on.
         CameraProfile profile = olderGeneration(2);
         for (std::size_t at : {272, 288, 293, 295, 314})
             profile.deviceCodeOverrides[at] = 1;
         return profile;
     }},
    {"G3-12", [] { return classicGeneration3(12); }},
    {"G3-3",
     [] {
         CameraProfile profile = classicGeneration3(3);
         profile.deviceCodeOverrides[267] = 4; // four video channels
         return profile;
     }},
    {"G3-5", [] { return classicGeneration3(5); }},
    {"G3-7", [] { return classicGeneration3(7); }},
    {"G3-1", [] { return classicGeneration3(1); }},
    // Network configuration: a classic camera with the hotspot and the
    // Wi-Fi/dial-up hint, and a JSON camera that dials up but has no Wi-Fi.
    {"G3-Net",
     [] {
         CameraProfile profile = classicGeneration3(12);
         profile.deviceCodeOverrides[279] = 1; // hotspot
         profile.deviceCodeOverrides[335] = 1; // Wi-Fi and dial-up exclusive
         return profile;
     }},
    // Dial-up: classic cameras of a carrier model (fixed number, four
    // authentication types) and of an ordinary one, each with the network
    // mode, the card number and the Wi-Fi/dial-up hint.
    {"G3-Apn-5", [] { return dialUp(5); }},
    {"G3-Apn-2", [] { return dialUp(2); }},
    // The platform tabs of group talk, the face platform and both cloud
    // generations, without Wi-Fi, dial-up or Quensa, so that neither the
    // Tarvio nor the Quensa tab is offered.
    {"G3-Cloud",
     [] {
         CameraProfile profile = withoutTarvioOrQuensa(classicGeneration3(12));
         for (std::size_t at : {278, 284, 290, 331}) // Lumaro, group talk, face, Lumaro V3
             profile.deviceCodeOverrides[at] = 1;
         return profile;
     }},
    {"J-NoWifi",
     [] {
         CameraProfile profile;
         profile.abilityOverrides["support4G"] = 1;
         profile.abilityOverrides["supportWifi"] = 0;
         return profile;
     }},
    // A classic camera with the GB28181, GA/T 1400, custom platform and RTMP
    // tabs but neither Wi-Fi, dial-up nor Quensa: the shorter one-platform hint.
    {"G3-NoTarvio",
     [] {
         CameraProfile profile = withoutTarvioOrQuensa(classicGeneration3(12));
         for (std::size_t at : {285, 291, 292, 334})
             profile.deviceCodeOverrides[at] = 1;
         return profile;
     }},
    // A JSON camera with every ability key the configuration pages read set;
    // tests take keys away with abilityOverrides.
    {"J",
     [] {
         CameraProfile profile;
         for (const char *key :
              {"supportEncodedParam", "supportVideoParam", "supportExtraOsd", "picQuality", "support4MPhoto",
               "supportTimeParam", "supportDST", "supportPasswordParam", "supportSystemParam", "support4G",
               "netSystem", "supportCCID", "supportWifi", "supportAp", "wifiAndDialMutualExclusion",
               "supportTarvioV20", "supportTarvioName", "supportTarvioForceSubStream", "supportFtp",
               "supportTarvioV50", "supportQuensaForceSubStream", "supportGB28181", "gbStreamIdx",
               "supportGroupTalk", "supportLumaroV3", "supportFace", "supportPlatform1400", "supportRTMP",
               "supportPlatformCustom", "supportExtendNetworkParam", "showCustomParam"})
             profile.abilityOverrides[key] = 1;
         profile.abilityOverrides["supportAudioAndVedioPackChg"] = 3;
         return profile;
     }},
    {NotActivated, [] { return notActivated(true); }},
    {NotActivatedNoHotspot, [] { return notActivated(false); }},
    {NoPassword,
     [] {
         CameraProfile profile;
         profile.noPasswordLogin = true;
         return profile;
     }},
    {Gen3NoMedia,
     [] {
         CameraProfile profile;
         profile.abilityOverrides = {{"showMediaInfo", 0}};
         return profile;
     }},
    {LongChineseIds,
     [] {
         CameraProfile profile;
         profile.officerId = gbk("第一大队第二中队警员编号零零七");
         profile.deviceId = gbk("深圳市公安局执法记录仪设备编号甲乙丙丁戊己庚辛壬癸子丑");
         return profile;
     }},
};

} // namespace

CameraProfile profile(const char *name)
{
    for (const Row &row : kTable) {
        if (std::strcmp(row.name, name) == 0)
            return row.make();
    }
    qFatal("no camera profile named %s", name);
}

CameraProfile withoutTarvioOrQuensa(CameraProfile profile)
{
    // Tarvio needs Wi-Fi or dial-up, Quensa its own byte.
    for (std::size_t at : {264, 265, 286})
        profile.deviceCodeOverrides[at] = 0;
    return profile;
}

QStringList names()
{
    QStringList list;
    for (const Row &row : kTable)
        list << QString::fromLatin1(row.name);
    return list;
}

} // namespace NamedProfiles
