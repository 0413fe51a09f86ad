#pragma once

// What a camera does with each command, independent of packets: the state of
// one camera and its answer (result byte and payload) to every command that
// is not a file transfer. File transfers (downloads, log-name lists, media
// index fetches) are served by the protocol core from files() below.

#include "ActivationState.h"
#include "CameraProfile.h"
#include "CommandReply.h"
#include "DeviceKeyVault.h"
#include "JsonTexts.h"
#include "LogBook.h"
#include "LoginGuard.h"
#include "MediaLibrary.h"
#include "ParameterStore.h"
#include "RecordCatalog.h"
#include "UploadReceiver.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace sim::camera {

class CameraBehaviour
{
public:
    static constexpr std::uint8_t Success = 0;
    static constexpr std::uint8_t Failure = 1;
    static constexpr std::uint8_t NotSupported = 4;

    explicit CameraBehaviour(const CameraProfile &profile = CameraProfile());
    CameraBehaviour(const CameraBehaviour &) = delete;
    CameraBehaviour &operator=(const CameraBehaviour &) = delete;

    // Answers one command. False for the transfer commands (2, 20, 21),
    // which the protocol core serves itself.
    bool answer(std::uint32_t command, const std::uint8_t *payload, std::size_t length,
                CommandReply &reply);

    // Every command code answer() answers (all but the transfers).
    static std::vector<std::uint32_t> answeredCommands();

    // The payload of a data packet that the host sent (an upload).
    void uploadData(const std::uint8_t *bytes, std::size_t length);

    // Files that downloads may fetch: media, logs and media index files.
    bool fileContent(const std::string &name, le::Bytes &content) const;
    bool fileLength(const std::string &name, std::uint64_t &length) const;
    std::vector<std::string> logNames() const { return m_logs.names(); }
    std::vector<std::string> indexNames() const { return m_media.indexFileNames(); }

    const CameraProfile &profile() const { return m_profile; }
    ParameterStore &parameters() { return m_parameters; }
    JsonTexts &json() { return m_json; }
    MediaLibrary &media() { return m_media; }
    LogBook &logs() { return m_logs; }
    LoginGuard &login() { return m_login; }
    ActivationState &activation() { return m_activation; }
    const DeviceKeyVault &deviceKey() const { return m_deviceKey; }
    UploadReceiver &uploads() { return m_uploads; }

    // Follow-up commands the camera carried out, in order (for tests).
    const std::vector<std::string> &appliedUploads() const { return m_appliedUploads; }
    const std::map<std::uint32_t, std::string> &xmlDocuments() const { return m_xml; }

private:
    bool supported(std::uint32_t command) const;
    void answerRecordGet(const RecordEntry &entry, CommandReply &reply);
    void answerRecordSet(const RecordEntry &entry, const std::uint8_t *payload,
                         std::size_t length, CommandReply &reply);
    void answerSpecial(std::uint32_t command, const std::uint8_t *payload, std::size_t length,
                       CommandReply &reply);
    void answerLogin(const std::uint8_t *payload, std::size_t length, CommandReply &reply);
    void answerPasswordChange(const std::uint8_t *payload, std::size_t length, CommandReply &reply);
    void answerFileLength(const std::uint8_t *payload, std::size_t length, CommandReply &reply);
    void answerVideoV3Query(const std::uint8_t *payload, std::size_t length, CommandReply &reply);
    void answerVideoV3Set(const std::uint8_t *payload, std::size_t length, CommandReply &reply);
    void answerJsonSet(std::uint32_t command, const std::uint8_t *payload, std::size_t length,
                       CommandReply &reply);
    void answerXml(std::uint32_t command, const std::uint8_t *payload, std::size_t length,
                   CommandReply &reply);
    void answerFollowUp(bool (*fits)(const std::string &), const char *what, CommandReply &reply);
    le::Bytes allParametersV2() const;
    le::Bytes allParametersV3() const;
    void factoryReset();

    CameraProfile m_profile;
    ParameterStore m_parameters;
    JsonTexts m_json;
    MediaLibrary m_media;
    LogBook m_logs;
    LoginGuard m_login;
    ActivationState m_activation;
    DeviceKeyVault m_deviceKey;
    UploadReceiver m_uploads;
    std::map<std::uint32_t, std::string> m_xml;
    std::vector<std::string> m_appliedUploads;
};

} // namespace sim::camera
