#pragma once

#include <cstdint>

namespace QUILL {

// Repository-wide identity of an object. Ids are handed out from one process-wide counter and
// never reused; 0 means "no object".
using ObjectId = std::uint64_t;
inline constexpr ObjectId kNoObject = 0;

// The next unused id (thread-safe).
ObjectId newObjectId();

}  // namespace QUILL
