#pragma once

#include <string>

#include "harbor/StudioComponentBase.h"
#include "parr/GHash.h"
#include "parr/GList.h"
#include "parr/GSet.h"
#include "parr/Holder.h"

namespace HARBOR {

// The components of one studio by name, in the order they were added, and the names the
// studio hides. Hiding is by name and holds also for a component added later under a hidden
// name. Holds a reference to each component it contains. Not thread-safe (the studio is used
// on the user-interface thread).
class StudioComponentTable {
public:
    // Adds `component` under its name and returns true; false (nothing added) for a null
    // component or a name in use.
    bool add(PARR::Holder<StudioComponentBase> component);
    // The component named `name`, or null.
    StudioComponentBase* find(const std::string& name) const;
    // Takes the component named `name` out and returns it (null Holder when there is none).
    PARR::Holder<StudioComponentBase> remove(const std::string& name);
    // The components in the order they were added.
    PARR::GList<StudioComponentBase*> all() const;
    std::size_t size() const { return components_.size(); }
    // Lets go of every component; the hidden names stay.
    void clear() { components_.clear(); }

    // Marks `name` hidden, or no longer hidden; true when that changed anything.
    bool hide(const std::string& name) { return hidden_.insert(name); }
    bool show(const std::string& name) { return hidden_.remove(name); }
    bool isHidden(const std::string& name) const { return hidden_.contains(name); }

private:
    PARR::GHash<std::string, PARR::Holder<StudioComponentBase>> components_;
    PARR::GSet<std::string> hidden_;
};

}  // namespace HARBOR
