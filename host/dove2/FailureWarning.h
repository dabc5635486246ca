#pragma once

#include <string>

#include "parr/ErrorHolder.h"

namespace DOVE2 {

// Tells the user of a failure collected in `errors`: gives the held error as a warning of the
// scripting environment (TESSEL::warning: one line on stderr, and the studio's status bar),
// identified by the error's identifier, with the text "<what>: <message>" ("<message>" alone
// when `what` is empty). Does nothing when the holder holds no error; returns whether it held
// one. For failures of actions a user started (opening an editor from the tree, a
// double-click) whose caller has no one else to hand the error to.
bool warnOfFailure(const std::string& what, const PARR::ErrorHolder& errors);

}  // namespace DOVE2
