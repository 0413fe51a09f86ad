#include "Ipv4Text.h"

#include <QStringList>
#include <QtEndian>

quint32 Ipv4Text::toWire(const QString &text)
{
    const QStringList parts = text.trimmed().split(QLatin1Char('.'));
    if (parts.size() != 4)
        return kInvalid;
    uchar bytes[4];
    for (int i = 0; i < 4; ++i) {
        const QString &part = parts.at(i);
        if (part.isEmpty() || part.size() > 3)
            return kInvalid;
        uint value = 0;
        for (const QChar c : part) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return kInvalid;
            value = value * 10 + uint(c.unicode() - '0');
            if (value > 255)
                return kInvalid;
        }
        bytes[i] = uchar(value);
    }
    // The parts in memory order, whatever the host's byte order.
    return qFromUnaligned<quint32>(bytes);
}

QString Ipv4Text::fromWire(quint32 address)
{
    uchar bytes[4];
    qToUnaligned(address, bytes);
    return QStringLiteral("%1.%2.%3.%4").arg(bytes[0]).arg(bytes[1]).arg(bytes[2]).arg(bytes[3]);
}
