#include "FormPluginStub.h"
