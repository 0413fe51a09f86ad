#include "CameraBehaviour.h"

#include "RecordCatalog.h"

#include <QTextCodec>

#include <algorithm>
#include <cctype>

namespace sim::camera {

namespace {

constexpr std::size_t PasswordField = 128;
constexpr std::size_t XmlHeadSize = 12;

le::Bytes textPayload(const std::string &text, bool withNul)
{
    le::Bytes b(text.begin(), text.end());
    if (withNul)
        b.push_back(0);
    return b;
}

le::Bytes u32Payload(std::uint32_t value)
{
    le::Bytes b(4, 0);
    le::putU32(b, 0, value);
    return b;
}

// Camera messages are in the local 8-bit encoding of its market (GBK).
le::Bytes localText(const char *utf8)
{
    QTextCodec *gbk = QTextCodec::codecForName("GBK");
    const QByteArray bytes = gbk ? gbk->fromUnicode(QString::fromUtf8(utf8)) : QByteArray(utf8);
    return le::Bytes(bytes.begin(), bytes.end());
}

std::string lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return s;
}

bool endsWith(const std::string &s, const std::string &suffix)
{
    return s.size() >= suffix.size() && s.compare(s.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// Every generation's "all parameters" reply: the identity record, then the
// recording stream's and the network stream's video records.
le::Bytes identityAndVideo(le::Bytes identity, const le::Bytes &recording, const le::Bytes &network)
{
    identity.insert(identity.end(), recording.begin(), recording.end());
    identity.insert(identity.end(), network.begin(), network.end());
    return identity;
}

bool isLogo(const std::string &name) { return lower(name) == "pic.bmp"; }
bool isNameTag(const std::string &name) { return lower(name) == "pic.ink"; }

bool isPlateList(const std::string &name)
{
    const std::string n = lower(name);
    return endsWith(n, ".csv") || endsWith(n, ".xls") || endsWith(n, ".xlsx");
}

bool isFirmware(const std::string &name)
{
    return !isLogo(name) && !isNameTag(name) && !isPlateList(name);
}

} // namespace

CameraBehaviour::CameraBehaviour(const CameraProfile &profile)
    : m_profile(profile)
    , m_parameters(m_profile)
    , m_json(m_profile)
    , m_login(m_profile.loginFailuresBeforeLock, m_profile.lockSeconds)
    , m_activation(m_profile)
    , m_deviceKey(m_profile)
    , m_uploads(m_profile.uploadLimitBytes)
{
    const QDate today = QDate::currentDate();
    m_media.fillDefault(m_profile.mediaDays, today);
    m_logs.fillDefault(m_profile.mediaDays, today);
    m_login.setPassword(m_profile.factoryPassword);
}

std::vector<std::uint32_t> CameraBehaviour::answeredCommands()
{
    std::vector<std::uint32_t> codes = {1,  16, 22, 24, 26, 31, 32, 33, 34, 36,   50,   55,
                                        56, 57, 61, 66, 69, 70, 71, 72, 73, 74,   75,   76,
                                        77, 80, 81, 100, 1000, 1001, 1002, 1003, 1009, 1016,
                                        1018, 1019, 1020, 1021, 1536, 4096, 4101};
    for (const RecordEntry &e : RecordCatalog::entries()) {
        codes.push_back(e.getCode);
        if (e.setCode != 0)
            codes.push_back(e.setCode);
    }
    return codes;
}

bool CameraBehaviour::supported(std::uint32_t command) const
{
    const int generation = m_profile.protocolGeneration;
    if (const RecordEntry *e = RecordCatalog::byGetCode(command))
        return generation >= e->minGeneration;
    if (const RecordEntry *e = RecordCatalog::bySetCode(command))
        return generation >= e->minGeneration;
    switch (command) {
    case 50:
        return generation == 2;
    case 26:
        return generation < 3;
    case 70: case 71: case 72: case 73: case 74: case 75: case 76: case 77: case 80: case 81:
    case 100:
        return m_profile.jsonAbility;
    case 55: case 56: case 57: case 66: case 1536: case 4096: case 4101:
        return generation >= 3;
    default:
        // The third generation introduced the four-digit commands.
        return command < 1000 || generation >= 3;
    }
}

bool CameraBehaviour::answer(std::uint32_t command, const std::uint8_t *payload,
                             std::size_t length, CommandReply &reply)
{
    if (command == 2 || command == 20 || command == 21)
        return false;
    reply = CommandReply();
    if (!supported(command)) {
        reply.result = NotSupported;
        return true;
    }
    if (const RecordEntry *e = RecordCatalog::byGetCode(command))
        answerRecordGet(*e, reply);
    else if (const RecordEntry *e = RecordCatalog::bySetCode(command))
        answerRecordSet(*e, payload, length, reply);
    else
        answerSpecial(command, payload, length, reply);
    return true;
}

void CameraBehaviour::answerRecordGet(const RecordEntry &entry, CommandReply &reply)
{
    reply.payload = m_parameters.record(entry.name);
}

void CameraBehaviour::answerRecordSet(const RecordEntry &entry, const std::uint8_t *payload,
                                      std::size_t length, CommandReply &reply)
{
    if (length != entry.size) {
        reply.result = Failure;
        return;
    }
    const le::Bytes record(payload, payload + length);
    if (std::string(entry.name) == "TIME_PARA_T") {
        reply.result = m_parameters.setTime(record) ? Success : Failure;
        return;
    }
    m_parameters.setRecord(entry.name, record);
}

void CameraBehaviour::answerSpecial(std::uint32_t command, const std::uint8_t *payload,
                                    std::size_t length, CommandReply &reply)
{
    JsonTexts::Group group;
    switch (command) {
    case 1:
        answerLogin(payload, length, reply);
        return;
    case 16:
        answerPasswordChange(payload, length, reply);
        return;
    case 22:
        answerFileLength(payload, length, reply);
        return;
    case 24:
        m_login.logOut();
        return;
    case 26: case 1002: case 1016:
        return;
    case 31:
        if (m_deviceKey.validate(le::textAt(payload, length, 0, 1024))) {
            m_login.setPassword(m_profile.factoryPassword);
            m_login.clearLock();
        } else {
            reply.result = Failure;
        }
        return;
    case 32:
        reply.payload = textPayload(m_deviceKey.keyText(), true);
        return;
    case 33:
        factoryReset();
        return;
    case 34:
        m_media.clear();
        return;
    case 36: {
        le::Bytes query(16, 0);
        std::copy(payload, payload + std::min<std::size_t>(length, 16), query.begin());
        reply.payload = m_media.page(query[0] != 0, std::int32_t(le::u32At(query, 4)));
        return;
    }
    case 50:
        reply.payload = allParametersV2();
        return;
    case 1003:
        reply.payload = allParametersV3();
        return;
    case 55:
        reply.result = m_uploads.start(payload, length);
        return;
    case 56:
        reply.result = m_uploads.stop();
        return;
    case 57:
        answerFollowUp(isFirmware, "firmware", reply);
        return;
    case 4101:
        answerFollowUp(isLogo, "logo", reply);
        return;
    case 4096:
        answerFollowUp(isNameTag, "name tag", reply);
        return;
    case 1536:
        answerFollowUp(isPlateList, "plate list", reply);
        return;
    case 61: case 69:
        answerXml(command, payload, length, reply);
        return;
    case 66:
        m_parameters.restoreParameterDefaults();
        m_json.restoreDefaults();
        return;
    case 100:
        reply.payload = textPayload(m_json.ability(), false);
        return;
    case 1000:
        answerVideoV3Set(payload, length, reply);
        return;
    case 1001:
        answerVideoV3Query(payload, length, reply);
        return;
    case 1009:
        reply.payload = textPayload(m_profile.firmwareVersion, true);
        return;
    case 1018: {
        std::string accepted;
        reply.result = m_activation.activate(le::textAt(payload, length, 0, 64), accepted);
        if (reply.result == Success)
            m_login.setPassword(accepted);
        return;
    }
    case 1019:
        reply.result = m_activation.setApPassword(le::textAt(payload, length, 0, 64));
        return;
    case 1020:
        reply.payload = m_activation.capability();
        return;
    case 1021:
        reply.payload = m_activation.status();
        return;
    default:
        break;
    }
    if (JsonTexts::groupForGetCode(command, group)) {
        reply.payload = textPayload(m_json.group(group), false);
        return;
    }
    if (JsonTexts::groupForSetCode(command, group)) {
        answerJsonSet(command, payload, length, reply);
        return;
    }
    reply.result = Failure;
}

void CameraBehaviour::answerLogin(const std::uint8_t *payload, std::size_t length,
                                  CommandReply &reply)
{
    if (!m_activation.activated()) {
        reply.result = Failure;
        reply.payload = u32Payload(0);
        return;
    }
    const LoginGuard::Verdict verdict = m_login.attempt(le::textAt(payload, length, 0, PasswordField));
    if (!verdict.accepted) {
        reply.result = Failure;
        reply.payload = u32Payload(verdict.lockElapsedSeconds);
    }
}

void CameraBehaviour::answerPasswordChange(const std::uint8_t *payload, std::size_t length,
                                           CommandReply &reply)
{
    const std::string oldPassword = le::textAt(payload, length, 0, PasswordField);
    const std::string newPassword = le::textAt(payload, length, PasswordField, PasswordField);
    if (length != 2 * PasswordField || !m_login.matches(oldPassword) || newPassword.size() < 6
        || newPassword.size() > 16) {
        reply.result = Failure;
        return;
    }
    m_login.setPassword(newPassword);
}

void CameraBehaviour::answerFileLength(const std::uint8_t *payload, std::size_t length,
                                       CommandReply &reply)
{
    std::uint64_t size = 0;
    if (!fileLength(le::textAt(payload, length, 0, 128), size)) {
        reply.result = Failure;
        return;
    }
    reply.payload = le::Bytes(8, 0);
    le::putU64(reply.payload, 0, size);
}

void CameraBehaviour::answerVideoV3Query(const std::uint8_t *payload, std::size_t length,
                                         CommandReply &reply)
{
    const std::uint32_t channel = length >= 4 ? le::u32(payload) : 0;
    const std::uint32_t stream = length >= 8 ? le::u32(payload + 4) : 0;
    if (channel >= m_parameters.channelCount() || stream > 1) {
        reply.result = Failure;
        return;
    }
    reply.payload = m_parameters.videoV3(stream, channel);
}

void CameraBehaviour::answerVideoV3Set(const std::uint8_t *payload, std::size_t length,
                                       CommandReply &reply)
{
    // 2: the camera refuses parameters it cannot record with.
    constexpr std::uint8_t Refused = 2;
    if (length != 88) {
        reply.result = Failure;
        return;
    }
    const le::Bytes record(payload, payload + length);
    const std::uint32_t channel = le::u32At(record, 0);
    const std::uint32_t stream = le::u32At(record, 4);
    const std::uint32_t frameRate = le::u32At(record, 16);
    const std::uint32_t bitRate = le::u32At(record, 20);
    // Up to 120 fps: the fastest lists offer 720p@120 and D1@120.
    if (stream > 1 || frameRate == 0 || frameRate > 120 || bitRate == 0
        || !m_parameters.setVideoV3(stream, record, channel))
        reply.result = Refused;
}

void CameraBehaviour::answerJsonSet(std::uint32_t command, const std::uint8_t *payload,
                                    std::size_t length, CommandReply &reply)
{
    JsonTexts::Group group;
    JsonTexts::groupForSetCode(command, group);
    const std::string text(reinterpret_cast<const char *>(payload), length);
    if (!m_json.setGroup(group, text)) {
        reply.result = Failure;
        reply.payload = localText("参数格式错误");
        return;
    }
    reply.payload = textPayload(m_json.group(group), false);
}

void CameraBehaviour::answerXml(std::uint32_t command, const std::uint8_t *payload,
                                std::size_t length, CommandReply &reply)
{
    if (length < XmlHeadSize) {
        reply.result = Failure;
        return;
    }
    const std::uint32_t id = le::u32(payload);
    const std::uint32_t textLength = le::u32(payload + 4);
    if (textLength != length - XmlHeadSize) {
        reply.result = Failure;
        return;
    }
    const std::string text(reinterpret_cast<const char *>(payload) + XmlHeadSize, textLength);
    if (!text.empty())
        m_xml[id] = text;
    if (command != 69)
        return;
    const std::string stored = m_xml.count(id) ? m_xml[id] : std::string();
    reply.payload = le::Bytes(XmlHeadSize, 0);
    le::putU32(reply.payload, 0, id);
    le::putU32(reply.payload, 4, std::uint32_t(stored.size()));
    reply.payload.insert(reply.payload.end(), stored.begin(), stored.end());
}

void CameraBehaviour::answerFollowUp(bool (*fits)(const std::string &), const char *what,
                                     CommandReply &reply)
{
    const std::string name = m_uploads.completedName();
    if (!m_uploads.takeCompleted(fits)) {
        reply.result = Failure;
        return;
    }
    m_appliedUploads.push_back(std::string(what) + ":" + name);
}

le::Bytes CameraBehaviour::allParametersV2() const
{
    return identityAndVideo(m_parameters.record("DEVICE_ID_PARA_T"), m_parameters.record("VIDEO_PARA_T recording"),
                            m_parameters.record("VIDEO_PARA_T network"));
}

le::Bytes CameraBehaviour::allParametersV3() const
{
    return identityAndVideo(m_parameters.record("DEVICE_ID_PARA_T"), m_parameters.videoV3(0), m_parameters.videoV3(1));
}

void CameraBehaviour::factoryReset()
{
    m_parameters.restoreDefaults();
    m_json.restoreDefaults();
    m_xml.clear();
    m_activation.restoreFactoryState();
    m_login.setPassword(m_profile.factoryPassword);
    m_login.clearLock();
    m_login.logOut();
}

void CameraBehaviour::uploadData(const std::uint8_t *bytes, std::size_t length)
{
    m_uploads.data(bytes, length);
}

bool CameraBehaviour::fileContent(const std::string &name, le::Bytes &content) const
{
    if (const MediaFile *f = m_media.find(name)) {
        content = MediaLibrary::content(*f);
        return true;
    }
    std::string text;
    if (m_logs.file(name, text)) {
        content.assign(text.begin(), text.end());
        return true;
    }
    return m_media.indexFile(name, content);
}

bool CameraBehaviour::fileLength(const std::string &name, std::uint64_t &length) const
{
    if (const MediaFile *f = m_media.find(name)) {
        length = f->size;
        return true;
    }
    le::Bytes content;
    if (!fileContent(name, content))
        return false;
    length = content.size();
    return true;
}

} // namespace sim::camera
