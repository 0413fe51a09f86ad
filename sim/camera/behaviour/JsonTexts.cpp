#include "JsonTexts.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextCodec>

namespace sim::camera {

namespace {

// Like every other camera text, the forms are GBK on the camera and on the
// wire; JSON parsing needs them as Unicode.
QTextCodec *gbk()
{
    static QTextCodec *const codec = QTextCodec::codecForName("GBK");
    return codec;
}

std::string toGbk(const QByteArray &utf8)
{
    return gbk()->fromUnicode(QString::fromUtf8(utf8)).toStdString();
}

QByteArray fromGbk(const std::string &bytes)
{
    return gbk()->toUnicode(bytes.data(), int(bytes.size())).toUtf8();
}

// An option keeps its value and text in "props", where the form plug-in
// reads them.
QJsonObject option(const QString &label, const QString &value)
{
    return QJsonObject{{"type", "el-option"}, {"props", QJsonObject{{"label", label}, {"value", value}}}};
}

QJsonObject selectElement(int order, const QString &model, const QString &label,
                          const QString &value, const QJsonArray &options)
{
    return QJsonObject{{"type", "el-select"}, {"order", order}, {"model", model},
                       {"label", label}, {"defaultValue", value}, {"children", options}};
}

QJsonObject inputElement(int order, const QString &model, const QString &label, const QString &value)
{
    return QJsonObject{{"type", "el-input"}, {"order", order}, {"model", model},
                       {"label", label}, {"defaultValue", value}};
}

QJsonObject checkElement(int order, const QString &model, const QString &label, const QString &value)
{
    return QJsonObject{{"type", "el-checkbox"}, {"order", order}, {"model", model},
                       {"label", label}, {"defaultValue", value},
                       {"children", QJsonArray{label}}};
}

QJsonObject definition(const QString &id, const QString &type)
{
    return QJsonObject{{"id", id}, {"type", type}};
}

std::string form(const QString &id, const QString &name, const QJsonArray &elements,
                 const QJsonArray &definitions)
{
    const QJsonObject description{{"id", id}, {"name", name}, {"form", elements},
                                  {"paramsDef", QJsonObject{{"definitions", definitions}}}};
    return toGbk(QJsonDocument(description).toJson(QJsonDocument::Compact));
}

std::string defaultGroup(JsonTexts::Group g)
{
    const QJsonArray onOff{option("关闭", "0"), option("开启", "1")};
    switch (g) {
    case JsonTexts::Recording:
        return form("encodeParam", "编码参数",
                    QJsonArray{selectElement(1, "resolution", "分辨率", "2",
                                             QJsonArray{option("720P", "1"), option("1080P", "2"),
                                                        option("2K", "3")}),
                               selectElement(2, "frameRate", "帧率", "25",
                                             QJsonArray{option("25", "25"), option("30", "30")}),
                               inputElement(3, "bitRate", "码率", "4096")},
                    QJsonArray{definition("resolution", "string"), definition("frameRate", "string"),
                               definition("bitRate", "number")});
    case JsonTexts::Custom:
        return form("customParam", "拓展参数",
                    QJsonArray{checkElement(1, "voiceBroadcast", "语音播报", "1"),
                               inputElement(2, "unitName", "单位名称", "Traffic Police")},
                    QJsonArray{definition("voiceBroadcast", "string"),
                               definition("unitName", "string")});
    case JsonTexts::Video:
        return form("recordParam", "录像参数",
                    QJsonArray{selectElement(1, "preRecord", "预录", "1", onOff),
                               inputElement(2, "segmentMinutes", "分段时长", "10"),
                               selectElement(3, "infrared", "红外", "0", onOff)},
                    QJsonArray{definition("preRecord", "string"),
                               definition("segmentMinutes", "number"),
                               definition("infrared", "string")});
    case JsonTexts::System:
        return form("systemParam", "系统参数",
                    QJsonArray{selectElement(1, "keyTone", "按键音", "1", onOff),
                               selectElement(2, "led", "指示灯", "1", onOff),
                               inputElement(3, "screenSaver", "屏保时间", "30")},
                    QJsonArray{definition("keyTone", "string"), definition("led", "string"),
                               definition("screenSaver", "number")});
    case JsonTexts::NetworkExtension:
        return form("netExtendParam", "网络拓展参数",
                    QJsonArray{selectElement(1, "rtspEnable", "RTSP", "0", onOff),
                               inputElement(2, "rtspPort", "RTSP端口", "554")},
                    QJsonArray{definition("rtspEnable", "string"), definition("rtspPort", "number")});
    }
    return std::string();
}

// The camera keeps and exchanges its JSON texts in its 8-bit encoding (GBK),
// as every other text of its; a text is read as such before it is checked.
QJsonDocument parseLocal(const std::string &text, QJsonParseError *error)
{
    return QJsonDocument::fromJson(fromGbk(text), error);
}

} // namespace

JsonTexts::JsonTexts(const CameraProfile &profile)
    : m_profile(profile)
{
    restoreDefaults();
}

void JsonTexts::restoreDefaults()
{
    m_groups.clear();
    for (Group g : {Recording, Custom, Video, System, NetworkExtension})
        m_groups[g] = defaultGroup(g);
}

std::string JsonTexts::ability() const
{
    QJsonObject a{{"serialStr", QString::fromStdString(m_profile.serialNumber)},
                  {"modelStr", QString::fromStdString(m_profile.model)},
                  {"protocolVer", m_profile.protocolGeneration},
                  {"devType", int(m_profile.deviceType)}};
    // A well-equipped body camera: everything shown, the platform families it
    // most commonly ships with, and every maintenance operation.
    for (const char *key :
         {"showMediaInfo", "showDevSet", "supportLog", "supportUsbMode", "showDeviceInfo",
          "showCameraInfo", "showSystemInfo", "showNetworkInfo", "showPlatformInfo",
          "showSystemMaintain", "showCustomParam", "supportUserInfo", "supportEncodedParam",
          "supportVideoParam", "supportExtraOsd", "supportTimeParam", "supportDST",
          "supportPasswordParam", "supportSystemParam", "support4G", "supportCCID", "supportWifi",
          "supportAp", "supportTarvioV50", "supportTarvioName", "supportFtp", "supportGB28181",
          "supportPlatform1400", "supportPlatformCustom", "supportDevOperate", "supportFormat",
          "supportSystemReset", "supportRestoreParam", "supportUpgrade", "supportPlane",
          "supportPicLead", "supportLogoPic", "supportExtendNetworkParam", "supportParamExport"})
        a.insert(key, 1);
    a.insert("picQuality", 1);
    a.insert("netSystem", 1);
    a.insert("supportStreamNum", 2);
    a.insert("supportAudioAndVedioPackChg", 1);
    a.insert("supportNoPwdLogin", m_profile.noPasswordLogin ? 1 : 0);
    for (const auto &[key, value] : m_profile.abilityOverrides)
        a.insert(QString::fromStdString(key), value);
    return QJsonDocument(a).toJson(QJsonDocument::Compact).toStdString();
}

std::string JsonTexts::group(Group g) const
{
    return m_groups.at(g);
}

bool JsonTexts::setGroup(Group g, const std::string &text)
{
    QJsonParseError error;
    const QJsonDocument doc = parseLocal(text, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return false;
    const QJsonObject stored = parseLocal(m_groups.at(g), nullptr).object();
    if (doc.object().value("id") != stored.value("id") || !doc.object().value("form").isArray())
        return false;
    // Kept as received, so the next read returns the very same bytes.
    m_groups[g] = text;
    return true;
}

void JsonTexts::putGroup(Group g, const std::string &bytes)
{
    m_groups[g] = bytes;
}

bool JsonTexts::groupForGetCode(std::uint32_t code, Group &g)
{
    switch (code) {
    case 70: g = Recording; return true;
    case 72: g = Custom; return true;
    case 74: g = Video; return true;
    case 76: g = System; return true;
    case 80: g = NetworkExtension; return true;
    default: return false;
    }
}

bool JsonTexts::groupForSetCode(std::uint32_t code, Group &g)
{
    return code >= 71 && code <= 81 && code % 2 == 1 && groupForGetCode(code - 1, g);
}

} // namespace sim::camera
