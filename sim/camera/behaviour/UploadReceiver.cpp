#include "UploadReceiver.h"

namespace sim::camera {

UploadReceiver::UploadReceiver(std::uint64_t limitBytes)
    : m_limit(limitBytes)
{
}

std::uint8_t UploadReceiver::start(const std::uint8_t *record, std::size_t length)
{
    if (length < StartRecordSize)
        return Refused;
    const std::string name = le::textAt(record, length, 0, 128);
    const std::uint64_t size = std::uint64_t(le::u32(record + 128))
        | std::uint64_t(le::u32(record + 132)) << 32;
    if (name.empty() || size > m_limit)
        return Refused;
    // A new start abandons an upload that never got its stop.
    m_receiving = true;
    m_overrun = false;
    m_name = name;
    m_expected = size;
    m_buffer.clear();
    m_buffer.reserve(std::size_t(size));
    return Accepted;
}

void UploadReceiver::data(const std::uint8_t *bytes, std::size_t length)
{
    if (!m_receiving)
        return;
    if (m_buffer.size() + length > m_expected) {
        m_overrun = true;
        return;
    }
    m_buffer.insert(m_buffer.end(), bytes, bytes + length);
}

std::uint8_t UploadReceiver::stop()
{
    if (!m_receiving)
        // The sender repeats its stop; the upload it ends is already settled.
        return m_lastStop;
    m_receiving = false;
    if (m_overrun || m_buffer.size() != m_expected) {
        m_buffer.clear();
        m_lastStop = Refused;
        return m_lastStop;
    }
    m_completedName = m_name;
    m_completedData.swap(m_buffer);
    m_buffer.clear();
    m_lastStop = Accepted;
    return m_lastStop;
}

bool UploadReceiver::takeCompleted(bool (*fits)(const std::string &name))
{
    if (m_completedName.empty() || !fits(m_completedName))
        return false;
    m_completedName.clear();
    m_completedData.clear();
    return true;
}

} // namespace sim::camera
