#include "JsonHelper.h"

#include "DevJsonAbility.h"

#include <QJsonDocument>
#include <QJsonParseError>
#include <QJsonValue>

#include <climits>
#include <cmath>
#include <initializer_list>

namespace {

struct IntegerField {
    const char *key;
    int DevJsonAbility::*field;
};

// The integer fields in the order of the record.
const IntegerField integerFields[] = {
    {"protocolVer", &DevJsonAbility::protocolVer},
    {"devType", &DevJsonAbility::devType},
    {"showMediaInfo", &DevJsonAbility::showMediaInfo},
    {"showDevSet", &DevJsonAbility::showDevSet},
    {"supportLog", &DevJsonAbility::supportLog},
    {"supportUsbMode", &DevJsonAbility::supportUsbMode},
    {"showDeviceInfo", &DevJsonAbility::showDeviceInfo},
    {"showCameraInfo", &DevJsonAbility::showCameraInfo},
    {"showSystemInfo", &DevJsonAbility::showSystemInfo},
    {"showNetworkInfo", &DevJsonAbility::showNetworkInfo},
    {"showPlatformInfo", &DevJsonAbility::showPlatformInfo},
    {"showSystemMaintain", &DevJsonAbility::showSystemMaintain},
    {"showCustomParam", &DevJsonAbility::showCustomParam},
    {"supportUserInfo", &DevJsonAbility::supportUserInfo},
    {"supportEncodedParam", &DevJsonAbility::supportEncodedParam},
    {"supportVideoParam", &DevJsonAbility::supportVideoParam},
    {"supportExtraOsd", &DevJsonAbility::supportExtraOsd},
    {"picQuality", &DevJsonAbility::picQuality},
    {"support4MPhoto", &DevJsonAbility::support4MPhoto},
    {"supportTimeParam", &DevJsonAbility::supportTimeParam},
    {"supportDST", &DevJsonAbility::supportDST},
    {"supportPasswordParam", &DevJsonAbility::supportPasswordParam},
    {"supportComplexPsw", &DevJsonAbility::supportComplexPsw},
    {"supportSystemParam", &DevJsonAbility::supportSystemParam},
    {"support4G", &DevJsonAbility::support4G},
    {"netSystem", &DevJsonAbility::netSystem},
    {"supportCCID", &DevJsonAbility::supportCCID},
    {"supportWifi", &DevJsonAbility::supportWifi},
    {"supportAp", &DevJsonAbility::supportAp},
    {"supportTarvioV20", &DevJsonAbility::supportTarvioV20},
    {"supportTarvioName", &DevJsonAbility::supportTarvioName},
    {"supportTarvioForceSubStream", &DevJsonAbility::supportTarvioForceSubStream},
    {"supportFtp", &DevJsonAbility::supportFtp},
    {"supportTarvioV50", &DevJsonAbility::supportTarvioV50},
    {"supportQuensaForceSubStream", &DevJsonAbility::supportQuensaForceSubStream},
    {"supportGB28181", &DevJsonAbility::supportGB28181},
    {"gbStreamIdx", &DevJsonAbility::gbStreamIdx},
    {"supportGroupTalk", &DevJsonAbility::supportGroupTalk},
    {"supportLumaroV3", &DevJsonAbility::supportLumaroV3},
    {"supportFace", &DevJsonAbility::supportFace},
    {"supportPlatform1400", &DevJsonAbility::supportPlatform1400},
    {"supportRTMP", &DevJsonAbility::supportRTMP},
    {"supportPlatformCustom", &DevJsonAbility::supportPlatformCustom},
    {"supportDevOperate", &DevJsonAbility::supportDevOperate},
    {"supportFormat", &DevJsonAbility::supportFormat},
    {"supportSystemReset", &DevJsonAbility::supportSystemReset},
    {"supportRestoreParam", &DevJsonAbility::supportRestoreParam},
    {"supportUpgrade", &DevJsonAbility::supportUpgrade},
    {"supportPlane", &DevJsonAbility::supportPlane},
    {"supportPicLead", &DevJsonAbility::supportPicLead},
    {"supportLogoPic", &DevJsonAbility::supportLogoPic},
    {"supportStreamNum", &DevJsonAbility::supportStreamNum},
    {"wifiAndDialMutualExclusion", &DevJsonAbility::wifiAndDialMutualExclusion},
    {"supportAudioAndVedioPackChg", &DevJsonAbility::supportAudioAndVedioPackChg},
    {"supportExtendNetworkParam", &DevJsonAbility::supportExtendNetworkParam},
    {"supportNoPwdLogin", &DevJsonAbility::supportNoPwdLogin},
    {"supportParamExport", &DevJsonAbility::supportParamExport},
};

static_assert(sizeof integerFields / sizeof integerFields[0] == 57,
              "every integer field of DevJsonAbility has its key");

bool allZero(std::initializer_list<int> values)
{
    for (int value : values) {
        if (value != 0)
            return false;
    }
    return true;
}

} // namespace

bool JsonHelper::parseObject(const QByteArray &json, QJsonObject &object)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (document.isNull() || error.error != QJsonParseError::NoError || !document.isObject())
        return false;
    object = document.object();
    return true;
}

bool JsonHelper::getString(const QJsonObject &object, const QString &key, QString &value)
{
    const QJsonValue found = object.value(key);
    if (!found.isString())
        return false;
    value = found.toString();
    return true;
}

bool JsonHelper::getInt(const QJsonObject &object, const QString &key, int &value)
{
    const QJsonValue found = object.value(key);
    if (!found.isDouble())
        return false;
    // QJsonValue::toInt gives its default for a non-integral number.
    const double number = std::trunc(found.toDouble());
    if (number >= static_cast<double>(INT_MAX))
        value = INT_MAX;
    else if (number <= static_cast<double>(INT_MIN))
        value = INT_MIN;
    else
        value = static_cast<int>(number);
    return true;
}

bool JsonHelper::parseDevAbility(DevJsonAbility &ability, const QByteArray &json)
{
    QJsonObject object;
    if (!parseObject(json, object))
        return false;
    getString(object, QStringLiteral("serialStr"), ability.serialStr);
    getString(object, QStringLiteral("modelStr"), ability.modelStr);
    for (const IntegerField &entry : integerFields)
        getInt(object, QLatin1String(entry.key), ability.*entry.field);
    applyVisibilityRules(ability);
    return true;
}

// Each rule reads the fields as the earlier rules left them: the maintenance
// page's rule depends on the device-operation rule before it.
void JsonHelper::applyVisibilityRules(DevJsonAbility &a)
{
    if (a.supportUserInfo == 0)
        a.showDeviceInfo = 0;
    if (allZero({a.supportEncodedParam, a.supportVideoParam, a.supportExtraOsd, a.picQuality}))
        a.showCameraInfo = 0;
    if (allZero({a.supportTimeParam, a.supportPasswordParam, a.supportSystemParam}))
        a.showSystemInfo = 0;
    if (allZero({a.support4G, a.supportWifi, a.supportTarvioV20, a.supportFtp, a.supportTarvioV50,
                 a.supportGB28181, a.supportGroupTalk, a.supportLumaroV3, a.supportFace,
                 a.supportPlatform1400, a.supportRTMP, a.supportPlatformCustom}))
        a.showPlatformInfo = 0;
    if (allZero({a.supportFormat, a.supportSystemReset, a.supportRestoreParam, a.supportUpgrade}))
        a.supportDevOperate = 0;
    if (allZero({a.supportDevOperate, a.supportPlane, a.supportPicLead, a.supportLogoPic}))
        a.showSystemMaintain = 0;
}
