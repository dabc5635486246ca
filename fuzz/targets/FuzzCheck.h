#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

namespace VantorFuzz {

// Turns a broken promise reported by an entry function into a crash libFuzzer records.
inline void abortIfBroken(const std::string& broken) {
    if (broken.empty())
        return;
    std::fprintf(stderr, "broken promise: %s\n", broken.c_str());
    std::abort();
}

}  // namespace VantorFuzz
