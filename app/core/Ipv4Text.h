#pragma once

#include <QString>
#include <QtGlobal>

// Dotted IPv4 text as the camera records hold it: four bytes in network order.
//
// inet_addr reads a part with a leading zero as octal, so an operator's
// "192.168.1.010" went out as .8 and "192.168.1.09" as 255.255.255.255. Every
// setter and page converts through here instead: each part is plain decimal.
class Ipv4Text
{
public:
    Ipv4Text() = delete;

    // The value inet_addr gives for well-formed text: its bytes in memory are
    // the four parts in order. Anything but four decimal parts of one to three
    // digits, 0 to 255 (surrounding blanks aside), gives kInvalid, as
    // inet_addr's INADDR_NONE.
    static quint32 toWire(const QString &text);
    // The four bytes of a record's address field as dotted text.
    static QString fromWire(quint32 address);

    static constexpr quint32 kInvalid = 0xFFFFFFFFu;
};
