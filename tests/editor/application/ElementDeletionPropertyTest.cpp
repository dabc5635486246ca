#include <gtest/gtest.h>
#include <rapidcheck/gtest.h>

#include <vector>

#include "LineSketch.h"
#include "RandomLineTree.h"
#include "application/Application.h"

using Vantor::Application;
using VantorTest::isOnePiece;
using VantorTest::LineSketch;
using VantorTest::RandomLineTree;
using VTQuillTest::DiagramBuilder;

RC_GTEST_PROP(ElementDeletionProperty, EveryRemainingLineIsOneNonEmptyPiece, ()) {
    DiagramBuilder builder;
    std::vector<std::unique_ptr<LineSketch>> sketches;
    const int lines = *rc::gen::inRange(1, 4);
    for (int i = 0; i < lines; ++i) {
        sketches.push_back(std::make_unique<LineSketch>(
            builder,
            *rc::gen::element<std::string>(VTQUILL::kSignalLine, VTQUILL::kConnectionLine)));
        RandomLineTree(*sketches.back()).grow();
    }
    std::vector<DOVE2::DiagramElement> candidates;
    for (const auto& block : builder.diagram.getBlocks())
        candidates.push_back(block);
    for (const auto& line : builder.diagram.getLines()) {
        for (const auto& segment : line.getSegments())
            candidates.push_back(segment);
    }
    PARR::GSet<DOVE2::DiagramElement> doomed;
    for (const auto& candidate : candidates) {
        if (*rc::gen::inRange(0, 4) == 0)
            doomed.insert(candidate);
    }

    Application::deleteElements(doomed);

    for (const auto& line : builder.diagram.getLines()) {
        RC_ASSERT(!line.getSegments().empty());
        RC_ASSERT(isOnePiece(line));
        for (const auto& s : line.getSegments()) {
            RC_ASSERT(DOVE2::GraphElement(s.getSrcElement()).isValid());
            RC_ASSERT(DOVE2::GraphElement(s.getDstElement()).isValid());
        }
    }
    for (const auto& element : doomed)
        RC_ASSERT(!element.isValid());
}
