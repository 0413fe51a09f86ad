#pragma once

// The callback type belongs to the public interface.

#include "Tessvar.h"
