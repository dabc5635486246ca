#include <gtest/gtest.h>

#include "LibraryModel.h"
#include "vtdove/EngineHandles.h"

using namespace VTQUILL;
using VTDoveTest::LibraryModel;

TEST(EngineHandlesTest, ABlockHandleLeadsBackToTheBlock) {
    LibraryModel m;
    const Block g = m.add("Gain", "G");
    vtBlock* engine = getVtBlock(g);
    ASSERT_NE(engine, nullptr);
    EXPECT_EQ(getQUILLBlock(engine, m.model), g);
    EXPECT_TRUE(getQUILLBlock(engine, m.model).isValid());
}

TEST(EngineHandlesTest, HandlesAreStableAndTheSameInEveryInstance) {
    LibraryModel m;
    const Block g = m.add("Gain", "G");
    const Model copy = Model(m.model.createWorkingCopy());
    EXPECT_EQ(getVtBlock(g), getVtBlock(g));
    EXPECT_EQ(getVtBlock(Block(g.asDeviant(copy))), getVtBlock(g));
    EXPECT_EQ(getVtGraph(m.diagram), getVtGraph(m.diagram));
    EXPECT_EQ(getQUILLBlock(getVtBlock(g), copy).getDeviant(), copy.getDeviantPtr());
}

TEST(EngineHandlesTest, DifferentObjectsHaveDifferentHandles) {
    LibraryModel m;
    const Block a = m.add("Gain", "A");
    const Block b = m.add("Gain", "B");
    EXPECT_NE(getVtBlock(a), getVtBlock(b));
    EXPECT_NE(getHandle(a), getHandle(b));
    EXPECT_GT(getHandle(a), 0);
    EXPECT_EQ(getHandle(a), getHandle(a));
    EXPECT_EQ(a.getHandle(), getHandle(a));  // the block's own accessor
}

TEST(EngineHandlesTest, TheNumericHandleLeadsBackToTheBlock) {
    LibraryModel m;
    const Block g = m.add("Gain", "G");
    EXPECT_EQ(getQUILLBlock(getHandle(g), m.model), g);
    EXPECT_FALSE(getQUILLBlock(-1.0, m.model).isValid());
}

TEST(EngineHandlesTest, AHandleOutlivesDeletionSoThatUndoGivesItBack) {
    LibraryModel m;
    const Block g = m.add("Gain", "G");
    vtBlock* before = getVtBlock(g);
    const auto changes = m.edit([&] { g.destroy(); });
    EXPECT_FALSE(getQUILLBlock(before, m.model).isValid());
    m.edit([&] { m.model.applyChanges(*changes, QUILL::Deviant::Direction::Backward); });
    EXPECT_TRUE(g.isValid());
    EXPECT_EQ(getVtBlock(g), before);
}

TEST(EngineHandlesTest, SegmentsAnnotationsAndDiagramsHaveHandlesToo) {
    LibraryModel m;
    const Segment s = m.connect(m.add("Constant", "C"), m.add("Gain", "G"));
    Annotation a;
    m.edit([&] { a = m.diagram.addAnnotation("note"); });
    vtSegment* es = getVtSegment(s);
    vtAnnotation* ea = getVtAnnotation(a);
    vtGraph* eg = getVtGraph(m.diagram);
    ASSERT_TRUE(es && ea && eg);
    EXPECT_EQ(es->getObjectId(), s.getObjectId());
    EXPECT_EQ(ea->getObjectId(), a.getObjectId());
    EXPECT_EQ(eg->getDiagram(), m.diagram);
}

TEST(EngineHandlesTest, InvalidObjectsHaveNoHandle) {
    EXPECT_EQ(getVtBlock(Block()), nullptr);
    EXPECT_EQ(getVtGraph(Diagram()), nullptr);
    EXPECT_EQ(getHandle(Block()), 0);
    EXPECT_FALSE(getQUILLBlock(static_cast<vtBlock*>(nullptr), QUILL::ImmutableModel()).isValid());
}

TEST(EngineHandlesTest, AClosedModelsHandlesNoLongerResolve) {
    double handle = 0;
    {
        LibraryModel m;
        handle = getHandle(m.add("Gain", "G"));
    }
    LibraryModel other;
    EXPECT_FALSE(getQUILLBlock(handle, other.model).isValid());
}
