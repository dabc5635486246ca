#pragma once

#include <cstdint>

namespace DOVE2 {

// How the studio opens the next editor: 0 is the default (reuse the editor of the diagram
// when there is one, else a new tab), 1 and 2 are set by callers for one opening (a new tab
// beside the current one, respectively in place of the current one); this host opens every
// editor in a tab of its own and treats the three alike.
using EditorOpenType = std::int32_t;

}  // namespace DOVE2
