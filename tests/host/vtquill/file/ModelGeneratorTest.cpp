#include <gtest/gtest.h>

#include "vtquill/file/ModelFileWriter.h"
#include "vtquill/file/ModelGenerator.h"
#include "vtquill/file/ModelSummary.h"

using namespace VTQUILL;
using File::ModelGenerator;

namespace {

// A generated model, closed at the end of the test.
struct Generated {
    Generated(std::size_t blocks, std::uint32_t seed)
        : model(ModelGenerator::generate("gen", blocks, seed)) {}
    ~Generated() { model.close(); }
    Model model;
};

PARR::GLPoint<double> endPoint(const QUILL::ImmutableClassObject& element) {
    if (const ImmutablePort port(element); port.isValid())
        return port.getContainer().getPosition() + port.getPosition();
    return DOVE2::ImmutableDiagramElement(element).getPosition();
}

// The whole polyline of a segment, end points included, in absolute diagram coordinates.
std::vector<PARR::GLPoint<double>> polyline(const ImmutableSegment& s) {
    std::vector<PARR::GLPoint<double>> points{endPoint(s.getSrcElement())};
    for (const auto& p : s.getPath())
        points.push_back(p);
    points.push_back(endPoint(s.getDstElement()));
    return points;
}

bool onBoundary(const ImmutablePort& port) {
    const auto p = port.getPosition();
    const auto size = port.getContainer().getSize();
    const bool onX = p.x == 0 || p.x == size.x;
    const bool onY = p.y == 0 || p.y == size.y;
    return (onX && p.y >= 0 && p.y <= size.y) || (onY && p.x >= 0 && p.x <= size.x);
}

}  // namespace

TEST(ModelGeneratorTest, TheSameSeedGivesTheSameModel) {
    Generated a(200, 5), b(200, 5), c(200, 6);
    EXPECT_EQ(File::ModelFileWriter::toText(a.model), File::ModelFileWriter::toText(b.model));
    EXPECT_NE(File::ModelFileWriter::toText(a.model), File::ModelFileWriter::toText(c.model));
}

TEST(ModelGeneratorTest, TheModelHasAtLeastTheBlocksAskedForAndEveryKindOfElement) {
    Generated g(400, 3);
    const File::ModelSummary s = File::ModelSummary::of(g.model);
    EXPECT_GE(s.blocks, 400u);
    EXPECT_LT(s.blocks, 420u);
    EXPECT_GT(s.diagrams, 1u) << "some blocks are subsystems";
    EXPECT_GT(s.joints, 0u) << "some lines branch";
    EXPECT_GT(s.terminators, 0u) << "some lines have free ends";
    EXPECT_GT(s.segments, s.lines);
}

TEST(ModelGeneratorTest, EveryRouteIsAxisParallelFromPortToPort) {
    Generated g(300, 11);
    const Diagram top = g.model.getDiagrams().front();
    for (const Line& line : top.getLines()) {
        for (const Segment& s : line.getSegments()) {
            const auto points = polyline(s);
            for (std::size_t i = 1; i < points.size(); ++i) {
                EXPECT_TRUE(points[i].x == points[i - 1].x || points[i].y == points[i - 1].y)
                    << "segment " << s.getObjectId() << " point " << i;
            }
        }
    }
}

TEST(ModelGeneratorTest, EveryPortSitsOnASideOfItsBlock) {
    Generated g(300, 12);
    for (const Block& block : g.model.getDiagrams().front().getBlocks()) {
        for (const Port& port : block.getContained())
            EXPECT_TRUE(onBoundary(port)) << block.getName() << " port " << port.getPortNumber();
    }
}

TEST(ModelGeneratorTest, BlocksDoNotOverlap) {
    Generated g(300, 13);
    const auto blocks = g.model.getDiagrams().front().getBlocks().toVector();
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        for (std::size_t k = i + 1; k < blocks.size(); ++k) {
            const auto a = blocks[i].getPosition(), as = blocks[i].getSize();
            const auto b = blocks[k].getPosition(), bs = blocks[k].getSize();
            const bool apart =
                a.x + as.x <= b.x || b.x + bs.x <= a.x || a.y + as.y <= b.y || b.y + bs.y <= a.y;
            EXPECT_TRUE(apart) << blocks[i].getName() << " overlaps " << blocks[k].getName();
        }
    }
}
