#include "dove2/PreviewSession.h"

#include <gtest/gtest.h>

#include "HistoryTestModel.h"

using namespace Dove2Test;
using DOVE2::PreviewSession;
using PARR::ErrorHolder;

namespace {

class PreviewSessionTest : public ::testing::Test {
protected:
    PreviewSessionTest() : copy(builder.item("a", 1).item("b", 2).model().createWorkingCopy()) {}

    std::int64_t valueIn(const QUILL::Model& instance, const std::string& name) const {
        return builder.find(name).asDeviant(instance).get<std::int64_t>(HistoryTypes::get().value);
    }
    bool show(PreviewSession& session, const PARR::Holder<DOVE2::Command>& command) {
        ErrorHolder errors;
        const bool shown = session.show(*command, errors);
        EXPECT_FALSE(errors.hasError()) << errors.message();
        return shown;
    }

    ModelBuilder builder;
    QUILL::Model copy;
};

TEST_F(PreviewSessionTest, APreviewChangesTheWorkingCopyAndNeverTheRoot) {
    const ModelState root = stateOf(builder.model());
    PreviewSession session(copy);

    EXPECT_TRUE(show(session, setValueCommand(copy, builder.find("a"), 10)));

    EXPECT_EQ(valueIn(copy, "a"), 10);
    EXPECT_EQ(stateOf(builder.model()), root);
    EXPECT_TRUE(session.hasPreview());
}

TEST_F(PreviewSessionTest, EachPreviewReplacesThePreviousOne) {
    PreviewSession session(copy);
    show(session, setValueCommand(copy, builder.find("a"), 10));

    show(session, setValueCommand(copy, builder.find("b"), 20));

    EXPECT_EQ(valueIn(copy, "a"), 1);
    EXPECT_EQ(valueIn(copy, "b"), 20);
}

TEST_F(PreviewSessionTest, ListenersOfTheWorkingCopyHearTheDropAndThePreview) {
    PreviewSession session(copy);
    show(session, setValueCommand(copy, builder.find("a"), 10));
    ReportCounter counter(copy);

    show(session, setValueCommand(copy, builder.find("b"), 20));

    EXPECT_EQ(counter.reports, 2);
    EXPECT_EQ(counter.lastModified, std::vector<QUILL::ObjectId>{builder.find("b").getObjectId()});
}

TEST_F(PreviewSessionTest, DroppingThePreviewShowsTheRootAgain) {
    PreviewSession session(copy);
    show(session, addItemCommand(copy, "c", 3));
    show(session, setValueCommand(copy, builder.find("a"), 10));

    session.dropPreview();

    EXPECT_EQ(stateOf(copy), stateOf(builder.model()));
    EXPECT_FALSE(session.hasPreview());
}

TEST_F(PreviewSessionTest, DroppingWithoutAPreviewReportsNothing) {
    PreviewSession session(copy);
    ReportCounter counter(copy);

    session.dropPreview();

    EXPECT_EQ(counter.reports, 0);
}

TEST_F(PreviewSessionTest, TheSessionDropsItsPreviewWhenItEnds) {
    {
        PreviewSession session(copy);
        show(session, setValueCommand(copy, builder.find("a"), 10));
    }
    EXPECT_EQ(stateOf(copy), stateOf(builder.model()));
}

TEST_F(PreviewSessionTest, AFailingPreviewIsRolledBackAndLeavesTheRootShowing) {
    PreviewSession session(copy);
    show(session, setValueCommand(copy, builder.find("b"), 20));
    ErrorHolder errors;

    EXPECT_FALSE(session.show(*throwingCommand(copy, builder.find("a")), errors));

    EXPECT_EQ(errors.getError()->identifier(), "DOVE2_CommandThrew");
    EXPECT_EQ(stateOf(copy), stateOf(builder.model()));
}

TEST_F(PreviewSessionTest, RefusesToPreviewOnTheRoot) {
    const ModelState root = stateOf(builder.model());
    PreviewSession session(builder.model());
    ErrorHolder errors;

    EXPECT_FALSE(session.show(*setValueCommand(builder.model(), builder.find("a"), 10), errors));

    EXPECT_EQ(errors.getError()->identifier(), "DOVE2_PreviewOnRoot");
    EXPECT_EQ(stateOf(builder.model()), root);
}

TEST_F(PreviewSessionTest, RefusesACommandBuiltOnAnotherInstance) {
    PreviewSession session(copy);
    ErrorHolder errors;

    EXPECT_FALSE(session.show(*setValueCommand(builder.model(), builder.find("a"), 10), errors));

    EXPECT_EQ(errors.getError()->identifier(), "DOVE2_CommandForOtherModel");
    EXPECT_EQ(valueIn(builder.model(), "a"), 1);
}

TEST_F(PreviewSessionTest, AViewOfTheCopyFollowsRootCommitsOnceThePreviewIsDropped) {
    PreviewSession session(copy);
    show(session, setValueCommand(copy, builder.find("a"), 10));
    session.dropPreview();

    QUILL::Transaction t(builder.model());
    builder.find("a").set(HistoryTypes::get().value, 42);
    t.commit();

    EXPECT_EQ(valueIn(copy, "a"), 42);
}

}  // namespace
