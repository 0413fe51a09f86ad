#pragma once

#include <QString>

// Stands in for the plug-in's shared number-to-text helper until the two
// branches meet; same contract, so the call sites need not change: fixed
// notation at the given number of decimals, trailing zeros and a trailing
// dot removed ("7654321", "12.5"). The 'g', 6 form would give "7.65432e+06",
// which reads back as 0.
QString numberText(double value, int decimals);
