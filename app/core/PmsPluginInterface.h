#pragma once

#include "DynamicFormInterface.h"
#include "singleton.h"

// Finds the form plug-in beside the program on first use and keeps it loaded
// for the life of the process. Reach it through
// singleton<PmsPluginInterface>::instance().
class PmsPluginInterface : public singleton<PmsPluginInterface>
{
    friend class singleton<PmsPluginInterface>;

public:
    // Null when the plug-in is missing, does not load or is not a form
    // plug-in; the next call then tries again.
    DynamicFormInterface *GetPluginInterface();
    // The name by which the JSON configuration pages ask for the plug-in.
    DynamicFormInterface *GetInterface() { return GetPluginInterface(); }

private:
    PmsPluginInterface() = default;

    DynamicFormInterface *m_interface = nullptr;
};
