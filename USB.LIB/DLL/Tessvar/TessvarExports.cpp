// The exports that manage the cameras and the callback rather than send a request.

#include "Tessvar.h"

#include "DeviceTable.h"
#include "LibraryContext.h"
#include "ReceiveDispatch.h"

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
    DeviceTable &table = DeviceTable::instance();
    LibraryContext &context = LibraryContext::instance();
    table.setReceiver(&ReceiveDispatch::OnReceive, &context);
    const int found = table.Enumerate();
    // Enumeration has stopped every reader, so no reply of the old cameras
    // can reach the sessions being replaced.
    context.resetSessions(found);
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
