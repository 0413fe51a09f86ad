#include "NetChecks.h"

#include "LocalText.h"

#include <QCoreApplication>
#include <QRegExp>
#include <QRegExpValidator>

namespace NetChecks {

namespace {

constexpr int kMaxPort = 65535;
constexpr int kNameBytes = 32;

bool matchesWhole(const char *pattern, const QString &text)
{
    return QRegExp(QString::fromLatin1(pattern), Qt::CaseSensitive).exactMatch(text);
}

QValidator *validator(const char *pattern, QObject *parent)
{
    return new QRegExpValidator(QRegExp(QString::fromLatin1(pattern), Qt::CaseSensitive), parent);
}

} // namespace

const char kIpv4Pattern[] = "\\b(?:(?:25[0-5]|2[0-4][0-9]|[01]?[0-9][0-9]?)\\.){3}"
                           "(?:25[0-5]|2[0-4][0-9]|[01]?[0-9][0-9]?)\\b";

bool isIpv4(const QString &text)
{
    return matchesWhole(kIpv4Pattern, text);
}

bool isDomain(const QString &text)
{
    return matchesWhole("^(?=^.{3,255}$)[a-zA-Z0-9][-a-zA-Z0-9]{0,62}(\\.[a-zA-Z0-9][-a-zA-Z0-9]{0,62})+$", text);
}

int portValue(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok ? value : 0;
}

bool isPort(const QString &text)
{
    const int value = portValue(text);
    return value >= 1 && value <= kMaxPort;
}

bool isPortValue(int value)
{
    return value >= 1 && value <= kMaxPort;
}

bool fitsNameBytes(const QString &text)
{
    return fitsLocalBytes(text, kNameBytes);
}

bool isEmptyText(const QString &text)
{
    return text.isEmpty();
}

bool fitsLocalBytes(const QString &text, int maxBytes)
{
    return LocalText::byteLength(text) <= maxBytes;
}

QString cutToLocalBytes(const QString &text, int maxBytes)
{
    QString cut = text;
    while (!cut.isEmpty() && !fitsLocalBytes(cut, maxBytes))
        cut.chop(cut.size() >= 2 && cut.at(cut.size() - 1).isLowSurrogate()
                                 && cut.at(cut.size() - 2).isHighSurrogate()
                         ? 2
                         : 1);
    return cut;
}

QValidator *digitsValidator(QObject *parent)
{
    return validator("[0-9]+$", parent);
}

QValidator *idValidator(QObject *parent)
{
    return validator("[0-9a-zA-Z_]+$", parent);
}

QValidator *keyValidator(QObject *parent)
{
    return validator("[0-9a-zA-Z~!@#$%^&*()_+{}:<>?|=\\[\\];'.\\\\/\\-\"]+$", parent);
}

// GB28181, GA/T 1400, custom platform and RTMP pages.
QValidator *ipv4Validator(QObject *parent)
{
    return validator(kIpv4Pattern, parent);
}

QString ipMessage()
{
    return QCoreApplication::translate("NetChecks", "非法的IP");
}

QString domainMessage()
{
    return QCoreApplication::translate("NetChecks", "非法的域名");
}

QString portMessage()
{
    return QCoreApplication::translate("NetChecks", "端口号的范围是1~65535");
}

QString emptyMessage()
{
    return QCoreApplication::translate("NetChecks", "不能为空");
}

QString nameLengthMessage()
{
    return QCoreApplication::translate("NetChecks", "请输入不超过32个英文、字符或16个中文");
}

} // namespace NetChecks
