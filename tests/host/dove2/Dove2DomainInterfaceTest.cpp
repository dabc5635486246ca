#include "dove2/Dove2DomainInterface.h"

#include <gtest/gtest.h>

#include "FakeDomain.h"
#include "FakeDomainImpl.h"
#include "FakeDomainInterface.h"
#include "harbor/Studio.h"
#include "parr/Holder.h"
#include "quill/TypeRegistry.h"

using Dove2Test::FakeDomain;
using Dove2Test::FakeDomainImpl;
using Dove2Test::FakeDomainInterface;

namespace {

class Dove2DomainInterfaceTest : public ::testing::Test {
protected:
    Dove2DomainInterfaceTest()
        : domain(new FakeDomain("Alpha", "Dove2Test.AlphaModel")),
          impl(&studio),
          interface(new FakeDomainInterface(&studio, domain.get(), &impl)),
          orphan(new FakeDomainInterface(&studio, domain.get(), nullptr)) {}

    // An editor address to pass through; never dereferenced.
    DOVE2::Editor* someEditor() { return reinterpret_cast<DOVE2::Editor*>(&editorStandIn); }

    HARBOR::Studio studio;
    PARR::Holder<FakeDomain> domain;
    FakeDomainImpl impl;
    PARR::Holder<FakeDomainInterface> interface;
    PARR::Holder<FakeDomainInterface> orphan;
    PARR::ErrorHolder errors;
    int editorStandIn = 0;
};

// --- identity ------------------------------------------------------------------------------

TEST_F(Dove2DomainInterfaceTest, BelongsToItsFrameworkDomain) {
    EXPECT_EQ(interface->getDomain(), domain.get());
    EXPECT_EQ(interface->getName(), PARR::StringID("Alpha"));
    EXPECT_EQ(interface->getModelClassFullName(), PARR::StringID("Dove2Test.AlphaModel"));
    EXPECT_EQ(interface->getMenuInterface().getFunctionName(), "fakeGetInterface");
    EXPECT_EQ(interface->getStudio(), &studio);
}

TEST_F(Dove2DomainInterfaceTest, NamesTheSameTypeToTheScriptingLayerAndTheStudio) {
    EXPECT_EQ(interface->getFullyQualifiedYarrowTypeName(), "DOVE2.Dove2DomainInterface");
    const yarrow::factory::full::Wrappable& wrappable = *interface;
    EXPECT_EQ(wrappable.getScriptingTypeName(), interface->getFullyQualifiedYarrowTypeName());
}

// --- services of the domain ----------------------------------------------------------------

TEST_F(Dove2DomainInterfaceTest, HandsOutTheDomainsSharedServices) {
    EXPECT_EQ(interface->getGlyphFactory(), &domain->glyphFactory);
    EXPECT_EQ(&interface->getIconController(), &domain->iconController);
    EXPECT_EQ(&interface->getElementDescriber(), &domain->elementDescriber);
}

TEST_F(Dove2DomainInterfaceTest, AsksTheDomainForEachTreePopulatorAndRuleSet) {
    interface->getTreePopulator();
    interface->getTreePopulator();
    interface->initializeEdgeCreationRuleSet();
    EXPECT_EQ(domain->treePopulatorRequests, 2);
    EXPECT_EQ(domain->ruleSetInitializations, 1);
}

TEST_F(Dove2DomainInterfaceTest, InstallsToolsThroughTheDomainOnTheGivenEditor) {
    interface->installTools(someEditor());
    ASSERT_EQ(domain->toolEditors.size(), 1u);
    EXPECT_EQ(domain->toolEditors[0], someEditor());
}

// --- work of the studio's implementation ---------------------------------------------------

TEST_F(Dove2DomainInterfaceTest, MakesApplicationsThroughTheImplementation) {
    const QUILL::Model model =
        QUILL::Model::create(QUILL::TypeRegistry::instance().find("Dove2Test.IfaceModel")
                                 ? *QUILL::TypeRegistry::instance().find("Dove2Test.IfaceModel")
                                 : QUILL::TypeRegistry::instance().define("Dove2Test.IfaceModel"));
    PARR::Holder<DOVE2::Application> app(interface->createApplication(model, errors));
    ASSERT_TRUE(app);
    EXPECT_EQ(app->getModel(), model);
    EXPECT_EQ(app->getStudio(), &studio);
    app.reset();
    model.close();
}

TEST_F(Dove2DomainInterfaceTest, PassesTheImplementationsErrorsOn) {
    EXPECT_EQ(interface->createApplication(QUILL::Model(), errors), nullptr);
    ASSERT_TRUE(errors.hasError());
    EXPECT_EQ(errors.getError()->identifier(), "Fake_NoModel");
}

TEST_F(Dove2DomainInterfaceTest, MakesEditorsThroughTheImplementationUnderTheGivenName) {
    impl.editorToMake = someEditor();
    EXPECT_EQ(interface->createEditor(DOVE2::Diagram(), "m/sub", errors), someEditor());
    EXPECT_EQ(impl.editorName, "m/sub");
}

TEST_F(Dove2DomainInterfaceTest, ReportsMissingImplementationInsteadOfMakingAnything) {
    EXPECT_EQ(orphan->createEditor(DOVE2::Diagram(), "m", errors), nullptr);
    ASSERT_TRUE(errors.hasError());
    EXPECT_EQ(errors.getError()->identifier(), DOVE2::Dove2DomainInterface::kNoDomainImpl);
    EXPECT_EQ(errors.getError()->arguments(), std::vector<std::string>{"Alpha"});
    errors.clear();
    EXPECT_EQ(orphan->createApplication(QUILL::Model(), errors), nullptr);
    ASSERT_TRUE(errors.hasError());
    EXPECT_EQ(errors.getError()->code(), DOVE2::Dove2DomainInterface::kNoDomainImplCode);
}

}  // namespace
