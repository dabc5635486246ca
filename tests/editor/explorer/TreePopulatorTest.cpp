#include "explorer/TreePopulator.h"

#include <gtest/gtest.h>

#include <vector>

#include "application/VTDomain.h"
#include "editor/explorer/ExplorerModel.h"
#include "main/initialize.h"
#include "studio/StudioApp.h"
#include "support/RunningStudio.h"

namespace {

using Children = std::vector<QUILL::ImmutableClassObject>;

class TreePopulatorTest : public ::testing::Test {
protected:
    TreePopulatorTest() {
        initialize_vt_editor();
        populator->setStudioApp(app);
    }

    Children childrenOf(const QUILL::ImmutableClassObject& object) {
        Children children;
        populator->execute(object, children);
        return children;
    }

    TestSupport::ExplorerModel tree{"pop"};
    TestSupport::RunningStudio<Vantor::StudioApp> running;
    Vantor::StudioApp* app = &running.app();
    boost::shared_ptr<DOVE2::GetChildrenBase> populator =
        Vantor::VTDomain::get()->getTreePopulator();
};

TEST_F(TreePopulatorTest, ADiagramShowsOnlyTheBlocksThatOpenAsDiagrams) {
    EXPECT_EQ(childrenOf(tree.builder.diagram()), Children{tree.a});
    EXPECT_TRUE(populator->hasAtleastOneChild(tree.builder.diagram()));
}

TEST_F(TreePopulatorTest, ASubsystemShowsTheViewableBlocksOfItsDiagramAndNoPorts) {
    EXPECT_EQ(childrenOf(tree.a), Children{tree.b});
    EXPECT_TRUE(populator->hasAtleastOneChild(tree.a));
    EXPECT_EQ(childrenOf(tree.b), Children{});
    EXPECT_FALSE(populator->hasAtleastOneChild(tree.b));
    EXPECT_EQ(childrenOf(tree.g), Children{}) << "its ports stay out of the tree";
    EXPECT_EQ(childrenOf(tree.m), Children{}) << "no opening under the mask from the tree";
}

TEST_F(TreePopulatorTest, ListingASubsystemMakesItsDiagramKnownToTheStudioApplication) {
    EXPECT_FALSE(app->getDiagram("pop/a").isValid());
    childrenOf(tree.a);
    EXPECT_EQ(app->getDiagram("pop/a"), tree.a.getSubsystemDiagram());
    EXPECT_EQ(app->getNode(tree.a.getSubsystemDiagram()), tree.a);
}

TEST_F(TreePopulatorTest, WithoutABlockDiagramStudioApplicationASubsystemListsNothing) {
    populator->setStudioApp(nullptr);
    EXPECT_EQ(populator->getStudioApp(), nullptr);
    EXPECT_EQ(childrenOf(tree.a), Children{});
    EXPECT_EQ(childrenOf(tree.builder.diagram()), Children{tree.a}) << "diagrams need none";
}

}  // namespace
