#pragma once

// Password recovery: the camera hands out a key text; the maker answers with
// an encrypted text that the camera checks before it restores its factory
// password. The simulated maker's answer is answerFor(key).

#include "CameraProfile.h"

#include <string>

namespace sim::camera {

class DeviceKeyVault
{
public:
    explicit DeviceKeyVault(const CameraProfile &profile);

    // The XML text the camera sends for command 32.
    std::string keyText() const;
    bool validate(const std::string &answer) const;

    // What the maker sends back for a key text (used by tests and tools).
    static std::string answerFor(const std::string &keyText);

private:
    std::string m_token;
};

} // namespace sim::camera
