#include "MaintenanceGating.h"

namespace MaintenanceGating {

namespace {

struct RowRule
{
    bool (*applies)(const MaintenanceCamera &camera);
    Row rows[2];
    int rowCount;
};

// In this order; an older generation loses its rows whatever the ability
// description says.
const RowRule kRowRules[] = {
    {[](const MaintenanceCamera &c) { return c.protocolVer < 3; }, {DefaultReset, Upgrade}, 2},
    {[](const MaintenanceCamera &c) { return c.jsonAbility && c.ability.supportFormat == 0; }, {Format}, 1},
    {[](const MaintenanceCamera &c) { return c.jsonAbility && c.ability.supportSystemReset == 0; },
     {FactoryReset},
     1},
    {[](const MaintenanceCamera &c) { return c.jsonAbility && c.ability.supportRestoreParam == 0; },
     {DefaultReset},
     1},
    {[](const MaintenanceCamera &c) { return c.jsonAbility && c.ability.supportUpgrade == 0; }, {Upgrade}, 1},
};

} // namespace

bool rowShown(const MaintenanceCamera &camera, Row row)
{
    for (const RowRule &rule : kRowRules) {
        for (int i = 0; i < rule.rowCount; ++i) {
            if (rule.rows[i] == row && rule.applies(camera))
                return false;
        }
    }
    return true;
}

bool tabEnabled(const MaintenanceCamera &camera, Tab tab)
{
    if (camera.jsonAbility) {
        switch (tab) {
        case PlateTab:
            return camera.ability.supportPlane != 0;
        case NameTagTab:
            return camera.ability.supportPicLead != 0;
        case LogoTab:
            return camera.ability.supportLogoPic != 0;
        }
        return false;
    }
    if (camera.protocolVer < 3)
        return false;
    switch (tab) {
    case PlateTab:
        return camera.plateByte != 0;
    case NameTagTab:
        return camera.nameTagByte != 0;
    case LogoTab:
        return camera.logoByte != 0;
    }
    return false;
}

bool exportShown(const MaintenanceCamera &camera)
{
    return camera.jsonAbility && camera.ability.supportParamExport == 1;
}

bool noPasswordNeeded(const MaintenanceCamera &camera)
{
    return camera.jsonAbility && camera.ability.supportNoPwdLogin == 1;
}

} // namespace MaintenanceGating
