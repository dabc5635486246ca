#include "studio/DiagramNameIndex.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "quill/Deviant.h"
#include "quill/ListenerBase.h"
#include "quill/ReportOfChanges.h"

#include "studio/SystemPath.h"

namespace Vantor {

// Makes the index stale when a commit changes an object that has a name.
class DiagramNameIndex::RenameWatch : public QUILL::ListenerBase {
public:
    explicit RenameWatch(DiagramNameIndex& index) : index_(index) {}

    void onCommit(const QUILL::ReportOfChanges<>& report) override {
        for (const QUILL::ImmutableClassObject& modified : report.getModified()) {
            if (modified.isValid() && modified.getMetaClass().findAttribute("name")) {
                index_.invalidate();
                return;
            }
        }
    }

private:
    DiagramNameIndex& index_;
};

DiagramNameIndex::DiagramNameIndex(KnownDiagrams known)
    : known_(std::move(known)), watch_(std::make_unique<RenameWatch>(*this)) {}

DiagramNameIndex::~DiagramNameIndex() = default;

void DiagramNameIndex::add(const DOVE2::Diagram& diagram) {
    watchModelOf(diagram);
    if (!stale_)
        insert(diagram);
}

void DiagramNameIndex::watchModelOf(const DOVE2::Diagram& diagram) {
    if (!diagram.isValid())
        return;
    QUILL::Deviant& root = diagram.getDeviant()->getRootDeviant();
    const std::vector<QUILL::Deviant*>& watched = watch_->registeredWith();
    if (std::find(watched.begin(), watched.end(), &root) == watched.end())
        root.registerModifierOnCommit(watch_.get());
}

void DiagramNameIndex::remove(const DOVE2::Diagram& diagram) {
    forget(diagram.getObjectId());
}

void DiagramNameIndex::forget(QUILL::ObjectId id) const {
    const auto named = nameOf_.find(id);
    if (named == nameOf_.end())
        return;
    const auto bucket = byName_.find(named->second);
    if (bucket != byName_.end()) {
        bucket->second.erase(id);
        if (bucket->second.empty())
            byName_.erase(bucket);
    }
    nameOf_.erase(named);
}

void DiagramNameIndex::invalidate() {
    stale_ = true;
}

void DiagramNameIndex::clear() {
    byName_.clear();
    nameOf_.clear();
    stale_ = false;
}

DOVE2::Diagram DiagramNameIndex::find(const std::string& spacedPath) const {
    if (stale_)
        rebuild();
    const auto bucket = byName_.find(spacedPath);
    if (bucket == byName_.end())
        return DOVE2::Diagram();
    // A diagram deleted since it was indexed is still listed (undo may bring it back) but
    // no longer shows anything.
    for (const auto& [id, diagram] : bucket->second) {
        if (diagram.isValid())
            return diagram;
    }
    return DOVE2::Diagram();
}

void DiagramNameIndex::rebuild() const {
    byName_.clear();
    nameOf_.clear();
    stale_ = false;
    known_([this](const DOVE2::Diagram& diagram) { insert(diagram); });
}

void DiagramNameIndex::insert(const DOVE2::Diagram& diagram) const {
    // A deleted diagram has no name to read; the next rebuild after its return indexes it.
    if (!diagram.isValid())
        return;
    forget(diagram.getObjectId());
    std::string name = vt_spacedName(diagram.getFullName());
    byName_[name].emplace(diagram.getObjectId(), diagram);
    nameOf_.emplace(diagram.getObjectId(), std::move(name));
}

}  // namespace Vantor
