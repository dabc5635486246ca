#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "quill/Deviant.h"
#include "vtquill/VTQuill.h"
#include "vtquill/file/ModelDocument.h"

namespace VTQUILL::File {

// Reads a model into a ModelDocument for writing. File ids are the numbers 1, 2, 3, ...
// given in containment order, the order in which the document lists the elements: each
// diagram with its blocks (each followed by its ports), its lines (joints, then segments,
// each followed by its terminators) and its annotations; the inner diagrams of a diagram's
// subsystem blocks follow it, depth first. The same model always gives the same document.
//
// A segment end at an element outside the model is written as a free end (null), and a
// terminator that ends neither end of its segment is left out: the file keeps what the
// model shows.
//
// Reads object states directly (one lookup per object) rather than through typed handles:
// saving a large model is dominated by these reads.
class ModelExtractor {
public:
    static ModelDocument extract(const VTQUILL::Model& model);

private:
    using State = QUILL::ObjectState;
    // An object with its state, looked up once.
    struct Object {
        QUILL::ObjectId id;
        const State* state;
    };

    explicit ModelExtractor(const QUILL::Deviant& instance);

    const State& state(QUILL::ObjectId id) const;
    FileId assign(QUILL::ObjectId id);
    // Calls f(Object) for each child of `parent`, in containment order.
    template <class F>
    void forEachChild(const State& parent, F f) const;

    DocDiagram extractDiagram(Object diagram, std::vector<QUILL::ObjectId>& inner);
    DocBlock extractBlock(Object block);
    DocLine extractLine(Object line);
    DocSegment extractSegment(Object segment);
    DocAnnotation extractAnnotation(Object annotation);
    void resolveReferences(ModelDocument& doc) const;
    void resolve(DocEnd& end) const;

    const QUILL::Deviant& d_;
    std::unordered_map<QUILL::ObjectId, std::uint64_t> ids_;
    std::uint64_t nextId_ = 1;
};

}  // namespace VTQUILL::File
