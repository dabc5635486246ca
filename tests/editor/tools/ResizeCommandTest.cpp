#include "tools/ResizeCommand.h"

#include <gtest/gtest.h>

#include "quill/Transaction.h"
#include "support/BlockDiagramBuilder.h"

namespace {

using Point = PARR::GLPoint<double>;
using TestSupport::BlockDiagramBuilder;

void resize(const BlockDiagramBuilder& b, const DOVE2::DiagramElement& element,
            const Point& position, const Point& size) {
    const auto command = Vantor::ResizeCommand::create(b.model(), element);
    command->setTarget(position, size);
    PARR::ErrorHolder errors;
    QUILL::Transaction transaction(b.model());
    command->execute(errors);
    transaction.commit();
}

TEST(ResizeCommand, SpreadsThePortsOfASideEvenlyInTheOrderTheBlockHoldsThem) {
    BlockDiagramBuilder b;
    const VTQUILL::Block block = b.block("Mux", {0, 0, 40, 30});
    const VTQUILL::Port first = b.port(block, VTQUILL::kInPort, {0, 0}, 180);
    const VTQUILL::Port second = b.port(block, VTQUILL::kInPort, {0, 5}, 180);
    const VTQUILL::Port third = b.port(block, VTQUILL::kInPort, {0, 9}, 180);
    const VTQUILL::Port up = b.port(block, VTQUILL::kConnectionPort, {3, 0}, 90);
    const VTQUILL::Port slanted = b.port(block, VTQUILL::kOutPort, {40, 7}, 45);

    resize(b, DOVE2::DiagramElement(block), {5, 5}, {40, 60});

    EXPECT_EQ(first.getPosition(), (Point{0, 10}));
    EXPECT_EQ(second.getPosition(), (Point{0, 30}));
    EXPECT_EQ(third.getPosition(), (Point{0, 50}));
    EXPECT_EQ(up.getPosition(), (Point{20, 0}));
    EXPECT_EQ(slanted.getPosition(), (Point{40, 7}));
    EXPECT_EQ(block.getPosition(), (Point{5, 5}));
}

TEST(ResizeCommand, AnElementThatIsNotABlockGetsOnlyItsPositionAndSize) {
    BlockDiagramBuilder b;
    const VTQUILL::Annotation note = b.annotation("note", {0, 0, 50, 20});

    resize(b, DOVE2::DiagramElement(note), {10, 10}, {80, 30});

    EXPECT_EQ(note.getPosition(), (Point{10, 10}));
    EXPECT_EQ(note.getSize(), (Point{80, 30}));
}

}  // namespace
