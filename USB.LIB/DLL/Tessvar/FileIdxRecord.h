#pragma once

// What the callback receives for each used media index item (code 101); part
// of the public interface.

#include "Tessvar.h"
