#include "DevSession.h"

DevSession::~DevSession()
{
    // A session replaced mid-download must not leak its open file.
    closeFile();
}

bool DevSession::closeFile()
{
    if (!file)
        return true;
    const bool flushed = std::fflush(file) == 0;
    const bool closed = std::fclose(file) == 0;
    file = nullptr;
    return flushed && closed;
}
