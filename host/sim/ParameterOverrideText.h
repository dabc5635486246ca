#pragma once

#include <string>

#include "sim/SystemFlattener.h"

namespace VTSIM {

// Reads "PATH:NAME=VALUE" (parameter NAME of the block at full path PATH set to VALUE, as the
// command lines take it; PATH may hold ':' itself, NAME may not) into `overrides`. False,
// changing nothing, for a text of another form.
bool addParameterOverride(const std::string& text, ParameterOverrides& overrides);

}  // namespace VTSIM
