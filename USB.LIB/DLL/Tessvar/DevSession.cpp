#include "DevSession.h"

DevSession::~DevSession()
{
    // A session replaced mid-download must not leak its open file.
    closeFile();
}

void DevSession::closeFile()
{
    if (!file)
        return;
    std::fflush(file);
    std::fclose(file);
    file = nullptr;
}
