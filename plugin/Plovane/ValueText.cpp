#include "ValueText.h"

#include <QLocale>

#include <cmath>

namespace {

// Whole numbers below this are written digit by digit; beyond it a double no
// longer holds every integer exactly.
constexpr double kExactWholeLimit = 9007199254740992.0;

QString withoutTrailingZeros(QString text)
{
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    if (text == QLatin1String("-0"))
        return QStringLiteral("0");
    return text;
}

} // namespace

QString ValueText::of(const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::String:
        return value.toString();
    case QJsonValue::Bool:
        return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    case QJsonValue::Double: {
        const double number = value.toDouble();
        if (std::trunc(number) == number && std::fabs(number) < kExactWholeLimit)
            return QString::number(static_cast<qint64>(number));
        return QString::number(number, 'g', QLocale::FloatingPointShortest);
    }
    default:
        return QString();
    }
}

double ValueText::numberOf(const QJsonValue &value)
{
    return of(value).toDouble();
}

QString ValueText::number(double value, int decimals)
{
    return withoutTrailingZeros(QString::number(value, 'f', qMax(0, decimals)));
}
