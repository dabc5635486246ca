#pragma once

#include <vector>

#include "quill/ReportOfChangesFwd.h"

namespace QUILL {

class Deviant;

// Base of everything that listens to a model instance's commits. A listener unregisters
// itself from every instance when destroyed, and an instance that closes tells its listeners
// through onDeviantDestroyed and forgets them; either may go first.
class ListenerBase {
public:
    ListenerBase() = default;
    ListenerBase(const ListenerBase&) = delete;
    ListenerBase& operator=(const ListenerBase&) = delete;
    virtual ~ListenerBase();

    // One committed transaction of an instance this listener is registered with.
    virtual void onCommit(const ReportOfChanges<>& report);
    // The instance is closing; it forgets this listener right after the call.
    virtual void onDeviantDestroyed(Deviant& instance);

    // The instances this listener is registered with.
    const std::vector<Deviant*>& registeredWith() const { return instances_; }

private:
    friend class Deviant;
    std::vector<Deviant*> instances_;
};

}  // namespace QUILL
