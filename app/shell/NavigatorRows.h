#pragma once

#include "DevJsonAbility.h"

#include <QVector>

#include <array>

class QWidget;
struct DeviceSupport;

// One category of the device-configuration navigator: its text, when it is
// offered, the page it builds on first selection and the call that makes the
// page read the camera again each time it is shown.
struct NavigatorRow
{
    // Rule for a camera without a JSON ability description.
    enum WithoutAbility { Shown, NetworkBytes, Hidden };

    const char *text; // translated in the navigator's context
    int DevJsonAbility::*showFlag; // the ability key that offers the row
    WithoutAbility withoutAbility;
    QWidget *(*create)(); // no parent: the navigator takes the page in
    void (*afterShow)(QWidget *page); // may be null
};

enum : int { kNavigatorRowCount = 7, kCustomParamRow = 5 };

const std::array<NavigatorRow, kNavigatorRowCount> &navigatorRows();

// Which rows the navigator offers for the camera. Cameras before the third
// generation know nothing of extended parameters and get every other row.
QVector<bool> navigatorRowsShown(const DeviceSupport &support);
