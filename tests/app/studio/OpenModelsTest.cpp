#include "OpenModels.h"

#include <gtest/gtest.h>

#include "dove2/QUILLCommand.h"
#include "vtquill/InitializeDatamodel.h"

namespace {

using VantorStudio::OpenModel;
using VantorStudio::OpenModels;

// A root transaction recorded on the model's undo history: renames the top diagram.
bool recordRename(const OpenModel& model, const std::string& name) {
    PARR::Holder<DOVE2::QUILLCommand> command(new DOVE2::QUILLCommand(model.root, "Rename"));
    command->addAction([name](const QUILL::Model& m, PARR::ErrorHolder&) {
        VTQUILL::Model(m).getDiagrams().front().setName(name);
    });
    PARR::ErrorHolder errors;
    return model.history->process(command, errors);
}

class OpenModelsTest : public ::testing::Test {
protected:
    OpenModelsTest() { initialize_vt_datamodel(); }

    VTQUILL::Model newModel(const std::string& name) {
        return VTQUILL::Factory::createNewModel(name);
    }

    OpenModels models;
};

TEST_F(OpenModelsTest, KeepsModelsInTheOrderOpenedAndFindsThemFromAnyInstance) {
    OpenModel& a = models.add(newModel("a"), "/tmp/a.vtm");
    OpenModel& b = models.add(newModel("b"), "");
    ASSERT_EQ(models.all(), (std::vector<OpenModel*>{&a, &b}));
    const QUILL::Model copy = b.root.createWorkingCopy();
    EXPECT_EQ(models.find(copy), &b);
    EXPECT_EQ(models.find(QUILL::ImmutableModel()), nullptr);
}

TEST_F(OpenModelsTest, FindsAModelByItsFileWhateverTheSpellingOfThePath) {
    OpenModel& a = models.add(newModel("a"), "/tmp/studio-test/a.vtm");
    models.add(newModel("b"), "");
    EXPECT_EQ(models.findByFile("/tmp/studio-test/./sub/../a.vtm"), &a);
    EXPECT_EQ(models.findByFile("/tmp/studio-test/b.vtm"), nullptr);
    EXPECT_EQ(models.findByFile(""), nullptr);
}

TEST_F(OpenModelsTest, RemovingAModelClosesIt) {
    OpenModel& a = models.add(newModel("a"), "");
    const VTQUILL::Model root = a.root;
    EXPECT_TRUE(models.remove(root));
    EXPECT_FALSE(root.isValid());
    EXPECT_TRUE(models.empty());
    EXPECT_FALSE(models.remove(root));
}

TEST_F(OpenModelsTest, DestroyingTheListClosesItsModels) {
    VTQUILL::Model root;
    {
        OpenModels list;
        root = list.add(newModel("a"), "").root;
    }
    EXPECT_FALSE(root.isValid());
}

TEST_F(OpenModelsTest, AModelClosedElsewhereLeavesTheListAndIsTold) {
    OpenModel& a = models.add(newModel("a"), "");
    models.add(newModel("b"), "");
    std::vector<std::string> told;
    models.setClosedElsewhereCallback([&told](const OpenModel&) { told.push_back("closed"); });
    a.root.close();
    EXPECT_EQ(told.size(), 1u);
    ASSERT_EQ(models.size(), 1u);
    EXPECT_EQ(models.all().front()->name(), "b");
}

TEST_F(OpenModelsTest, TellsOfEveryChangeOfAModelsUndoHistoryAndKnowsWhenItIsDirty) {
    OpenModel& a = models.add(newModel("a"), "");
    int told = 0;
    models.setHistoryChangedCallback([&told, &a](const OpenModel& m) {
        EXPECT_EQ(&m, &a);
        ++told;
    });
    EXPECT_FALSE(a.isDirty());
    ASSERT_TRUE(recordRename(a, "renamed"));
    EXPECT_EQ(told, 1);
    EXPECT_TRUE(a.isDirty());
    a.history->setClean();
    EXPECT_EQ(told, 2);
    EXPECT_FALSE(a.isDirty());
}

TEST_F(OpenModelsTest, NewModelsTakeTheFirstUntitledNameNoOpenModelCarries) {
    EXPECT_EQ(OpenModels::nextUntitledName(), "untitled");
    const VTQUILL::Model first = models.add(newModel("untitled"), "").root;
    EXPECT_EQ(OpenModels::nextUntitledName(), "untitled1");
    models.add(newModel("untitled1"), "");
    EXPECT_EQ(OpenModels::nextUntitledName(), "untitled2");
    models.remove(first);
    EXPECT_EQ(OpenModels::nextUntitledName(), "untitled");
}

}  // namespace
