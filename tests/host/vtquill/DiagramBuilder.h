#pragma once

#include <string>

#include "quill/Transaction.h"
#include "vtquill/VTQuill.h"

namespace VTQuillTest {

// Builds test diagrams in one open transaction on a new model:
//   DiagramBuilder b("m");
//   auto gain = b.block("Gain", "G", {0, 0});
//   auto in = b.port(gain, VTQUILL::kInPort, {0, 15}, 180);
// commit() ends the transaction; the destructor closes the model.
class DiagramBuilder {
public:
    explicit DiagramBuilder(const std::string& name = "model")
        : model(VTQUILL::Factory::createNewModel(name)),
          diagram(model.getDiagrams().front()),
          tx_(std::make_unique<QUILL::Transaction>(model)) {}
    ~DiagramBuilder() {
        tx_.reset();
        model.close();
    }

    VTQUILL::Block block(const std::string& type, const std::string& name,
                         PARR::GLPoint<double> at = {}, PARR::GLPoint<double> size = {30, 30}) {
        VTQUILL::Block b = diagram.addBlock(type, name);
        b.setPosition(at);
        b.setSize(size);
        return b;
    }
    VTQUILL::Port port(const VTQUILL::Block& b, const std::string& kind,
                       PARR::GLPoint<double> at = {}, double orientation = 0) {
        return b.addPort(kind, at, orientation);
    }
    VTQUILL::Port out(const VTQUILL::Block& b) { return port(b, VTQUILL::kOutPort, {30, 15}, 0); }
    VTQUILL::Port in(const VTQUILL::Block& b) { return port(b, VTQUILL::kInPort, {0, 15}, 180); }
    // A one-segment line from `src` to `dst` (either may be empty: a free end there).
    VTQUILL::Segment connect(const QUILL::ImmutableClassObject& src,
                             const QUILL::ImmutableClassObject& dst,
                             const std::string& type = VTQUILL::kSignalLine) {
        VTQUILL::Line line = diagram.addLine(type);
        VTQUILL::Segment s = line.addSegment();
        if (src.isValid())
            s.setSrcElement(src);
        else
            s.addSrcTerminator({0, 0});
        if (dst.isValid())
            s.setDstElement(dst);
        else
            s.addDstTerminator({0, 0});
        return s;
    }
    std::shared_ptr<const QUILL::ChangeSet> commit() {
        auto changes = tx_->commit();
        tx_ = std::make_unique<QUILL::Transaction>(model);
        return changes;
    }

    VTQUILL::Model model;
    VTQUILL::Diagram diagram;

private:
    std::unique_ptr<QUILL::Transaction> tx_;
};

}  // namespace VTQuillTest
