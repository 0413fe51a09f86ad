#pragma once

#include <QJsonValue>
#include <QString>

// How controls turn JSON values into the text they show and numbers into the
// text they write back, so that every control reads and writes the same way.
class ValueText
{
public:
    // A string as it is; a number as its shortest exact text; a bool as "1" or
    // "0"; anything else as an empty string.
    static QString of(const QJsonValue &value);

    // A number, or a text that holds one, as that number; anything else 0.
    // Cameras send some numbers as text, and reading those as 0 would write 0
    // back over them on the next save.
    static double numberOf(const QJsonValue &value);

    // Fixed notation with at most `decimals` digits after the point, without
    // trailing zeros or a trailing point, so that the text reads back as the
    // same number (no exponent form, no digits lost before the point).
    static QString number(double value, int decimals);
};
