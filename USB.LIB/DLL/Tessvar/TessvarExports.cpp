// The exports that manage the cameras and the callback rather than send a request.

#include "Tessvar.h"

#include "DeviceTable.h"
#include "LibraryContext.h"

#include <cstdio>

namespace {

void printBanner(const char *banner)
{
    std::printf("%s\n", banner);
    std::fflush(stdout);
}

} // namespace

int TESSVAR_CALL SetMsgCallBack(MSG_CALLBACK_FN callback, void *user)
{
    LibraryContext::instance().setCallback(callback, user);
    return 0;
}

int TESSVAR_CALL RefreshDecice(int *count)
{
    printBanner("[##########--Refresh--###########]");
    const int found = DeviceTable::instance().Enumerate();
    // Called from a caller's thread, enumeration has stopped every reader, so
    // nothing receives while the sessions are replaced; called from a
    // callback, the stopped readers end on their own and may still hand on
    // the packet they were reading.
    LibraryContext::instance().resetSessions(found);
    if (count)
        *count = found;
    return 0;
}

int TESSVAR_CALL OpenDevice(int index)
{
    printBanner("[##########--Open--###########]");
    DeviceTable &table = DeviceTable::instance();
    table.Close(index);
    if (table.Open(index) != 0)
        return -1;
    return table.StartReader(index);
}

int TESSVAR_CALL CloseDevice(int index)
{
    printBanner("[##########--Close--###########]");
    DeviceTable &table = DeviceTable::instance();
    table.StopReader(index);
    return table.Close(index);
}
