#pragma once

#include "DeviceRec.h"
#include "DeviceTable.h"

#include "ReaderLife.h"

#include <memory>

// What a reader thread needs; made by the reader start and freed by the thread.
struct ReaderArguments {
    DeviceTable *table = nullptr;
    LibraryContext *context = nullptr;
    int deviceIndex = -1;
    ReceiveFn receive = nullptr;
    std::shared_ptr<ReaderLife> life;
    // The reader reads its own record, not whatever a later enumeration put
    // under the same index.
    std::shared_ptr<DeviceRec> record;
};
