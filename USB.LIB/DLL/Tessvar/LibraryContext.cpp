#include "LibraryContext.h"

#include "LibraryLock.h"

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
    std::map<int, DevSession> fresh;
    for (int index = 0; index < count; ++index)
        fresh.try_emplace(index);
    std::lock_guard<std::mutex> lock(LibraryLock::mutex());
    sessions.swap(fresh);
}

void LibraryContext::setCallback(MSG_CALLBACK_FN newCallback, void *newUser)
{
    std::lock_guard<std::mutex> lock(LibraryLock::mutex());
    callback = newCallback;
    user = newUser;
}

void LibraryContext::report(int deviceIndex, int command, int result, const void *payload,
                            int length) const
{
    MSG_CALLBACK_FN registered = nullptr;
    void *registeredUser = nullptr;
    {
        std::lock_guard<std::mutex> lock(LibraryLock::mutex());
        registered = callback;
        registeredUser = user;
    }
    if (registered)
        registered(deviceIndex, command, result, payload, length, registeredUser);
}
