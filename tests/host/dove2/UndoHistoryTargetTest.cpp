#include "dove2/UndoHistoryTarget.h"

#include <gtest/gtest.h>

#include "HistoryTestModel.h"

using namespace Dove2Test;
using DOVE2::UndoHistory;
using DOVE2::UndoHistoryTarget;
using PARR::ErrorHolder;

namespace {

// Two editors of one model, each with its own view instance.
class UndoHistoryTargetTest : public ::testing::Test {
protected:
    UndoHistoryTargetTest()
        : view(builder.item("a", 1).item("b", 2).model().createWorkingCopy()),
          otherView(builder.model().createWorkingCopy()),
          editor(UndoHistory::forModel(view), view),
          otherEditor(UndoHistory::forModel(otherView), otherView) {}

    const QUILL::Model& root() const { return builder.model(); }
    bool process(UndoHistoryTarget& target, const PARR::Holder<DOVE2::Command>& command) {
        ErrorHolder errors;
        const bool ran = target.processCommand(command, errors);
        EXPECT_FALSE(errors.hasError()) << errors.message();
        return ran;
    }

    ModelBuilder builder;
    QUILL::Model view;
    QUILL::Model otherView;
    UndoHistoryTarget editor;
    UndoHistoryTarget otherEditor;
};

// Leaves a preview in `instance` as a tool in mid-gesture does.
void leavePreview(const QUILL::Model& instance, const QUILL::ImmutableClassObject& item,
                  int value) {
    QUILL::Transaction t(instance);
    QUILL::ClassObject(item).asDeviant(instance).set(HistoryTypes::get().value, value);
    t.commit();
}

// Keeps the ids each report on the view names as modified, one list per report.
struct ModifiedLog : QUILL::ListenerBase {
    explicit ModifiedLog(const QUILL::Model& instance) { instance.registerModifierOnCommit(this); }
    void onCommit(const QUILL::ReportOfChanges<>& report) override {
        std::vector<QUILL::ObjectId> ids;
        for (const auto& o : report.getModified())
            ids.push_back(o.getObjectId());
        reports.push_back(ids);
    }
    std::vector<std::vector<QUILL::ObjectId>> reports;
};

TEST_F(UndoHistoryTargetTest, ProcessingDropsThePreviewsBeforeTheCommandRuns) {
    leavePreview(view, builder.find("a"), 77);
    ModifiedLog log(view);

    process(editor, setValueCommand(root(), builder.find("b"), 20));

    const QUILL::ObjectId a = builder.find("a").getObjectId();
    const QUILL::ObjectId b = builder.find("b").getObjectId();
    EXPECT_EQ(log.reports, (std::vector<std::vector<QUILL::ObjectId>>{{a}, {b}}));
    EXPECT_EQ(builder.find("a").get<std::int64_t>(HistoryTypes::get().value), 1);
}

TEST_F(UndoHistoryTargetTest, TheViewShowsTheRootAgainAfterProcessing) {
    leavePreview(view, builder.find("a"), 77);

    process(editor, setValueCommand(root(), builder.find("a"), 10));

    EXPECT_EQ(builder.find("a").asDeviant(view).get<std::int64_t>(HistoryTypes::get().value), 10);
    EXPECT_FALSE(view.getDeviant().ownEntryCount());
}

TEST_F(UndoHistoryTargetTest, PreviewsNeverReachTheRootOrTheHistory) {
    const ModelState rootBefore = stateOf(root());

    leavePreview(view, builder.find("a"), 77);
    editor.dropPreviews();

    EXPECT_EQ(stateOf(root()), rootBefore);
    EXPECT_FALSE(editor.canUndo());
    EXPECT_FALSE(editor.isDirty());
}

TEST_F(UndoHistoryTargetTest, EditorsOfOneModelShareUndoAndTheDirtyFlag) {
    process(editor, setValueCommand(root(), builder.find("a"), 10, "Move"));

    EXPECT_TRUE(otherEditor.isDirty());
    EXPECT_TRUE(otherEditor.canUndo());
    EXPECT_EQ(otherEditor.undoText(), "Move");

    otherEditor.undo();
    EXPECT_FALSE(editor.isDirty());
    EXPECT_EQ(editor.redoText(), "Move");
    EXPECT_EQ(builder.find("a").get<std::int64_t>(HistoryTypes::get().value), 1);
}

TEST_F(UndoHistoryTargetTest, UndoAndRedoDropThePreviewsFirst) {
    process(editor, setValueCommand(root(), builder.find("a"), 10));
    leavePreview(view, builder.find("b"), 77);

    editor.undo();
    EXPECT_EQ(stateOf(view), stateOf(root()));

    leavePreview(view, builder.find("b"), 78);
    editor.redo();
    EXPECT_EQ(stateOf(view), stateOf(root()));
    EXPECT_EQ(builder.find("a").get<std::int64_t>(HistoryTypes::get().value), 10);
}

TEST_F(UndoHistoryTargetTest, IsDirtyMeansUnsavedChanges) {
    EXPECT_FALSE(editor.isDirty());
    process(editor, setValueCommand(root(), builder.find("a"), 10));
    EXPECT_TRUE(editor.isDirty());

    editor.getHistory()->setClean();
    EXPECT_FALSE(editor.isDirty());

    editor.undo();
    EXPECT_TRUE(editor.isDirty());
}

TEST_F(UndoHistoryTargetTest, TextsAreEmptyWhenThereIsNothingToApply) {
    EXPECT_EQ(editor.undoText(), "");
    EXPECT_EQ(editor.redoText(), "");
}

TEST_F(UndoHistoryTargetTest, UndoWithNothingToUndoChangesNothing) {
    leavePreview(view, builder.find("a"), 77);

    editor.undo();
    editor.redo();

    EXPECT_EQ(builder.find("a").asDeviant(view).get<std::int64_t>(HistoryTypes::get().value), 77);
}

TEST(UndoHistoryTargetWithoutHistory, RefusesCommandsAndIsNeverDirty) {
    ModelBuilder builder;
    builder.item("a", 1);
    UndoHistoryTarget target(nullptr);
    ErrorHolder errors;

    EXPECT_FALSE(
        target.processCommand(setValueCommand(builder.model(), builder.find("a"), 5), errors));

    ASSERT_TRUE(errors.hasError());
    EXPECT_EQ(errors.getError()->identifier(), "DOVE2_ModelClosed");
    EXPECT_FALSE(target.isDirty());
    EXPECT_FALSE(target.canUndo());
    EXPECT_EQ(builder.find("a").get<std::int64_t>(HistoryTypes::get().value), 1);
}

}  // namespace
