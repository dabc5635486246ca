#include "wren/GlobalConnectionLock.h"

namespace WREN {

std::shared_mutex& GetGlobalConnectionLock() {
    // Never destroyed, so static destructors of other libraries may still use it.
    static auto* lock = new std::shared_mutex;
    return *lock;
}

}  // namespace WREN
