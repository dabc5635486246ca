#pragma once

#include "application/Export.h"

// The module's exported entry (see initialize.cpp): registers the block-diagram domain, its
// editor and the query object once; later calls do nothing.
extern "C" VANTOR_EXPORT void initialize_vt_editor();
