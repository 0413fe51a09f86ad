#pragma once

#include "DeviceSide.h"
#include "UsbBus.h"

// How the library tests start and end on the simulated bus.
namespace SimBusSetup {

// Short enough that a stopped reader notices within a few tens of
// milliseconds, long enough not to busy the machine.
constexpr int ReadCapMs = 20;
// How long a test waits for the library's reports before it fails.
constexpr int WaitMs = 3000;

// The bus emptied of what an earlier test left, its reads capped so that a
// stopped reader notices quickly.
sim::UsbBus &freshBus(int readCapMs);

// A fresh bus with `cameras` cameras on one bus, all answered by `side`.
void plugCameras(sim::DeviceSide &side, int cameras, int readCapMs);

// Leaves the library as the next test expects it: the open cameras' readers
// stop while the bus still caps their reads, then the table is emptied.
void unplugCameras(int openCameras);

} // namespace SimBusSetup
