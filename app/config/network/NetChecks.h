#pragma once

#include <QString>

// Input checks the network and platform pages share. No widget state: each
// takes the text as the page read it.
namespace NetChecks {

// Dotted IPv4 text, the whole text, nothing trimmed: four parts of 0 to 255,
// a part of one to three digits (leading zeros allowed).
bool isIpv4(const QString &text);

} // namespace NetChecks
