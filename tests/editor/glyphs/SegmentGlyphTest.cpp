#include "glyphs/SegmentGlyph.h"

#include <gtest/gtest.h>

#include "GlyphTestScene.h"
#include "application/Application.h"
#include "rook2/ClosedLinearPathNode.h"
#include "rook2/OpenLinearPathNode.h"
#include "support/BlockDiagramBuilder.h"

namespace {

using GlyphTest::GlyphTestScene;
using TestSupport::BlockDiagramBuilder;
using Point = PARR::GLPoint<double>;

const PARR::Color kBlack(0, 0, 0, 1);
const PARR::Color kRed(1, 0, 0, 1);

class SegmentGlyphTest : public ::testing::Test {
protected:
    ROOK2::OpenLinearPathNode& polyline(const VTQUILL::Segment& segment) {
        auto* node = dynamic_cast<ROOK2::OpenLinearPathNode*>(view.nodeOf(segment));
        EXPECT_NE(node, nullptr);
        return *node;
    }
    // A segment from `src` whose destination is a free end of `type` at `at`.
    VTQUILL::Segment toFreeEnd(const VTQUILL::Port& src, const Point& at, const std::string& type) {
        return b.edit([&] {
            VTQUILL::Segment s = b.diagram().addLine(VTQUILL::kSignalLine).addSegment();
            s.setSrcElement(src);
            s.addDstTerminator(at).setType(type);
            return s;
        });
    }
    static Point at(const QUILL::ImmutableClassObject& element) {
        return Vantor::Application::getAbsolutePosition(DOVE2::GraphElement(element));
    }

    BlockDiagramBuilder b;
    VTQUILL::Block source = b.block("A", {0, 0, 40, 30});
    VTQUILL::Block target = b.block("B", {100, 40, 40, 30});
    VTQUILL::Port out = b.outPort(source);
    VTQUILL::Port in = b.inPort(target);
    GlyphTestScene view{b.diagram()};
};

TEST_F(SegmentGlyphTest, RunsFromSourceThroughItsVerticesToDestinationWithAnArrowheadAtAnInPort) {
    const VTQUILL::Segment segment = b.connect(out, in);
    b.edit([&] {
        segment.setPath(PARR::Path{{70, at(out).y}, {70, at(in).y}});
        return 0;
    });

    ROOK2::OpenLinearPathNode& line = polyline(segment);
    EXPECT_EQ(line.getPoints(),
              (std::vector<Point>{at(out), {70, at(out).y}, {70, at(in).y}, at(in)}));
    EXPECT_EQ(line.getStroke().color(), kBlack);
    EXPECT_EQ(line.getStroke().style(), ROOK2::Stroke::Solid);
    EXPECT_TRUE(line.getStartDecoration().isEmpty());
    const auto* head =
        dynamic_cast<ROOK2::ClosedLinearPathNode*>(line.getEndDecoration().node().get());
    ASSERT_TRUE(head);
    EXPECT_EQ(head->getPoints(), (std::vector<Point>{{0, 0}, {-8, -4}, {-8, 4}}));
    EXPECT_EQ(head->getFill().color(), kBlack);
}

TEST_F(SegmentGlyphTest, AFreeDestinationEndIsMarkedRedAndDashedWithAChevronForAnOutPortEnd) {
    const VTQUILL::Segment plain = toFreeEnd(out, {80, 15}, VTQUILL::kInPort);
    const VTQUILL::Segment outEnd = toFreeEnd(b.outPort(source), {80, 25}, VTQUILL::kOutPort);

    for (const VTQUILL::Segment& segment : {plain, outEnd}) {
        EXPECT_EQ(polyline(segment).getStroke().color(), kRed);
        EXPECT_EQ(polyline(segment).getStroke().style(), ROOK2::Stroke::Dashed);
    }
    EXPECT_TRUE(polyline(plain).getEndDecoration().isEmpty());
    const auto* chevron =
        dynamic_cast<ROOK2::OpenLinearPathNode*>(polyline(outEnd).getEndDecoration().node().get());
    ASSERT_TRUE(chevron);
    EXPECT_EQ(chevron->getPoints(), (std::vector<Point>{{-5, -5}, {0, 0}, {-5, 5}}));
    EXPECT_EQ(chevron->getStroke().color(), kRed);
}

TEST_F(SegmentGlyphTest, AFreeSourceEndMarksTheWholeSegmentAndAnInPortEndGetsAChevron) {
    const VTQUILL::Segment segment = b.edit([&] {
        VTQUILL::Segment s = b.diagram().addLine(VTQUILL::kSignalLine).addSegment();
        s.addSrcTerminator({60, 55}).setType(VTQUILL::kInPort);
        s.setDstElement(in);
        return s;
    });

    ROOK2::OpenLinearPathNode& line = polyline(segment);
    EXPECT_EQ(line.getStroke().style(), ROOK2::Stroke::Dashed);
    const auto* chevron =
        dynamic_cast<ROOK2::OpenLinearPathNode*>(line.getStartDecoration().node().get());
    ASSERT_TRUE(chevron);
    EXPECT_EQ(chevron->getPoints(), (std::vector<Point>{{5, -5}, {0, 0}, {5, 5}}));
    EXPECT_TRUE(dynamic_cast<ROOK2::ClosedLinearPathNode*>(line.getEndDecoration().node().get()));
}

TEST_F(SegmentGlyphTest, DecorationsGoWhenTheEndThatCalledForThemIsConnected) {
    const VTQUILL::Segment segment = toFreeEnd(out, {80, 15}, VTQUILL::kOutPort);
    b.edit([&] {
        segment.setDstElement(in);
        return 0;
    });

    ROOK2::OpenLinearPathNode& line = polyline(segment);
    EXPECT_EQ(line.getStroke().style(), ROOK2::Stroke::Solid);
    EXPECT_TRUE(dynamic_cast<ROOK2::ClosedLinearPathNode*>(line.getEndDecoration().node().get()));
}

TEST_F(SegmentGlyphTest, AnEndAttachedToNothingIsLeftOutOfTheDrawing) {
    const VTQUILL::Segment segment = b.edit([&] {
        VTQUILL::Segment s = b.diagram().addLine(VTQUILL::kSignalLine).addSegment();
        s.setSrcElement(out);
        s.setPath(PARR::Path{{70, at(out).y}, {70, 60}});
        return s;
    });

    ROOK2::OpenLinearPathNode& line = polyline(segment);
    EXPECT_EQ(line.getPoints(), (std::vector<Point>{at(out), {70, at(out).y}, {70, 60}}));
    EXPECT_EQ(line.getStroke().style(), ROOK2::Stroke::Solid);
    EXPECT_TRUE(line.getEndDecoration().isEmpty());
}

}  // namespace
