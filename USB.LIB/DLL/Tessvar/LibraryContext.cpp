#include "LibraryContext.h"

LibraryContext &LibraryContext::instance()
{
    // Never destroyed: reader threads may still deliver packets while the
    // process exits, as the device table outlives static destruction too.
    static LibraryContext *context = new LibraryContext;
    return *context;
}

DevSession *LibraryContext::session(int deviceIndex)
{
    auto found = sessions.find(deviceIndex);
    return found == sessions.end() ? nullptr : &found->second;
}

void LibraryContext::resetSessions(int count)
{
    sessions.clear();
    for (int index = 0; index < count; ++index)
        sessions.try_emplace(index);
}

void LibraryContext::setCallback(MSG_CALLBACK_FN newCallback, void *newUser)
{
    callback = newCallback;
    user = newUser;
}

void LibraryContext::report(int deviceIndex, int command, int result, const void *payload,
                            int length) const
{
    if (callback)
        callback(deviceIndex, command, result, payload, length, user);
}
