#pragma once

#include <QString>

// What a camera of the newer generation says it can do, as its JSON ability
// description gives it. Every field bears its JSON key; the rules of
// JsonHelper::parseDevAbility may clear the derived visibility fields.
struct DevJsonAbility
{
    QString serialStr;
    QString modelStr;
    int protocolVer = 0;
    int devType = 0;
    int showMediaInfo = 0;
    int showDevSet = 0;
    int supportLog = 0;
    int supportUsbMode = 0;
    int showDeviceInfo = 0;
    int showCameraInfo = 0;
    int showSystemInfo = 0;
    int showNetworkInfo = 0;
    int showPlatformInfo = 0;
    int showSystemMaintain = 0;
    int showCustomParam = 0;
    int supportUserInfo = 0;
    int supportEncodedParam = 0;
    int supportVideoParam = 0;
    int supportExtraOsd = 0;
    int picQuality = 0;
    int support4MPhoto = 0;
    int supportTimeParam = 0;
    int supportDST = 0;
    int supportPasswordParam = 0;
    int supportComplexPsw = 0;
    int supportSystemParam = 0;
    int support4G = 0;
    int netSystem = 0;
    int supportCCID = 0;
    int supportWifi = 0;
    int supportAp = 0;
    int supportTarvioV20 = 0;
    int supportTarvioName = 0;
    int supportTarvioForceSubStream = 0;
    int supportFtp = 0;
    int supportTarvioV50 = 0;
    int supportQuensaForceSubStream = 0;
    int supportGB28181 = 0;
    int gbStreamIdx = 0;
    int supportGroupTalk = 0;
    int supportLumaroV3 = 0;
    int supportFace = 0;
    int supportPlatform1400 = 0;
    int supportRTMP = 0;
    int supportPlatformCustom = 0;
    int supportDevOperate = 0;
    int supportFormat = 0;
    int supportSystemReset = 0;
    int supportRestoreParam = 0;
    int supportUpgrade = 0;
    int supportPlane = 0;
    int supportPicLead = 0;
    int supportLogoPic = 0;
    int supportStreamNum = 0;
    int wifiAndDialMutualExclusion = 0;
    int supportAudioAndVedioPackChg = 0;
    int supportExtendNetworkParam = 0;
    int supportNoPwdLogin = 0;
    int supportParamExport = 0;
};
