// Lists the cameras attached over USB through the device library and exits.

#include "Tessvar.h"

#include <cstdio>

int main()
{
    int count = 0;
    RefreshDecice(&count);
    std::printf("Attached cameras: %d\n", count);
    for (int index = 0; index < count; ++index)
        std::printf("  camera %d\n", index);
    return 0;
}
