#include <gtest/gtest.h>

#include "LibraryModel.h"
#include "quill/TypeRegistry.h"
#include "vtdove/QueryPlatformStudio.h"
#include "vtquill/BackendLookup.h"
#include "vtquill/BackendQueryStudio.h"
#include "vtquill/InitializeDatamodel.h"
#include "vtquill/YarrowTypeName.h"

using namespace VTQUILL;
using VTDoveTest::LibraryModel;

TEST(BackendLookupTest, FindsATopLevelDiagramByItsModelName) {
    LibraryModel other("other");
    LibraryModel m("lookup");
    Model model;
    Diagram diagram;
    ASSERT_TRUE(BackendLookup::getDiagram("lookup", model, diagram));
    EXPECT_EQ(model, m.model);
    EXPECT_EQ(diagram, m.diagram);
    EXPECT_TRUE(model.isRoot());
}

TEST(BackendLookupTest, FindsNestedSubsystemDiagrams) {
    LibraryModel m("lookup");
    const Block outer = m.add("Subsystem", "Outer");
    const Block inner = m.addTo(outer.getSubsystemDiagram(), "Subsystem", "Inner");
    Model model;
    Diagram diagram;
    ASSERT_TRUE(BackendLookup::getDiagram("lookup/Outer/Inner", model, diagram));
    EXPECT_EQ(diagram, inner.getSubsystemDiagram());
    ASSERT_TRUE(BackendLookup::getDiagram("lookup/Outer", model, diagram));
    EXPECT_EQ(diagram, outer.getSubsystemDiagram());
}

TEST(BackendLookupTest, ADoubledSlashStandsForASlashInsideAName) {
    LibraryModel m("lookup");
    const Block slashed = m.add("Subsystem", "a/b");
    const Block plain = m.add("Subsystem", "a");
    const Block below = m.addTo(plain.getSubsystemDiagram(), "Subsystem", "b");
    Model model;
    Diagram diagram;
    ASSERT_TRUE(BackendLookup::getDiagram("lookup/a//b", model, diagram));
    EXPECT_EQ(diagram, slashed.getSubsystemDiagram());
    ASSERT_TRUE(BackendLookup::getDiagram("lookup/a/b", model, diagram));
    EXPECT_EQ(diagram, below.getSubsystemDiagram());
}

TEST(BackendLookupTest, AnUnknownPathFindsNothingAndLeavesTheResultsAlone) {
    LibraryModel m("lookup");
    m.add("Gain", "G");
    Model model;
    Diagram diagram;
    EXPECT_FALSE(BackendLookup::getDiagram("lookup/G", model, diagram));
    EXPECT_FALSE(BackendLookup::getDiagram("nowhere", model, diagram));
    EXPECT_FALSE(BackendLookup::getDiagram("lookup/", model, diagram));
    EXPECT_FALSE(model.isValid());
    EXPECT_FALSE(diagram.isValid());
}

TEST(BackendLookupTest, AClosedModelIsNotFound) {
    { LibraryModel closed("gone"); }
    Model model;
    Diagram diagram;
    EXPECT_FALSE(BackendLookup::getDiagram("gone", model, diagram));
}

TEST(YarrowTypeNameTest, NamesTheObjectsMetaclass) {
    LibraryModel m;
    const Block g = m.add("Gain", "G");
    EXPECT_EQ(getFullyQualifiedYarrowTypeName(g), "VTQUILL.Block");
    EXPECT_EQ(getFullyQualifiedYarrowTypeName(m.diagram), "VTQUILL.Diagram");
    EXPECT_EQ(getFullyQualifiedYarrowTypeName(g.getContained().front()), "VTQUILL.Port");
    EXPECT_EQ(getFullyQualifiedYarrowTypeName(QUILL::ImmutableClassObject()),
              "QUILL.ImmutableClassObject");
}

TEST(InitializeDatamodelTest, MayBeCalledMoreThanOnce) {
    initialize_vt_datamodel();
    initialize_vt_datamodel();
    EXPECT_NE(QUILL::TypeRegistry::instance().find("VTQUILL.Block"), nullptr);
    EXPECT_NE(VTDove::BlockLibrary::instance().find("Gain"), nullptr);
}

TEST(BackendQueryStudioTest, InstallsAndRemovesTheQueryObject) {
    struct Studio : VTDove::QueryPlatformStudio {
        void findEditors(const std::string&) override {}
        bool hasEditor(const std::string&) override { return false; }
        bool hasEditorOfSameModel(const std::string&) override { return false; }
        void openEngineBlock(double) override {}
        void showFoundEditor() override {}
        bool closeEditorByName(const std::string&) override { return false; }
        bool closeModelEditors(const std::string&) override { return false; }
    } studio;
    EXPECT_EQ(getBackendQueryStudio(), nullptr);
    setBackendQueryStudio(&studio);
    EXPECT_EQ(getBackendQueryStudio(), &studio);
    setBackendQueryStudio(nullptr);
    EXPECT_EQ(getBackendQueryStudio(), nullptr);
}
