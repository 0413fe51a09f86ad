#pragma once

// The camera's media record, as it appears in media index files and in the
// media-list reply; part of the public interface.

#include "Tessvar.h"
