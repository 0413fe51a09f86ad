#pragma once

// Every parameter record of one camera. Plain records are kept by name (see
// RecordCatalog); the two third-generation video records are kept per stream
// and the clock is kept as an offset from the host's clock so that it runs.

#include "CameraProfile.h"
#include "LittleEndian.h"

#include <cstdint>
#include <map>
#include <string>

namespace sim::camera {

class ParameterStore
{
public:
    explicit ParameterStore(const CameraProfile &profile);

    // Back to the values the camera left the factory with.
    void restoreDefaults();
    // Everything but identity, clock and device code.
    void restoreParameterDefaults();

    le::Bytes record(const std::string &name) const;
    void setRecord(const std::string &name, const le::Bytes &bytes);

    // VIDEO_PARA_T_V3 of a channel and stream 0 (recording) or 1 (network).
    // The camera has as many channels as its device code says (at least one);
    // a channel beyond them has no record (empty) and cannot be set (false).
    std::uint32_t channelCount() const;
    le::Bytes videoV3(std::uint32_t stream, std::uint32_t channel = 0) const;
    bool setVideoV3(std::uint32_t stream, const le::Bytes &bytes, std::uint32_t channel = 0);

    le::Bytes time() const;
    bool setTime(const le::Bytes &bytes);

private:
    le::Bytes deviceCode() const;
    le::Bytes identity() const;
    void fillParameterDefaults();

    const CameraProfile &m_profile;
    std::map<std::string, le::Bytes> m_records;
    std::map<std::uint32_t, le::Bytes> m_videoV3[2];
    std::int64_t m_clockOffsetSeconds = 0;
    std::int32_t m_zoneHours = 8;
    std::int32_t m_zoneMinutes = 0;
};

} // namespace sim::camera
