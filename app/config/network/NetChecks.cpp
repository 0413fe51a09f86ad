#include "NetChecks.h"

#include <QRegExp>

namespace NetChecks {

bool isIpv4(const QString &text)
{
    static const QRegExp kPattern(QStringLiteral("\\b(?:(?:25[0-5]|2[0-4][0-9]|[01]?[0-9][0-9]?)\\.){3}"
                                                 "(?:25[0-5]|2[0-4][0-9]|[01]?[0-9][0-9]?)\\b"),
                                  Qt::CaseSensitive);
    return kPattern.exactMatch(text);
}

} // namespace NetChecks
