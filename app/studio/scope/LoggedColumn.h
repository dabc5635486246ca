#pragma once

#include <optional>
#include <string>

namespace VantorStudio {

// A logged column's name taken apart: a viewer block's input is logged as "PATH:k" (a scalar
// input k, 1-based) or "PATH:k[i]" (element i, 1-based, of a vector input k).
struct LoggedColumn {
    std::string blockPath;
    int input = 0;
    int element = 0;  // 0 for a scalar input

    // Nothing for a name of another form (a top-level Output's "PATH").
    static std::optional<LoggedColumn> parse(const std::string& name);
};

}  // namespace VantorStudio
