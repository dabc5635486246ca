#include <gtest/gtest.h>

#include "LibraryModel.h"
#include "RecordingRenderer.h"
#include "vtdove/BlockPainter.h"
#include "vtdove/TranslatingRenderer.h"

using namespace VTQUILL;
using VTDove::paintBlockGraphics;
using VTDoveTest::LibraryModel;
using VTDoveTest::RecordingRenderer;

TEST(BlockPainterTest, IconsAreDrawnInDiagramCoordinates) {
    LibraryModel m;
    const Block c = m.add("Constant", "C", {100, 50});
    RecordingRenderer r;
    paintBlockGraphics(c, r);
    EXPECT_TRUE(r.has("drawRect 100 50 30 30"));
    EXPECT_TRUE(r.has("drawText 1 @ 115 65"));
    RecordingRenderer throughBlock;  // the block's own accessor draws the same
    ImmutableBlock(c).paintBlockGraphics(throughBlock);
    EXPECT_TRUE(throughBlock.has("drawRect 100 50 30 30"));
}

TEST(BlockPainterTest, AGainShowsATriangleAndItsGain) {
    LibraryModel m;
    const Block g = m.add("Gain", "G");
    m.edit([&] { g.setParameter("Gain", "2.5"); });
    RecordingRenderer r;
    paintBlockGraphics(g, r);
    EXPECT_TRUE(r.has("fillPolygon 3"));
    EXPECT_TRUE(r.hasPrefix("drawText 2.5 @"));
    m.edit([&] { g.setParameter("Gain", "[1 2 3 4 5]"); });
    RecordingRenderer longGain;
    paintBlockGraphics(g, longGain);
    EXPECT_TRUE(longGain.hasPrefix("drawText K @"));
}

TEST(BlockPainterTest, AnIntegratorShowsOneOverS) {
    LibraryModel m;
    RecordingRenderer r;
    paintBlockGraphics(m.add("Integrator", "I"), r);
    EXPECT_TRUE(r.hasPrefix("drawText 1 @"));
    EXPECT_TRUE(r.hasPrefix("drawText s @"));
    EXPECT_LT(r.indexOf("drawText 1 @"), r.indexOf("drawText s @"));
}

TEST(BlockPainterTest, ASineDrawsACurveThatSwingsAboutTheMiddle) {
    LibraryModel m;
    const Block s = m.add("Sine", "S", {10, 10});
    RecordingRenderer r;
    paintBlockGraphics(s, r);
    ASSERT_FALSE(r.polylines.empty());
    const auto& curve = r.polylines.back();
    ASSERT_GT(curve.size(), 10u);
    const double middle = 10 + s.getSize().y / 2;
    bool above = false;
    bool below = false;
    for (const auto& p : curve) {
        above = above || p.y < middle - 1;
        below = below || p.y > middle + 1;
    }
    EXPECT_TRUE(above && below);
}

TEST(BlockPainterTest, ASubsystemLabelsItsPortsWithTheInnerBlockNames) {
    LibraryModel m;
    RecordingRenderer r;
    paintBlockGraphics(m.add("Subsystem", "Sub"), r);
    const std::size_t begin = r.indexOf("beginPortLabels");
    const std::size_t end = r.indexOf("endPortLabels");
    ASSERT_LT(begin, end);
    const std::size_t in = r.indexOf("drawText In1");
    const std::size_t out = r.indexOf("drawText Out1");
    EXPECT_TRUE(begin < in && in < end);
    EXPECT_TRUE(begin < out && out < end);
}

TEST(BlockPainterTest, ASubsystemFrameIsTwoNestedRectangles) {
    LibraryModel m;
    RecordingRenderer r;
    paintBlockGraphics(m.add("Subsystem", "Sub"), r);
    EXPECT_TRUE(r.has("drawRect 0 0 60 40"));
    EXPECT_TRUE(r.has("drawRect 1 1 58 38"));
}

TEST(BlockPainterTest, AnUnknownTypeGetsAFrameAndItsTypeName) {
    LibraryModel m;
    Block b;
    m.edit([&] {
        b = m.diagram.addBlock("Mystery", "X");
        b.setPosition({5, 6});
        b.setSize({40, 20});
    });
    RecordingRenderer r;
    paintBlockGraphics(b, r);
    EXPECT_TRUE(r.has("drawRect 5 6 40 20"));
    EXPECT_TRUE(r.has("drawText Mystery @ 25 16"));
}

TEST(BlockPainterTest, EveryLibraryIconStaysInsideItsBlock) {
    LibraryModel m;
    for (const std::string& type : VTDove::BlockLibrary::instance().typeNames()) {
        const Block b = m.add(type, type, {200, 100});
        RecordingRenderer r;
        paintBlockGraphics(b, r);
        EXPECT_FALSE(r.calls.empty()) << type;
        const auto size = b.getSize();
        for (const auto& line : r.polylines) {
            for (const auto& p : line) {
                EXPECT_TRUE(p.x >= 200 && p.x <= 200 + size.x && p.y >= 100 && p.y <= 100 + size.y)
                    << type << " draws at " << p.x << "," << p.y;
            }
        }
    }
}

TEST(IVantorRendererTest, TheScaledRegionCallsDoNothingByDefault) {
    RecordingRenderer r;
    VantorRenderer::IVantorRenderer& base = r;
    base.beginSS(0, 0, 10, 10);
    base.endSS();
    EXPECT_TRUE(r.calls.empty());
}

TEST(IVantorRendererTest, ColoursArePackedRedFirstAlphaLast) {
    EXPECT_EQ(VantorRenderer::packRgba(0x12, 0x34, 0x56, 0x78), 0x12345678u);
    EXPECT_EQ(VantorRenderer::packRgba(255, 0, 0), 0xFF0000FFu);
}

TEST(TranslatingRendererTest, MovesEveryCoordinateByTheOffset) {
    RecordingRenderer r;
    VTDove::TranslatingRenderer t(r, {10.4, 20.6});
    t.drawRect(1, 2, 3, 4);
    t.lineTo(1, 1);
    t.moveTo({1, 1});
    t.drawPolyline({{0, 0}, {1, 1}});
    EXPECT_EQ(r.calls[0], "drawRect 11.4 22.6 3 4");
    EXPECT_EQ(r.calls[1], "lineTo 11 22");
    EXPECT_EQ(r.current, PARR::GLPoint<double>(11.4, 21.6));
    EXPECT_EQ(r.polylines[0][1], PARR::GLPoint<double>(11.4, 21.6));
}
