#include "ForeignPluginStub.h"
