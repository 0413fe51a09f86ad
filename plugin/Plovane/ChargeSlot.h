#pragma once

#include <QString>

// What the charge-times control knows about one of its two values.
struct ChargeSlot
{
    QString key;
    QString suffix;
    QString tip;
    double max = 9999.99;
    double min = 0;
    QString type;
};
