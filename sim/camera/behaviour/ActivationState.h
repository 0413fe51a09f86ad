#pragma once

// First-time activation: a new camera has no device password until the
// operator gives it one (and, on cameras with a hotspot, a hotspot password).

#include "CameraProfile.h"
#include "LittleEndian.h"

#include <cstdint>
#include <string>

namespace sim::camera {

class ActivationState
{
public:
    // Result codes the camera answers to the activation setters.
    static constexpr std::uint8_t Accepted = 0;
    static constexpr std::uint8_t Refused = 1;
    static constexpr std::uint8_t ResetInitialApPassword = 9;

    explicit ActivationState(const CameraProfile &profile);

    void restoreFactoryState();

    le::Bytes capability() const;   // DEV_ACTIVATE_CAPA
    le::Bytes status() const;       // ACTIVATE_STATUS
    bool activated() const { return m_activated; }

    // Returns the result code; on success devicePassword holds the new password.
    std::uint8_t activate(const std::string &password, std::string &devicePassword);
    std::uint8_t setApPassword(const std::string &password);
    const std::string &apPassword() const { return m_apPassword; }

private:
    const CameraProfile &m_profile;
    bool m_activated = false;
    std::string m_apPassword;
};

} // namespace sim::camera
