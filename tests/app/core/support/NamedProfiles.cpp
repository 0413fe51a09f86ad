#include "NamedProfiles.h"

#include "LocalText.h"

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

CameraProfile notActivated(bool hotspot)
{
    CameraProfile profile;
    profile.activated = false;
    profile.acceptsApPasswordAtActivation = hotspot;
    return profile;
}

// The camera keeps its IDs in GBK, as it sends them.
std::string gbk(const char *utf8)
{
    return LocalText::encode(QString::fromUtf8(utf8)).toStdString();
}

const Row kTable[] = {
    {Gen3Json, [] { return CameraProfile(); }},
    {Gen3Classic, [] { return CameraProfile::generation(3, false); }},
    {Gen2, [] { return CameraProfile::generation(2, false); }},
    {NotActivated, [] { return notActivated(true); }},
    {NotActivatedNoHotspot, [] { return notActivated(false); }},
    {NoPassword,
     [] {
         CameraProfile profile;
         profile.noPasswordLogin = true;
         return profile;
     }},
    {Gen3NoMedia,
     [] {
         CameraProfile profile;
         profile.abilityOverrides = {{"showMediaInfo", 0}};
         return profile;
     }},
    {LongChineseIds,
     [] {
         CameraProfile profile;
         profile.officerId = gbk("第一大队第二中队警员编号零零七");
         profile.deviceId = gbk("深圳市公安局执法记录仪设备编号甲乙丙丁戊己庚辛壬癸子丑");
         return profile;
     }},
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
