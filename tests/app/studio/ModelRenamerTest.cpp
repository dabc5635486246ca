#include "ModelRenamer.h"

#include <gtest/gtest.h>

#include "StudioTestSupport.h"
#include "quill/Transaction.h"
#include "support/BlockDiagramBuilder.h"

namespace {

using TestSupport::BlockDiagramBuilder;
using VantorStudio::ModelRenamer;

TEST(ModelRenamer, TakesTheFileNameWithoutItsModelExtension) {
    EXPECT_EQ(ModelRenamer::nameForFile("/work/arm controller.vtm"), "arm controller");
    EXPECT_EQ(ModelRenamer::nameForFile("/work/2nd.try.vtm"), "2nd.try");
    EXPECT_EQ(ModelRenamer::nameForFile("/work/notes.json"), "notes.json");
    EXPECT_EQ(ModelRenamer::nameForFile("/work/"), "");
}

TEST(ModelRenamer, RefusesNamesThatWouldMakeTwoSystemsShareAPath) {
    StudioTest::qtApplication();
    BlockDiagramBuilder renamed("draft");
    BlockDiagramBuilder other("plant");
    const VTQUILL::Model& model = renamed.model();

    EXPECT_EQ(ModelRenamer::problemWith(model, "draft"), "");
    EXPECT_EQ(ModelRenamer::problemWith(model, "2 plants, v1"), "");
    EXPECT_NE(ModelRenamer::problemWith(model, "plant").find("\"plant\" is open"),
              std::string::npos);
    EXPECT_NE(ModelRenamer::problemWith(model, ""), "");
    EXPECT_NE(ModelRenamer::problemWith(model, "two\nlines"), "");
}

TEST(ModelRenamer, RenamesTheModelWithItsSystemPathsButNotItsOtherTopLevelDiagrams) {
    StudioTest::qtApplication();
    BlockDiagramBuilder builder("draft");
    const VTQUILL::Model& model = builder.model();
    const VTQUILL::Block controller = builder.subsystem("Controller", {10, 10, 40, 30});
    QUILL::Transaction addNotes(model);
    VTQUILL::Diagram(
        QUILL::ClassObject::create(model, VTQUILL::Schema::get().diagram, model.getModelObject()))
        .setName("notes");
    addNotes.commit();

    QUILL::Transaction rename(model);
    ModelRenamer::rename(model, "final");
    rename.commit();

    EXPECT_EQ(model.getName(), "final");
    ASSERT_EQ(model.getDiagrams().size(), 2u);
    EXPECT_EQ(model.getDiagrams()[0].getFullName(), "final");
    EXPECT_EQ(controller.getSubsystemDiagram().getFullName(), "final/Controller");
    EXPECT_EQ(model.getDiagrams()[1].getName(), "notes");
}

}  // namespace
