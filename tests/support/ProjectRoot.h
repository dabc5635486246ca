#pragma once

#include <cstdlib>
#include <filesystem>

namespace TestSupport {

// The project's root folder: $VANTOR_ROOT (CTest and ./dev set it), else found from this
// file's path (tests/support/ProjectRoot.h).
inline std::filesystem::path projectRoot() {
    if (const char* root = std::getenv("VANTOR_ROOT"); root && *root)
        return root;
    return std::filesystem::path(__FILE__).parent_path().parent_path().parent_path();
}

}  // namespace TestSupport
