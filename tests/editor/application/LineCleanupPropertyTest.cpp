#include <gtest/gtest.h>
#include <rapidcheck/gtest.h>

#include <cmath>

#include "LineSketch.h"
#include "RandomLineTree.h"
#include "application/Application.h"
#include "application/LineCleanup.h"

using Vantor::Application;
using Vantor::LineCleanup;
using VantorTest::isOnePiece;
using VantorTest::LineSketch;
using VantorTest::Point;
using VantorTest::RandomLineTree;
using VTQuillTest::DiagramBuilder;

namespace {

Point endPosition(const QUILL::ImmutableClassObject& end) {
    return Application::getAbsolutePosition(DOVE2::GraphElement(end));
}

double length(const Point& v) {
    return std::hypot(v.x, v.y);
}

std::size_t freeEnds(const VTQUILL::Line& line) {
    std::size_t count = 0;
    for (const auto& s : line.getSegments()) {
        count += VTQUILL::Terminator(s.getSrcElement()).isValid();
        count += VTQUILL::Terminator(s.getDstElement()).isValid();
    }
    return count;
}

void checkEveryVertexIsABend(const VTQUILL::Segment& s) {
    const PARR::Path& v = s.getPath();
    for (std::size_t i = 0; i < v.size(); ++i) {
        const Point prev = i == 0 ? endPosition(s.getSrcElement()) : v[i - 1];
        const Point next = i + 1 == v.size() ? endPosition(s.getDstElement()) : v[i + 1];
        const Point a = v[i] - prev;
        const Point b = next - v[i];
        if (length(a) == 0 || length(b) == 0)
            continue;
        RC_ASSERT(std::abs(a.y * b.x - b.y * a.x) >= length(a) * length(b) * 1e-12);
    }
}

}  // namespace

RC_GTEST_PROP(LineCleanupProperty, ACleanedTreeIsWellFormedConnectedAndGainsNoFreeEnd, ()) {
    DiagramBuilder builder;
    LineSketch sketch(
        builder, *rc::gen::element<std::string>(VTQUILL::kSignalLine, VTQUILL::kConnectionLine));
    RandomLineTree(sketch).grow();
    const std::size_t freeEndsBefore = freeEnds(sketch.line);

    Application::cleanupLine(sketch.line);

    for (const auto& s : sketch.line.getSegments()) {
        RC_ASSERT(DOVE2::GraphElement(s.getSrcElement()).isValid());
        RC_ASSERT(DOVE2::GraphElement(s.getDstElement()).isValid());
        checkEveryVertexIsABend(s);
    }
    for (const auto& joint : sketch.line.getSolderJoints())
        RC_ASSERT(joint.getEdges().size() >= 3u);
    RC_ASSERT(isOnePiece(sketch.line));
    RC_ASSERT(freeEnds(sketch.line) <= freeEndsBefore);
}
