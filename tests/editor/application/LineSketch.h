#pragma once

#include <set>
#include <string>
#include <variant>
#include <vector>

#include "host/vtquill/DiagramBuilder.h"
#include "parr/GLPoint.h"
#include "parr/Path.h"
#include "vtquill/VTQuill.h"

namespace VantorTest {

using Point = PARR::GLPoint<double>;

// A free end (terminator) at an absolute position.
struct FreeEnd {
    Point at;
};

// One end of a sketched segment: an existing port or solder joint, or a new free end.
using End = std::variant<QUILL::ImmutableClassObject, FreeEnd>;

// Sketches one line in a DiagramBuilder's open transaction, by absolute coordinates:
//   LineSketch s(builder);
//   auto j = s.joint({0, 0});
//   s.segment(s.outPort({-50, 0}), j);
//   s.segment(j, s.inPort({80, 30}), {{40, 0}, {40, 30}});
// Ports sit on blocks of their own, so every port can take a segment.
class LineSketch {
public:
    explicit LineSketch(VTQuillTest::DiagramBuilder& builder,
                        const std::string& type = VTQUILL::kSignalLine)
        : builder_(builder), line(builder.diagram.addLine(type)) {}

    VTQUILL::SolderJoint joint(Point at) { return line.addSolderJoint(at); }

    // A port of `kind` at absolute position `at`, on a block of its own whose corner is `at`.
    VTQUILL::Port port(const std::string& kind, Point at, double orientation) {
        const VTQUILL::Block block =
            builder_.block("Gain", "B" + std::to_string(++blockCount_), at);
        return builder_.port(block, kind, {0, 0}, orientation);
    }
    VTQUILL::Port outPort(Point at) { return port(VTQUILL::kOutPort, at, 0); }
    VTQUILL::Port inPort(Point at) { return port(VTQUILL::kInPort, at, 180); }

    VTQUILL::Segment segment(const End& from, const End& to, const PARR::Path& vertices = {}) {
        const VTQUILL::Segment s = line.addSegment();
        attach(s, from, true);
        attach(s, to, false);
        s.setPath(vertices);
        return s;
    }

    VTQuillTest::DiagramBuilder& builder() { return builder_; }

private:
    static void attach(const VTQUILL::Segment& s, const End& end, bool source) {
        if (const auto* free = std::get_if<FreeEnd>(&end)) {
            if (source)
                s.addSrcTerminator(free->at);
            else
                s.addDstTerminator(free->at);
            return;
        }
        const auto& element = std::get<QUILL::ImmutableClassObject>(end);
        if (source)
            s.setSrcElement(element);
        else
            s.setDstElement(element);
    }

    VTQuillTest::DiagramBuilder& builder_;
    int blockCount_ = 0;

public:
    VTQUILL::Line line;
};

// The stored vertices of a segment as a list, for comparisons.
inline std::vector<Point> verticesOf(const VTQUILL::ImmutableSegment& segment) {
    return segment.getPath().points();
}

// Every segment is reachable from the first through shared joints.
inline bool isOnePiece(const VTQUILL::Line& line) {
    const auto segments = line.getSegments();
    if (segments.empty())
        return true;
    std::set<QUILL::ObjectId> seen{segments.front().getObjectId()};
    std::vector<VTQUILL::Segment> pending{segments.front()};
    while (!pending.empty()) {
        const VTQUILL::Segment s = pending.back();
        pending.pop_back();
        for (const auto& end : {s.getSrcElement(), s.getDstElement()}) {
            const VTQUILL::SolderJoint joint(end);
            if (!joint.isValid())
                continue;
            for (const auto& edge : joint.getEdges()) {
                if (seen.insert(edge.getObjectId()).second)
                    pending.push_back(VTQUILL::Segment(edge));
            }
        }
    }
    return seen.size() == segments.size();
}

}  // namespace VantorTest
