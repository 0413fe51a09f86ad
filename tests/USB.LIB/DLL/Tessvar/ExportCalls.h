#pragma once

#include "Tessvar.h"

#include <string_view>

// Calls any export that addresses a camera by the name of its row in the export
// table, so that tests can walk the table. The argument is what the export
// takes after the index: a record, a text, or for the exports with several
// arguments one of the structs below; exports without one ignore it. A null argument
// passes null for every pointer the export takes.
class ExportCalls
{
public:
    struct XmlArguments {
        const XML_PARAM_HEAD *head;
        const char *text;
    };
    struct DownloadArguments {
        const char *remoteName;
        int offset;
        const char *localPath;
    };

    // True for every export of the table but SetMsgCallBack and RefreshDecice.
    static bool has(std::string_view name);
    static int call(std::string_view name, int index, const void *argument);
};
