#pragma once

// Files sent to the camera: a start record (name and size), data packets,
// a stop. The last completed upload is what the follow-up commands (firmware
// upgrade, logo, name tag, plate list) act on.

#include "LittleEndian.h"

#include <cstdint>
#include <string>

namespace sim::camera {

class UploadReceiver
{
public:
    static constexpr std::size_t StartRecordSize = 208;
    static constexpr std::uint8_t Accepted = 0;
    static constexpr std::uint8_t Refused = 1;
    static constexpr std::uint8_t NotSupported = 4;

    explicit UploadReceiver(std::uint64_t limitBytes);

    std::uint8_t start(const std::uint8_t *record, std::size_t length);
    // Data packet payload (the bytes after the packet header).
    void data(const std::uint8_t *bytes, std::size_t length);
    std::uint8_t stop();

    bool receiving() const { return m_receiving; }

    // The last upload that ended complete; empty name when there is none.
    const std::string &completedName() const { return m_completedName; }
    const le::Bytes &completedData() const { return m_completedData; }
    // Consumes the completed upload when its name satisfies the follow-up.
    bool takeCompleted(bool (*fits)(const std::string &name));

private:
    std::uint64_t m_limit;
    bool m_receiving = false;
    bool m_overrun = false;
    std::uint8_t m_lastStop = Refused;
    std::string m_name;
    std::uint64_t m_expected = 0;
    le::Bytes m_buffer;
    std::string m_completedName;
    le::Bytes m_completedData;
};

} // namespace sim::camera
