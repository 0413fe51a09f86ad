#include "ActivationState.h"

#include <algorithm>
#include <cctype>

namespace sim::camera {

ActivationState::ActivationState(const CameraProfile &profile)
    : m_profile(profile)
{
    restoreFactoryState();
}

void ActivationState::restoreFactoryState()
{
    m_activated = m_profile.activated;
    m_apPassword = m_profile.factoryApPassword;
}

le::Bytes ActivationState::capability() const
{
    le::Bytes b(8, 0);
    le::putU32(b, 0, m_profile.acceptsApPasswordAtActivation ? 1 : 0);
    le::putU32(b, 4, m_profile.acceptsDevicePasswordAtActivation ? 1 : 0);
    return b;
}

le::Bytes ActivationState::status() const
{
    le::Bytes b(4, 0);
    le::putU32(b, 0, m_activated ? 1 : 0);
    return b;
}

std::uint8_t ActivationState::activate(const std::string &password, std::string &devicePassword)
{
    const bool sixDigits = password.size() == 6
        && std::all_of(password.begin(), password.end(),
                       [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
    if (m_activated || !sixDigits)
        return Refused;
    m_activated = true;
    devicePassword = password;
    return Accepted;
}

std::uint8_t ActivationState::setApPassword(const std::string &password)
{
    if (!m_profile.acceptsApPasswordAtActivation)
        return Refused;
    // Keeping the printed initial hotspot password (or none) is what the
    // camera refuses with its own code, so the operator is told to change it.
    if (password.empty() || password == m_profile.factoryApPassword)
        return ResetInitialApPassword;
    if (password.size() < 8 || password.size() > 31)
        return Refused;
    m_apPassword = password;
    return Accepted;
}

} // namespace sim::camera
