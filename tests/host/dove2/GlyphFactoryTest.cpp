#include "dove2/GlyphFactory.h"

#include <gtest/gtest.h>

#include "../rook2/QtTestApplication.h"
#include "../vtquill/DiagramBuilder.h"
#include "GlyphTestSupport.h"
#include "dove2/DI.h"
#include "dove2/NullGlyph.h"
#include "dove2/PolylineGlyph.h"
#include "dove2/RectangleGlyph.h"
#include "rook2/ContainerNode.h"
#include "rook2/OpenLinearPathNode.h"
#include "rook2/RectNode.h"
#include "rook2/Scene.h"

using namespace Dove2Test;
using DOVE2::Glyph;
using PARR::GLPoint;

namespace {

class GlyphFactoryTest : public ::testing::Test {
protected:
    GlyphFactoryTest() {
        rook2test::qtApplication();
        gain = b.block("Gain", "G", {10, 20}, {30, 40});
        sum = b.block("Sum", "S", {100, 60});
        out = b.port(gain, VTQUILL::kOutPort, {30, 20});
        in = b.port(sum, VTQUILL::kInPort, {0, 15});
        out.setSize({0, 0});
        in.setSize({0, 0});
        segment = b.connect(out, in);
        b.commit();
    }
    PARR::Holder<Glyph> placed(PARR::Holder<Glyph> glyph) {
        glyph->setScene(&scene);
        glyph->create();
        glyph->update();
        return glyph;
    }

    VTQuillTest::DiagramBuilder b;
    ROOK2::Scene scene;
    DOVE2::GlyphFactory factory;
    VTQUILL::Block gain, sum;
    VTQUILL::Port out, in;
    VTQUILL::Segment segment;
};

// --- choosing the glyph --------------------------------------------------------------------

TEST_F(GlyphFactoryTest, DrawsANodeAsARectangle) {
    EXPECT_TRUE(dynamic_cast<DOVE2::RectangleGlyph*>(factory.create(gain).get()));
    EXPECT_TRUE(dynamic_cast<DOVE2::RectangleGlyph*>(factory.create(out).get()));
}

TEST_F(GlyphFactoryTest, DrawsAnEdgeAsAPolyline) {
    EXPECT_TRUE(dynamic_cast<DOVE2::PolylineGlyph*>(factory.create(segment).get()));
}

TEST_F(GlyphFactoryTest, GivesNoGlyphForAnInvalidHandle) {
    EXPECT_FALSE(factory.create(DOVE2::DiagramElement()));
    EXPECT_FALSE(factory.makeGlyph(DOVE2::DiagramElement()));
}

TEST_F(GlyphFactoryTest, APlainFactoryMakesTheGenericGlyph) {
    EXPECT_TRUE(dynamic_cast<DOVE2::PolylineGlyph*>(factory.makeGlyph(segment).get()));
}

TEST_F(GlyphFactoryTest, AVisitingFactoryMakesTheGlyphOfItsTableEntry) {
    RecordingGlyphFactory visiting;
    const VTQUILL::Line line(segment.getContainer());

    EXPECT_TRUE(dynamic_cast<DOVE2::NullGlyph*>(visiting.makeGlyph(line).get()));
    EXPECT_TRUE(dynamic_cast<RecordingGlyph*>(visiting.makeGlyph(segment).get()));
}

TEST_F(GlyphFactoryTest, MakesAFreshGlyphOnEachCall) {
    EXPECT_NE(factory.create(gain), factory.create(gain));
}

// --- the generic rectangle -----------------------------------------------------------------

TEST_F(GlyphFactoryTest, TheRectangleTakesTheElementsPositionAndSize) {
    const PARR::Holder<Glyph> glyph = placed(factory.create(gain));

    const auto* rect = dynamic_cast<ROOK2::RectNode*>(glyph->getRoot().get());
    ASSERT_TRUE(rect);
    EXPECT_EQ(rect->getPosition(), (GLPoint<double>{10, 20}));
    EXPECT_EQ(rect->getRect(), (PARR::GLRect<double>{0, 0, 30, 40}));
}

TEST_F(GlyphFactoryTest, TheRectangleCanBeSelectedAndMoved) {
    const PARR::Holder<Glyph> glyph = placed(factory.create(gain));

    EXPECT_TRUE(glyph->isSelectable());
    EXPECT_TRUE(glyph->isMovable());
}

TEST_F(GlyphFactoryTest, TheRectangleFollowsAResize) {
    const PARR::Holder<Glyph> glyph = placed(factory.create(gain));

    gain.setSize({50, 10});
    glyph->update();

    EXPECT_EQ(dynamic_cast<ROOK2::RectNode&>(*glyph->getRoot()).getRect(),
              (PARR::GLRect<double>{0, 0, 50, 10}));
}

// --- the generic polyline ------------------------------------------------------------------

TEST_F(GlyphFactoryTest, ThePolylineRunsThroughTheEdgesPointsInSceneCoordinates) {
    const PARR::Holder<Glyph> glyph = placed(factory.create(segment));

    const auto& line = dynamic_cast<ROOK2::OpenLinearPathNode&>(*glyph->getRoot());
    const std::vector<GLPoint<double>> expected{{40, 40}, {100, 75}};
    EXPECT_EQ(line.getPoints(), expected);
}

TEST_F(GlyphFactoryTest, ThePolylineStaysInPlaceUnderAMovedParent) {
    const PARR::Holder<Glyph> glyph = placed(factory.create(segment));
    const auto parent = scene.createNode<ROOK2::ContainerNode>();
    parent->setPosition({100, 50});

    glyph->getRoot()->setParent(parent);
    glyph->update();

    const auto& line = dynamic_cast<ROOK2::OpenLinearPathNode&>(*glyph->getRoot());
    ASSERT_EQ(line.getPoints().size(), 2u);
    EXPECT_EQ(line.mapToScene(line.getPoints()[0]), (GLPoint<double>{40, 40}));
    EXPECT_EQ(line.mapToScene(line.getPoints()[1]), (GLPoint<double>{100, 75}));
}

}  // namespace
