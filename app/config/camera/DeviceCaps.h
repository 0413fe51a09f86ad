#pragma once

#include "DevJsonAbility.h"
#include "Tessvar.h"

// Offsets of the capability bytes in the device-code record, by name, so that
// pages say which feature they ask about rather than where it lies.
namespace CapByte {
constexpr int kDial = 264;
constexpr int kWifi = 265;
constexpr int kPositioning = 266;
constexpr int kChanNum = 267;
constexpr int kStreamType = 268;
constexpr int kTarvioDomain = 269;
constexpr int kGpsInterval = 270;
constexpr int kExParamV3 = 272;
constexpr int kBluetooth = 273;
constexpr int kVibration = 274;
constexpr int kAntiShake = 275;
constexpr int kTimedPhoto = 276;
constexpr int kLumaro = 278;
constexpr int kAp = 279;
constexpr int kGpsOverlay = 280;
constexpr int kPicUpload = 281;
constexpr int kGpsUploadInterval = 282;
constexpr int kGroupTalk = 284;
constexpr int kGb = 285;
constexpr int kQuensa = 286;
constexpr int kRecordFormat = 287;
constexpr int kOsd = 288;
constexpr int kFtp = 289;
constexpr int kFace = 290;
constexpr int kPlat1400 = 291;
constexpr int kPlatCustom = 292;
constexpr int kPack = 293;
constexpr int kDst = 295;
constexpr int kGbStreamIdx = 313;
constexpr int kPic = 314;
constexpr int kPromptTone = 315;
constexpr int kNetMode = 316;
constexpr int kAntiShakeMode = 317;
constexpr int kSingleStream = 320;
constexpr int kScreenSaver30s = 321;
constexpr int kIntercomAudio = 322;
constexpr int kPreRecordFixed = 323;
constexpr int kDelayedRecordingFixed = 324;
constexpr int kInfraredFixed = 325;
constexpr int kNo60sPreRecord = 328;
constexpr int kNetLimitFree = 329;
constexpr int kNoiseReduction = 330;
constexpr int kLumaroV3 = 331;
constexpr int kForcedRecording = 332;
constexpr int kCoverAlarm = 333;
constexpr int kRtmp = 334;
constexpr int kWifiDialExclusive = 335;
constexpr int kFps30 = 336;
constexpr int kCcid = 337;
constexpr int k4MPhoto = 338;
constexpr int kGSensorAlarm = 341;
constexpr int kLowBatteryAlarm = 342;
} // namespace CapByte

// What the logged-in camera can do, read once from the device core: the
// camera either describes itself in JSON (then a feature is there when its
// ability key is not 0) or carries capability bytes in its device-code record
// (then a byte that is not 0, most of them only from generation 3 on).
// Containers and pages decide every tab, row and option through this one rule.
class DeviceCaps
{
public:
    using AbilityKey = int DevJsonAbility::*;

    enum class Counts {
        FromGeneration3, // the byte means nothing on older cameras
        OnAnyGeneration,
    };

    // The current camera, as MainManager holds it now.
    static DeviceCaps current();

    DeviceCaps(bool json, const DevJsonAbility &ability, const DEV_CODE_PARA_T &code);

    bool isJson() const { return m_json; }
    // Protocol generation of the device-code record (1, 2 or 3; 0 before it arrived).
    quint32 generation() const { return m_code.protocolVer; }
    quint32 modelType() const { return m_code.deviceType; }
    bool isGeneration3() const { return generation() >= 3; }

    int ability(AbilityKey key) const { return m_ability.*key; }
    // A byte of the device-code record; 0 outside it.
    quint8 codeByte(int offset) const;

    // The capability rule: the ability key on a JSON camera, the byte otherwise.
    bool has(AbilityKey key, int byteOffset, Counts counts = Counts::FromGeneration3) const
    {
        return value(key, byteOffset, counts) != 0;
    }
    // The same for features with a value rather than a flag (packing 0 to 3).
    int value(AbilityKey key, int byteOffset, Counts counts = Counts::FromGeneration3) const;

private:
    bool m_json;
    DevJsonAbility m_ability;
    DEV_CODE_PARA_T m_code;
};
