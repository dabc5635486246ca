#include "StudioScenario.h"

#include <gtest/gtest.h>

#include <QFile>

#include "OpenModels.h"

namespace {

std::string fileText(const std::string& path) {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

// The studio benchmark's steps on a small model, checking what each did.
TEST(StudioScenario, TheBenchmarkStepsDoWhatTheySayOnAHundredBlocks) {
    StudioTest::StudioScenario scenario(100);
    const std::string saved = fileText(scenario.path());
    scenario.launch();
    EXPECT_TRUE(scenario.lastStepPainted());
    const VTQUILL::ImmutableDiagram diagram(scenario.editor().getDiagram());
    const std::size_t blocks = diagram.getBlocks().size();
    ASSERT_GT(blocks, 50u);

    // Each step is timed to the canvas painted: it must paint.
    scenario.selectAll();
    EXPECT_TRUE(scenario.lastStepPainted());
    EXPECT_GE(scenario.editor().getSelection().size(), blocks);
    scenario.deleteAll();
    EXPECT_TRUE(scenario.lastStepPainted());
    EXPECT_EQ(diagram.getBlocks().size(), 0u);
    EXPECT_EQ(diagram.getLines().size(), 0u);
    scenario.undo();
    EXPECT_TRUE(scenario.lastStepPainted());
    EXPECT_EQ(diagram.getBlocks().size(), blocks);

    const auto before = diagram.getBlocks().front().getPosition();
    scenario.dragStep();  // a drag, released and undone
    EXPECT_TRUE(scenario.paintedDragStep());
    EXPECT_EQ(diagram.getBlocks().front().getPosition(), before);
    scenario.moveSelection();
    EXPECT_TRUE(scenario.lastStepPainted());
    EXPECT_NE(diagram.getBlocks().front().getPosition(), before);
    EXPECT_NE(diagram.getBlocks().back().getPosition(), before);
    scenario.undo();
    EXPECT_EQ(diagram.getBlocks().front().getPosition(), before);

    scenario.save();
    EXPECT_EQ(fileText(scenario.path()), saved);  // everything undone: the same file
    scenario.quit();
}

}  // namespace
