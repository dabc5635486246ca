#include "quill/Exception.h"

#include <atomic>

#include "quill/ObjectId.h"

namespace QUILL {

ObjectId newObjectId() {
    static std::atomic<ObjectId> next{1};
    return next.fetch_add(1, std::memory_order_relaxed);
}

void throwNullRef() {
    throw Exception(kNullRefMessage);
}

void throwEmptySequence() {
    throw Exception(kEmptySequenceMessage);
}

void assertionFailed(const std::string& message, const std::string& source, int line,
                     const std::string& function) {
    throw Exception("Assertion failed: " + message + " at " + source + ":" + std::to_string(line) +
                    ": " + function);
}

}  // namespace QUILL
