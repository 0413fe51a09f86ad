#pragma once

#include <QByteArray>
#include <QString>

// The cameras were made for Chinese Windows and keep their 8-bit texts (OSD
// lines, names, IDs) in GBK whatever the PC's own locale is, so every 8-bit
// device text goes through here. The logging service takes the same 8-bit
// text: a value for a "%s" of a log line is a QString made 8-bit by encode(),
// whether it came from the camera (decoded here first) or is a UTF-8 file
// name; raw camera bytes and UTF-8 never go to the log as they are.
class LocalText
{
public:
    LocalText() = delete;

    static QByteArray encode(const QString &text);
    static QString decode(const QByteArray &bytes);
    // A NUL-padded record field: reads up to the first NUL, never past size.
    static QString decodeField(const char *field, int size);
    // The number of bytes that encode() gives, for limits that count bytes.
    static int byteLength(const QString &text);
};
