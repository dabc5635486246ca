#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "quill/Transaction.h"
#include "vtquill/VTQuill.h"

namespace VantorTest {

// Points as pairs, so that failed expectations print readable coordinates.
using XY = std::pair<double, double>;
using XYs = std::vector<XY>;

inline XY xy(const PARR::GLPoint<double>& p) {
    return {p.x, p.y};
}
inline XYs xys(const PARR::Path& path) {
    XYs out;
    for (const auto& p : path)
        out.push_back(xy(p));
    return out;
}

// Builds diagrams for the line-model tests in one open transaction on a new model:
//   LineTestBuilder b;
//   auto gain = b.block({100, 0}, {30, 30});
//   auto out = b.port(gain, VTQUILL::kOutPort, {30, 15}, 0);
//   auto seg = b.segment(b.line(), out, b.joint(line, {200, 15}), {{150, 15}});
// The destructor rolls the transaction back and closes the model.
class LineTestBuilder {
public:
    using Point = PARR::GLPoint<double>;

    LineTestBuilder()
        : model(VTQUILL::Factory::createNewModel("lines")),
          diagram(model.getDiagrams().front()),
          tx_(std::make_unique<QUILL::Transaction>(model)) {}
    ~LineTestBuilder() {
        tx_.reset();
        model.close();
    }

    VTQUILL::Block block(Point at, Point size = {30, 30}) {
        VTQUILL::Block b = diagram.addBlock("Gain", "B" + std::to_string(++blocks_));
        b.setPosition(at);
        b.setSize(size);
        return b;
    }
    // A port `at` relative to its block.
    VTQUILL::Port port(const VTQUILL::Block& b, const std::string& kind, Point at,
                       double orientation) {
        return b.addPort(kind, at, orientation);
    }
    // A block at `blockAt` with one port of `kind` at `portAt` (relative to the block).
    VTQUILL::Port blockWithPort(const std::string& kind, Point blockAt, Point portAt,
                                double orientation, Point size = {30, 30}) {
        return port(block(blockAt, size), kind, portAt, orientation);
    }
    VTQUILL::Line line(const std::string& type = VTQUILL::kSignalLine) {
        return diagram.addLine(type);
    }
    VTQUILL::SolderJoint joint(const VTQUILL::Line& l, Point at) { return l.addSolderJoint(at); }
    // A segment of `l` between two elements with stored vertices `path`; an empty element
    // gives that end a terminator at `freeEnd`.
    VTQUILL::Segment segment(const VTQUILL::Line& l, const QUILL::ImmutableClassObject& src,
                             const QUILL::ImmutableClassObject& dst, const PARR::Path& path = {},
                             Point freeSrc = {}, Point freeDst = {}) {
        VTQUILL::Segment s = l.addSegment();
        if (src.isValid())
            s.setSrcElement(src);
        else
            s.addSrcTerminator(freeSrc);
        if (dst.isValid())
            s.setDstElement(dst);
        else
            s.addDstTerminator(freeDst);
        s.setPath(path);
        return s;
    }
    // A segment in a new line with terminators at both ends.
    VTQUILL::Segment freeSegment(Point from, Point to, const PARR::Path& path = {}) {
        return segment(line(), {}, {}, path, from, to);
    }
    void commit() {
        tx_->commit();
        tx_ = std::make_unique<QUILL::Transaction>(model);
    }

    VTQUILL::Model model;
    VTQUILL::Diagram diagram;

private:
    std::unique_ptr<QUILL::Transaction> tx_;
    int blocks_ = 0;
};

}  // namespace VantorTest
