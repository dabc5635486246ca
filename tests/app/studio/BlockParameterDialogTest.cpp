#include "BlockParameterDialog.h"

#include <gtest/gtest.h>

#include <QPointer>

#include "StudioTestSupport.h"
#include "dove2/UndoHistory.h"
#include "quill/Transaction.h"
#include "vtquill/file/ModelFileReader.h"

namespace {

using VantorStudio::BlockParameterDialog;

class BlockParameterDialogTest : public ::testing::Test {
protected:
    BlockParameterDialogTest() {
        StudioTest::qtApplication();
        auto loaded =
            VTQUILL::File::ModelFileReader().load(StudioTest::examplePath("pid_loop.vtm"));
        model = loaded.model;
        for (const VTQUILL::Block& b : model.getDiagrams().front().getBlocks()) {
            if (b.getName() == "Setpoint")
                step = b;
        }
    }
    ~BlockParameterDialogTest() override {
        delete dialog.data();
        if (model.isValid())
            model.close();
    }

    BlockParameterDialog& openDialog() {
        dialog = new BlockParameterDialog(step);
        return *dialog;
    }
    std::shared_ptr<DOVE2::UndoHistory> history() const {
        return DOVE2::UndoHistory::forModel(model);
    }

    VTQUILL::Model model;
    VTQUILL::Block step;
    QPointer<BlockParameterDialog> dialog;
};

TEST_F(BlockParameterDialogTest, FindsABlockOfAnOpenModelByItsFullPath) {
    ASSERT_TRUE(step.isValid());
    EXPECT_EQ(BlockParameterDialog::findBlock(step.getFullPathName()), step);
    EXPECT_FALSE(BlockParameterDialog::findBlock("pid_loop/NoSuchBlock").isValid());
}

TEST_F(BlockParameterDialogTest, ShowsAFieldPerParameterWithItsValue) {
    BlockParameterDialog& d = openDialog();
    for (const auto& [name, value] : step.getParameters())
        EXPECT_EQ(d.fieldText(name), value) << name;
    EXPECT_FALSE(d.setFieldText("NoSuchParameter", "1"));
}

TEST_F(BlockParameterDialogTest, ApplyingSetsTheChangedParametersInOneUndoableCommand) {
    BlockParameterDialog& d = openDialog();
    const std::string timeBefore = step.getParameter("Time");
    const std::string afterBefore = step.getParameter("After");
    ASSERT_TRUE(d.setFieldText("Time", "2.5"));
    ASSERT_TRUE(d.setFieldText("After", "4"));

    ASSERT_TRUE(d.apply());

    EXPECT_EQ(step.getParameter("Time"), "2.5");
    EXPECT_EQ(step.getParameter("After"), "4");
    ASSERT_EQ(history()->count(), 1u);
    EXPECT_EQ(history()->undoText(), "Undo Edit Parameters");

    PARR::ErrorHolder errors;
    ASSERT_TRUE(history()->undo(errors));
    EXPECT_EQ(step.getParameter("Time"), timeBefore);
    EXPECT_EQ(step.getParameter("After"), afterBefore);
}

TEST_F(BlockParameterDialogTest, ApplyingWithoutChangesRecordsNothing) {
    ASSERT_TRUE(openDialog().apply());
    EXPECT_EQ(history()->count(), 0u);
}

TEST_F(BlockParameterDialogTest, UntouchedFieldsFollowTheModelAndTouchedOnesKeepTheUsersText) {
    BlockParameterDialog& d = openDialog();
    d.setFieldText("Before", "typed");
    {
        QUILL::Transaction tx(model);
        step.setParameter("Time", "7");
        step.setParameter("Before", "8");
        tx.commit();
    }
    EXPECT_EQ(d.fieldText("Time"), "7");
    EXPECT_EQ(d.fieldText("Before"), "typed");
}

TEST_F(BlockParameterDialogTest, ClosesWhenTheBlockIsDeleted) {
    openDialog().show();
    {
        QUILL::Transaction tx(model);
        step.destroy();
        tx.commit();
    }
    StudioTest::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dialog.isNull());
}

TEST_F(BlockParameterDialogTest, ClosesWhenTheModelCloses) {
    openDialog().show();
    model.close();
    StudioTest::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dialog.isNull());
}

}  // namespace
