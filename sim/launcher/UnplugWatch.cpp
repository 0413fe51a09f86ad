#include "UnplugWatch.h"

namespace sim {

namespace {

constexpr std::size_t kPacketHeadSize = 12;
constexpr std::size_t kTypeOffset = 8;
constexpr std::uint32_t kDataType = 0;

std::uint32_t typeOf(const std::vector<std::uint8_t> &packet)
{
    std::uint32_t type = 0;
    for (std::size_t i = 0; i < 4; ++i)
        type |= std::uint32_t(packet[kTypeOffset + i]) << (8 * i);
    return type;
}

} // namespace

UnplugWatch::UnplugWatch(std::shared_ptr<DeviceSide> camera, std::uint64_t limitBytes,
                         std::shared_ptr<std::atomic<bool>> anyPulled)
    : m_camera(std::move(camera))
    , m_limitBytes(limitBytes)
    , m_anyPulled(std::move(anyPulled))
{
}

void UnplugWatch::handleOut(const std::uint8_t *data, std::size_t length)
{
    if (!m_pulled)
        m_camera->handleOut(data, length);
}

bool UnplugWatch::takeIn(std::vector<std::uint8_t> &packet, int timeoutMs)
{
    if (m_pulled)
        return false;
    if (!m_camera->takeIn(packet, timeoutMs))
        return false;
    if (packet.size() >= kPacketHeadSize && typeOf(packet) == kDataType)
        m_sentBytes += packet.size() - kPacketHeadSize;
    if (m_sentBytes >= m_limitBytes && !m_anyPulled->exchange(true)) {
        // The packet that crossed the limit never arrives: the cable is out.
        m_pulled = true;
        packet.clear();
        return false;
    }
    return true;
}

} // namespace sim
