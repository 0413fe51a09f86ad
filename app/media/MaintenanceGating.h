#pragma once

#include "DevJsonAbility.h"

#include <QtGlobal>

// What the maintenance page lets a camera do, worked out from its ability
// description (when it sent one) and its device-code record. Kept apart from
// the page so that the rules read as one list and tests walk them.
struct MaintenanceCamera
{
    bool jsonAbility = false;
    DevJsonAbility ability;
    int protocolVer = 0;
    uchar plateByte = 0;   // device-code capability bytes
    uchar nameTagByte = 0;
    uchar logoByte = 0;
};

namespace MaintenanceGating {

enum Row { DefaultReset, FactoryReset, Format, Upgrade, RowCount };
enum Tab { PlateTab = 1, NameTagTab = 2, LogoTab = 3 };

// Device-code offsets of the upload tabs' capability bytes.
constexpr int kPlateOffset = 318;
constexpr int kNameTagOffset = 326;
constexpr int kLogoOffset = 340;

// The rows shown; the rules apply one after another and a row hidden by one
// stays hidden.
bool rowShown(const MaintenanceCamera &camera, Row row);
// Disabled tabs stay visible.
bool tabEnabled(const MaintenanceCamera &camera, Tab tab);
bool exportShown(const MaintenanceCamera &camera);
// Whether the device lets the operations run without asking the password.
bool noPasswordNeeded(const MaintenanceCamera &camera);

} // namespace MaintenanceGating
