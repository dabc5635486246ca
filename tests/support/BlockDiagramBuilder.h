#pragma once

#include <map>
#include <string>
#include <type_traits>
#include <vector>

#include "parr/GLPoint.h"
#include "parr/GLRect.h"
#include "quill/ObjectState.h"
#include "quill/Transaction.h"
#include "vtquill/VTQuill.h"

namespace TestSupport {

// Every object reachable from the model object as `model` shows it (the root or a working
// copy), keyed by id: two snapshots are equal exactly when the instance shows the same objects
// in the same states (sibling links aside).
inline std::map<QUILL::ObjectId, QUILL::ObjectState> stateOf(const QUILL::ImmutableModel& model) {
    std::map<QUILL::ObjectId, QUILL::ObjectState> all;
    const QUILL::Deviant& instance = model.getDeviant();
    std::vector<QUILL::ObjectId> pending{instance.getModelObject()};
    while (!pending.empty()) {
        const QUILL::ObjectId id = pending.back();
        pending.pop_back();
        const QUILL::ObjectState* state = instance.find(id);
        if (!state || !all.emplace(id, *state).second)
            continue;
        for (QUILL::ObjectId c = state->firstChild; c != QUILL::kNoObject;) {
            pending.push_back(c);
            const QUILL::ObjectState* child = instance.find(c);
            c = child ? child->nextSibling : QUILL::kNoObject;
        }
    }
    return all;
}

// Builds block-diagram test models: a new model with one top-level diagram, blocks at given
// rectangles, ports, one-segment lines between ports and annotations. Every call is one
// committed transaction on the root, so the model is at rest between calls (an editor can run
// commands on it). Handles returned are bound to the root.
//
//   BlockDiagramBuilder b;
//   auto gain = b.block("G", {10, 10, 40, 30});
//   auto out = b.outPort(gain);
//   auto line = b.connect(out, b.inPort(b.block("S", {100, 10, 40, 30})));
//
// The model is closed when the builder goes, so an editor showing it must go first.
class BlockDiagramBuilder {
public:
    // The size given to every port made here, so that its glyph can be hit.
    static constexpr double kPortSize = 6;

    explicit BlockDiagramBuilder(const std::string& name = "model")
        : model_(VTQUILL::Factory::createNewModel(name)), diagram_(model_.getDiagrams().front()) {}
    ~BlockDiagramBuilder() { model_.close(); }
    BlockDiagramBuilder(const BlockDiagramBuilder&) = delete;
    BlockDiagramBuilder& operator=(const BlockDiagramBuilder&) = delete;

    const VTQUILL::Model& model() const { return model_; }
    const VTQUILL::Diagram& diagram() const { return diagram_; }

    // A block of `type` named `name` covering `rect` (absolute diagram coordinates).
    VTQUILL::Block block(const std::string& name, const PARR::GLRect<double>& rect,
                         const std::string& type = "Gain") {
        return edit([&] {
            VTQUILL::Block b = diagram_.addBlock(type, name);
            b.setPosition(rect.topLeft());
            b.setSize(rect.size());
            return b;
        });
    }
    // A subsystem block named `name` covering `rect`, with an empty inner diagram named after
    // it (so the diagram's full name is the model's name, "/", the block's name).
    VTQUILL::Block subsystem(const std::string& name, const PARR::GLRect<double>& rect) {
        const VTQUILL::Block b = block(name, rect, "Subsystem");
        edit([&] { return b.addSubsystemDiagram(); });
        return b;
    }
    // A port of `kind` at `at` (top-left corner, relative to the block), kPortSize square.
    VTQUILL::Port port(const VTQUILL::Block& block, const std::string& kind,
                       const PARR::GLPoint<double>& at, double orientation) {
        return edit([&] {
            VTQUILL::Port p = block.addPort(kind, at, orientation);
            p.setSize({kPortSize, kPortSize});
            return p;
        });
    }
    // An output port inside the middle of the right side; an input port inside the middle
    // of the left side.
    VTQUILL::Port outPort(const VTQUILL::Block& block) {
        const PARR::GLPoint<double> size = block.getSize();
        return port(block, VTQUILL::kOutPort, {size.x - kPortSize, size.y / 2 - kPortSize / 2}, 0);
    }
    VTQUILL::Port inPort(const VTQUILL::Block& block) {
        const PARR::GLPoint<double> size = block.getSize();
        return port(block, VTQUILL::kInPort, {0, size.y / 2 - kPortSize / 2}, 180);
    }
    // A new one-segment line from `src` to `dst` (ports, joints or terminators).
    VTQUILL::Segment connect(const QUILL::ImmutableClassObject& src,
                             const QUILL::ImmutableClassObject& dst,
                             const std::string& lineType = VTQUILL::kSignalLine) {
        return edit([&] {
            VTQUILL::Segment s = diagram_.addLine(lineType).addSegment();
            s.setSrcElement(src);
            s.setDstElement(dst);
            return s;
        });
    }
    VTQUILL::Annotation annotation(const std::string& text, const PARR::GLRect<double>& rect) {
        return edit([&] {
            VTQUILL::Annotation a = diagram_.addAnnotation(text);
            a.setPosition(rect.topLeft());
            a.setSize(rect.size());
            return a;
        });
    }

    // Runs `change` in one committed transaction on the root and returns what it returns.
    template <class Change>
    std::invoke_result_t<Change> edit(Change change) {
        QUILL::Transaction transaction(model_);
        auto result = change();
        transaction.commit();
        return result;
    }

private:
    VTQUILL::Model model_;
    VTQUILL::Diagram diagram_;
};

}  // namespace TestSupport
