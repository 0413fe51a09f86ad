#include "LibraryLock.h"

std::mutex &LibraryLock::mutex()
{
    // Never destroyed: reader threads may still take it while the process exits.
    static std::mutex *lock = new std::mutex;
    return *lock;
}

std::condition_variable &LibraryLock::changed()
{
    static std::condition_variable *condition = new std::condition_variable;
    return *condition;
}
