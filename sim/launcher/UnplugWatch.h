#pragma once

// Stands between an emulated USB device and its camera and counts the bytes
// of the data packets the camera sends (file contents and name lists). Once
// the count reaches the limit the camera falls silent, as one pulled out
// does, and unplugDue() turns true; the launcher then removes the device
// from the bus. Only the first camera to reach the limit is pulled out.

#include "DeviceSide.h"

#include <atomic>
#include <cstdint>
#include <memory>

namespace sim {

class UnplugWatch : public DeviceSide
{
public:
    // shared: one flag for all watched cameras, so only one is pulled out.
    UnplugWatch(std::shared_ptr<DeviceSide> camera, std::uint64_t limitBytes,
                std::shared_ptr<std::atomic<bool>> anyPulled);

    void handleOut(const std::uint8_t *data, std::size_t length) override;
    bool takeIn(std::vector<std::uint8_t> &packet, int timeoutMs) override;

    bool unplugDue() const { return m_pulled.load(); }

private:
    std::shared_ptr<DeviceSide> m_camera;
    const std::uint64_t m_limitBytes;
    std::shared_ptr<std::atomic<bool>> m_anyPulled;
    std::uint64_t m_sentBytes = 0; // the emulator's worker thread only
    std::atomic<bool> m_pulled{false};
};

} // namespace sim
