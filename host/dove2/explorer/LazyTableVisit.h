#pragma once

#include <utility>

#include "quill/Exception.h"
#include "quill/ImmutableClassObject.h"

namespace DOVE2 {

// Visits `object` with an explorer visitor whose dispatch table is chosen on first use:
// `initialize` installs the visitor's own table; when it installs none, `fallback` is used.
// A repository error while visiting gives `onError`: the model tree must stay usable when one
// object cannot be read. The caller handles invalid objects before.
template <class Visitor, class Initialize>
auto visitWithLazyTable(Visitor& visitor, const QUILL::ImmutableClassObject& object,
                        Initialize&& initialize, const typename Visitor::Table& fallback,
                        decltype(visitor.visit(object)) onError)
    -> decltype(visitor.visit(object)) {
    if (!visitor.getDispatchTable())
        std::forward<Initialize>(initialize)();
    if (!visitor.getDispatchTable())
        visitor.setDispatchTable(&fallback);
    try {
        return visitor.visit(object);
    } catch (const QUILL::Exception&) {
        return onError;
    }
}

}  // namespace DOVE2
