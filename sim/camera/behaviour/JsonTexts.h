#pragma once

// The camera's JSON texts: its ability description and the five parameter
// groups that JSON-describing cameras edit as forms. Texts are kept exactly
// as bytes, the way the camera sends and stores them.

#include "CameraProfile.h"

#include <cstdint>
#include <map>
#include <string>

namespace sim::camera {

class JsonTexts
{
public:
    enum Group { Recording, Custom, Video, System, NetworkExtension };

    explicit JsonTexts(const CameraProfile &profile);

    void restoreDefaults();

    std::string ability() const;
    std::string group(Group g) const;

    // Replaces a group's text when it is a JSON object describing the same
    // form (same "id"); otherwise the stored text stays and false is returned.
    bool setGroup(Group g, const std::string &text);
    // For tests: the group holds these bytes from now on, whatever they are
    // (an array, no JSON at all, a form without "name"); a factory reset
    // brings the default back.
    void putGroup(Group g, const std::string &bytes);

    static bool groupForGetCode(std::uint32_t code, Group &g);
    static bool groupForSetCode(std::uint32_t code, Group &g);

private:
    const CameraProfile &m_profile;
    std::map<Group, std::string> m_groups;
};

} // namespace sim::camera
