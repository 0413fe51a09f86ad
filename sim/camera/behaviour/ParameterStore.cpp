#include "ParameterStore.h"

#include "RecordCatalog.h"

#include <QDateTime>

namespace sim::camera {

namespace {

le::Bytes videoRecord(std::uint32_t resolution, std::uint32_t frameRate, std::uint32_t bitRate)
{
    le::Bytes b(12, 0);
    le::putU32(b, 0, resolution);
    le::putU32(b, 4, frameRate);
    le::putU32(b, 8, bitRate);
    return b;
}

le::Bytes videoV3Record(std::uint32_t channel, std::uint32_t stream, std::uint32_t streamType,
                        std::uint32_t resolution, std::uint32_t frameRate, std::uint32_t bitRate)
{
    le::Bytes b(88, 0);
    le::putU32(b, 0, channel);
    le::putU32(b, 4, stream);
    le::putU32(b, 8, streamType);
    le::putU32(b, 12, resolution);
    le::putU32(b, 16, frameRate);
    le::putU32(b, 20, bitRate);
    return b;
}

} // namespace

ParameterStore::ParameterStore(const CameraProfile &profile)
    : m_profile(profile)
{
    restoreDefaults();
}

void ParameterStore::restoreDefaults()
{
    m_records.clear();
    m_clockOffsetSeconds = 0;
    m_zoneHours = 8;
    m_zoneMinutes = 0;
    m_records["DEVICE_ID_PARA_T"] = identity();
    m_records["DEV_CODE_PARA_T"] = deviceCode();
    le::Bytes ccid(64, 0);
    le::putText(ccid, 0, 64, m_profile.iccid);
    m_records["CCID_PARA_T"] = ccid;
    fillParameterDefaults();
}

void ParameterStore::restoreParameterDefaults()
{
    const le::Bytes keepId = m_records["DEVICE_ID_PARA_T"];
    const le::Bytes keepCode = m_records["DEV_CODE_PARA_T"];
    const le::Bytes keepCcid = m_records["CCID_PARA_T"];
    m_records.clear();
    m_records["DEVICE_ID_PARA_T"] = keepId;
    m_records["DEV_CODE_PARA_T"] = keepCode;
    m_records["CCID_PARA_T"] = keepCcid;
    fillParameterDefaults();
}

void ParameterStore::fillParameterDefaults()
{
    for (const RecordEntry &e : RecordCatalog::entries())
        if (!m_records.count(e.name))
            m_records[e.name] = le::Bytes(e.size, 0);

    // Settings the program's lists offer: recording 1080p@25 at 4M as a
    // composite stream (what the program saves for most models), network
    // 720p@15 at 1M as a video stream.
    constexpr std::uint32_t k1080p = 0x1000;
    constexpr std::uint32_t k720p = 0x1001;
    constexpr std::uint32_t k1M = 1048576;
    constexpr std::uint32_t k4M = 4194304;
    constexpr std::uint32_t kVideoStream = 0;
    constexpr std::uint32_t kCompositeStream = 1;
    m_records["VIDEO_PARA_T recording"] = videoRecord(k1080p, 25, k4M);
    m_records["VIDEO_PARA_T network"] = videoRecord(k720p, 15, k1M);
    for (auto &channels : m_videoV3)
        channels.clear();
    for (std::uint32_t channel = 0; channel < channelCount(); ++channel) {
        m_videoV3[0][channel] = videoV3Record(channel, 0, kCompositeStream, k1080p, 25, k4M);
        m_videoV3[1][channel] = videoV3Record(channel, 1, kVideoStream, k720p, 15, k1M);
    }

    le::Bytes &system = m_records["SYSTEM_PARA_T"];
    le::putU32(system, 0, 30000);   // screen saver after 30 s
    le::putU32(system, 4, 2);       // ten-minute segments (code 2)
    system[16] = 1;                 // key tones
    system[18] = 1;                 // LED
    system[19] = 1;                 // positioning

    le::Bytes &wifi = m_records["WIFI_PARA_T_V1_0"];
    le::putText(wifi, 4, 32, "Station-WLAN");

    le::Bytes &pack = m_records["AUDIO_VEDIO_PACK_CFG_PARAM"];
    pack[0] = 1;
    le::putU16(pack, 4, 256); // MP4: one packing bit, as cameras keep it
}

le::Bytes ParameterStore::identity() const
{
    le::Bytes b(128, 0);
    le::putText(b, 0, 64, m_profile.officerId);
    le::putText(b, 64, 64, m_profile.deviceId);
    return b;
}

le::Bytes ParameterStore::deviceCode() const
{
    le::Bytes b(388, 0);
    le::putText(b, 0, 128, m_profile.serialNumber);
    le::putText(b, 128, 128, m_profile.model);
    le::putU32(b, 256, std::uint32_t(m_profile.protocolGeneration));
    le::putU32(b, 260, m_profile.deviceType);
    const bool third = m_profile.protocolGeneration >= 3;
    // Capabilities of a typical body camera of the generation: 4G, Wi-Fi,
    // GPS, one channel, logs, hotspot, OSD, photos; the newest generation
    // adds the extended record, DST and the upload targets.
    for (std::size_t at : {264, 265, 266, 268, 271, 279, 288, 314, 315})
        b[at] = 1;
    b[267] = 1;
    if (third)
        for (std::size_t at : {272, 293, 295, 318, 326, 337, 340})
            b[at] = 1;
    for (const auto &[offset, value] : m_profile.deviceCodeOverrides)
        if (offset < b.size())
            b[offset] = value;
    return b;
}

le::Bytes ParameterStore::record(const std::string &name) const
{
    if (name == "TIME_PARA_T")
        return time();
    auto it = m_records.find(name);
    return it == m_records.end() ? le::Bytes() : it->second;
}

void ParameterStore::setRecord(const std::string &name, const le::Bytes &bytes)
{
    m_records[name] = bytes;
}

std::uint32_t ParameterStore::channelCount() const
{
    auto it = m_records.find("DEV_CODE_PARA_T");
    const std::uint8_t count = it != m_records.end() && it->second.size() > 267 ? it->second[267] : 0;
    return count == 0 ? 1 : count;
}

le::Bytes ParameterStore::videoV3(std::uint32_t stream, std::uint32_t channel) const
{
    const auto &channels = m_videoV3[stream == 0 ? 0 : 1];
    auto it = channels.find(channel);
    return it == channels.end() ? le::Bytes() : it->second;
}

bool ParameterStore::setVideoV3(std::uint32_t stream, const le::Bytes &bytes, std::uint32_t channel)
{
    if (channel >= channelCount())
        return false;
    m_videoV3[stream == 0 ? 0 : 1][channel] = bytes;
    return true;
}

le::Bytes ParameterStore::time() const
{
    const QDateTime now = QDateTime::currentDateTimeUtc()
                              .addSecs(m_clockOffsetSeconds + m_zoneHours * 3600
                                       + (m_zoneHours < 0 ? -1 : 1) * m_zoneMinutes * 60);
    le::Bytes b(32, 0);
    const std::uint32_t fields[8] = {
        std::uint32_t(m_zoneHours), std::uint32_t(m_zoneMinutes),
        std::uint32_t(now.date().year()), std::uint32_t(now.date().month()),
        std::uint32_t(now.date().day()), std::uint32_t(now.time().hour()),
        std::uint32_t(now.time().minute()), std::uint32_t(now.time().second())};
    for (int i = 0; i < 8; ++i)
        le::putU32(b, std::size_t(i) * 4, fields[i]);
    return b;
}

bool ParameterStore::setTime(const le::Bytes &bytes)
{
    auto field = [&](int i) { return std::int32_t(le::u32At(bytes, std::size_t(i) * 4)); };
    const QDate date(field(2), field(3), field(4));
    const QTime clock(field(5), field(6), field(7));
    const int zoneHours = field(0);
    const int zoneMinutes = field(1);
    if (!date.isValid() || !clock.isValid() || zoneHours < -12 || zoneHours > 14
        || zoneMinutes < 0 || zoneMinutes > 59)
        return false;
    // The record holds local wall time; keep it as an offset from UTC now.
    const QDateTime local(date, clock, Qt::UTC);
    const qint64 zoneSeconds = zoneHours * 3600 + (zoneHours < 0 ? -1 : 1) * zoneMinutes * 60;
    m_zoneHours = zoneHours;
    m_zoneMinutes = zoneMinutes;
    m_clockOffsetSeconds = QDateTime::currentDateTimeUtc().secsTo(local) - zoneSeconds;
    return true;
}

} // namespace sim::camera
