#include <gtest/gtest.h>

#include "host/vtquill/DiagramBuilder.h"
#include "vtquill/file/ModelSummary.h"

using namespace VTQUILL;
using File::ModelSummary;

TEST(ModelSummaryTest, CountsEveryElementOfEveryDiagram) {
    VTQuillTest::DiagramBuilder b("counted");
    const Block a = b.block("Gain", "A");
    b.connect(b.out(a), {});
    const Block sub = b.block("Subsystem", "S", {100, 0});
    const Diagram inner = sub.addSubsystemDiagram();
    const Block deep = inner.addBlock("Gain", "Deep");
    deep.addPort(kInPort, {0, 15}, 180);
    inner.addAnnotation("note");
    const Line line = inner.addLine(kSignalLine);
    line.addSolderJoint({5, 5});
    line.addSegment().addLabel(0);
    b.commit();

    const ModelSummary s = ModelSummary::of(b.model);

    EXPECT_EQ(s.name, "counted");
    EXPECT_EQ(s.diagrams, 2u);
    EXPECT_EQ(s.blocks, 3u);
    EXPECT_EQ(s.ports, 2u);
    EXPECT_EQ(s.lines, 2u);
    EXPECT_EQ(s.segments, 2u);
    EXPECT_EQ(s.joints, 1u);
    EXPECT_EQ(s.terminators, 1u);
    EXPECT_EQ(s.labels, 1u);
    EXPECT_EQ(s.annotations, 1u);
    EXPECT_EQ(s.elements(), 15u);
    EXPECT_EQ(s.toString(), "\"counted\": 2 diagrams, 3 blocks, 2 lines, 2 segments");
}
