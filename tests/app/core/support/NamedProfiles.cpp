#include "NamedProfiles.h"

#include <QtGlobal>

#include <cstring>
#include <functional>

using sim::camera::CameraProfile;

namespace NamedProfiles {

namespace {

struct Row
{
    const char *name;
    std::function<CameraProfile()> make;
};

const Row kTable[] = {
    {Gen3Json, [] { return CameraProfile(); }},
    {Gen3Classic, [] { return CameraProfile::generation(3, false); }},
    {Gen2, [] { return CameraProfile::generation(2, false); }},
};

} // namespace

CameraProfile profile(const char *name)
{
    for (const Row &row : kTable) {
        if (std::strcmp(row.name, name) == 0)
            return row.make();
    }
    qFatal("no camera profile named %s", name);
}

QStringList names()
{
    QStringList list;
    for (const Row &row : kTable)
        list << QString::fromLatin1(row.name);
    return list;
}

} // namespace NamedProfiles
