#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>

#include "dove2/Diagram.h"
#include "quill/ObjectId.h"

namespace Vantor {

// The diagrams a studio application knows, by full name (line feeds read as spaces), so that
// a path is found with one hash probe instead of reading the full name of every known
// diagram. Names are read when a diagram is added. The index listens to the commits of the
// model of every diagram added: a commit that changes an object with a name (a block, a
// diagram, a model) makes it stale, and the next lookup reads every name again, once.
//
// Holds handles only; owns nothing but its listener. User-interface thread only.
class DiagramNameIndex {
public:
    // Calls its argument once for every known diagram, in identity order.
    using KnownDiagrams = std::function<void(const std::function<void(const DOVE2::Diagram&)>&)>;

    // `known` lists the known diagrams when the index is rebuilt; it must outlive the index.
    explicit DiagramNameIndex(KnownDiagrams known);
    ~DiagramNameIndex();
    DiagramNameIndex(const DiagramNameIndex&) = delete;
    DiagramNameIndex& operator=(const DiagramNameIndex&) = delete;

    // Indexes `diagram` under its current full name (nothing while stale: the rebuild will).
    void add(const DOVE2::Diagram& diagram);
    // Forgets `diagram`; nothing when it was not indexed.
    void remove(const DOVE2::Diagram& diagram);
    // Names may have changed: read them all again at the next lookup.
    void invalidate();
    // Forgets everything (the index is then fresh and empty).
    void clear();

    // The valid known diagram of the smallest id whose full name, line feeds read as spaces,
    // is `spacedPath`; an empty diagram when there is none.
    DOVE2::Diagram find(const std::string& spacedPath) const;

private:
    class RenameWatch;

    void watchModelOf(const DOVE2::Diagram& diagram);
    void rebuild() const;
    void insert(const DOVE2::Diagram& diagram) const;
    void forget(QUILL::ObjectId id) const;

    KnownDiagrams known_;
    std::unique_ptr<RenameWatch> watch_;
    mutable bool stale_ = false;
    mutable std::unordered_map<std::string, std::map<QUILL::ObjectId, DOVE2::Diagram>> byName_;
    mutable std::unordered_map<QUILL::ObjectId, std::string> nameOf_;
};

}  // namespace Vantor
