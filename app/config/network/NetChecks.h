#pragma once

#include <QString>

class QObject;
class QValidator;

// Input checks the network and platform pages share. No widget state: each
// takes the text as the page read it. Pages whose own rules name a different
// character class keep theirs.
namespace NetChecks {

// Dotted IPv4 text, the whole text, nothing trimmed: four parts of 0 to 255,
// a part of one to three digits (leading zeros allowed).
bool isIpv4(const QString &text);
// Two or more dot-joined labels of 1 to 63 ASCII letters, digits or hyphens,
// none starting with a hyphen; 3 to 255 characters in all.
bool isDomain(const QString &text);
// The text as a base-10 number; 0 when it is not one.
int portValue(const QString &text);
bool isPort(const QString &text);
// Only a text of length 0 is empty: spaces count.
bool isEmptyText(const QString &text);
// The exact length of the text in the cameras' 8-bit encoding.
bool fitsLocalBytes(const QString &text, int maxBytes);
// The longest prefix that fits, dropping whole characters from the end.
QString cutToLocalBytes(const QString &text, int maxBytes);

// Platform pages: a port value already converted; the name rule (at most 32
// bytes in the cameras' 8-bit encoding, 16 Chinese characters).
bool isPortValue(int value);
bool fitsNameBytes(const QString &text);

// Keystroke filters, owned by parent.
QValidator *digitsValidator(QObject *parent);
QValidator *idValidator(QObject *parent);
QValidator *keyValidator(QObject *parent);

// GB28181, GA/T 1400, custom platform and RTMP pages.
// Keystrokes that cannot lead to a dotted IPv4 address (isIpv4).
QValidator *ipv4Validator(QObject *parent);

// The checks' messages, translated.
QString ipMessage();
QString domainMessage();
QString portMessage();
QString emptyMessage();
QString nameLengthMessage();

} // namespace NetChecks
