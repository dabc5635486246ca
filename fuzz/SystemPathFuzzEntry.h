#pragma once

#include <string>
#include <string_view>

namespace VantorFuzz {

// What the system-path fuzz target checks for one input, also replayed by the tests. For any
// text, vt_tokens and vt_name agree with each other and lose nothing:
//  - the names joined by "/" give the path back (a trailing separator aside);
//  - no name holds a separator: each non-empty name is one name again;
//  - the root name is the first name and the leaf the last, when the path has a separator;
//  - the parent path, "/" and the leaf name give the path back.
class SystemPathFuzzEntry {
public:
    // Empty when the input kept every promise, else what was broken.
    static std::string run(std::string_view input);
};

}  // namespace VantorFuzz
