#include "main/initialize.h"

#include <gtest/gtest.h>

#include <vector>

#include "application/VTCommonDomain.h"
#include "application/VTCommonDomainImpl.h"
#include "application/VTCommonDomainInterface.h"
#include "application/VTDomain.h"
#include "application/VTDomainImpl.h"
#include "application/VTDomainInterface.h"
#include "dove2/Application.h"
#include "dove2/DomainRegistry.h"
#include "dove2/Dove2Domain.h"
#include "dove2/GenericDomainInterface.h"
#include "dove2/tools/DeleteTool.h"
#include "dove2/tools/EdgeCreationTool.h"
#include "dove2/tools/SelectionTool.h"
#include "harbor/StudioComponentFactoryManager.h"
#include "parr/Holder.h"
#include "rook2/MoveTool.h"
#include "rook2/ResizeBehavior.h"
#include "studio/Editor.h"
#include "studio/VTQueryPlatformStudio.h"
#include "support/BlockDiagramBuilder.h"
#include "support/ModuleEditor.h"
#include "tessel/FunctionRegistry.h"
#include "tools/DeleteTool.h"
#include "tools/DummyTool.h"
#include "vtquill/BackendQueryStudio.h"

namespace {

using Vantor::VTCommonDomain;
using Vantor::VTCommonDomainImpl;
using Vantor::VTCommonDomainInterface;
using Vantor::VTDomain;
using Vantor::VTDomainImpl;
using Vantor::VTDomainInterface;

TEST(ModuleStartUp, RegistersTheDomainTheEditorAndTheQueryObjectOnceOnly) {
    initialize_vt_editor();
    const std::size_t domains = DOVE2::DomainRegistry::instance().getDomains().size();
    VTDove::QueryPlatformStudio* query = VTQUILL::getBackendQueryStudio();

    initialize_vt_editor();

    PARR::ErrorHolder errors;
    EXPECT_EQ(DOVE2::DomainRegistry::instance().getStaticDomain(PARR::StringID("VTDomain"), errors),
              VTDomain::get());
    EXPECT_EQ(DOVE2::DomainRegistry::instance().getDomains().size(), domains);
    EXPECT_NE(dynamic_cast<VTDove::VTQueryPlatformStudio*>(query), nullptr);
    EXPECT_EQ(VTQUILL::getBackendQueryStudio(), query);
    EXPECT_TRUE(HARBOR::StudioComponentFactoryManager::instance().findObject(
        PARR::StringID("Vantor:Editor")));
}

TEST(DiagramDomain, AnswersItsIdentityAndSharedServices) {
    VTDomain* domain = VTDomain::get();
    EXPECT_EQ(domain, VTDomain::get());
    EXPECT_EQ(domain->getName(), PARR::StringID("VTDomain"));
    EXPECT_EQ(domain->getModelClassFullName(), PARR::StringID("VTQUILL.Model"));
    EXPECT_EQ(domain->getMenuInterface(),
              HARBOR::Util::MenuInterface("vtGetVantorInterface", "vtprivate"));
    EXPECT_EQ(VTCommonDomain::get()->getMenuInterface(),
              HARBOR::Util::MenuInterface("vtGetCommonInterface", "vtprivate"));
    EXPECT_EQ(domain->getGlyphFactory(), domain->getGlyphFactory());
    EXPECT_NE(domain->getGlyphFactory(), DOVE2::Dove2Domain::get()->getGlyphFactory());
    EXPECT_EQ(VTCommonDomain::get()->getGlyphFactory(),
              DOVE2::Dove2Domain::get()->getGlyphFactory());
    EXPECT_NE(domain->getTreePopulator(), domain->getTreePopulator());
}

class DomainPerStudio : public ::testing::Test {
protected:
    HARBOR::Studio studio;
};

TEST_F(DomainPerStudio, InterfacesShareOneImplementationPerDomainAndStudio) {
    PARR::Holder<HARBOR::AbstractDomainInterface> first(VTDomain::get()->createInterface(&studio));
    PARR::Holder<HARBOR::AbstractDomainInterface> second(VTDomain::get()->createInterface(&studio));
    auto* a = dynamic_cast<VTDomainInterface*>(first.get());
    auto* b = dynamic_cast<VTDomainInterface*>(second.get());
    ASSERT_TRUE(a && b);
    EXPECT_NE(dynamic_cast<VTDomainImpl*>(a->getDove2DomainImpl()), nullptr);
    EXPECT_EQ(a->getDove2DomainImpl(), b->getDove2DomainImpl());
    EXPECT_EQ(studio.getDomainFactory().size(), 2u);  // the common and the diagram domain
    EXPECT_EQ(a->getFullyQualifiedYarrowTypeName(), "VTQUILL.VTDomain");
    EXPECT_EQ(a->getDomain(), VTDomain::get());

    HARBOR::Studio other;
    PARR::Holder<HARBOR::AbstractDomainInterface> elsewhere(
        VTDomain::get()->createInterface(&other));
    EXPECT_NE(static_cast<VTDomainInterface*>(elsewhere.get())->getDove2DomainImpl(),
              a->getDove2DomainImpl());
}

TEST_F(DomainPerStudio, SubDomainsAreTheDiagramDomainsForTheDiagramImplAndBothForTheCommonOne) {
    PARR::Holder<VTDomainInterface> diagram(new VTDomainInterface(&studio));
    PARR::Holder<VTCommonDomainInterface> common(new VTCommonDomainInterface(&studio));
    PARR::Holder<DOVE2::GenericDomainInterface> generic(new DOVE2::GenericDomainInterface(&studio));
    auto* diagramImpl = static_cast<VTDomainImpl*>(diagram->getDove2DomainImpl());
    auto* commonImpl = static_cast<VTCommonDomainImpl*>(common->getDove2DomainImpl());

    EXPECT_TRUE(diagramImpl->isSubDomain(diagram.get()));
    EXPECT_FALSE(diagramImpl->isSubDomain(common.get()));
    EXPECT_FALSE(diagramImpl->isSubDomain(nullptr));
    EXPECT_TRUE(commonImpl->isSubDomain(diagram.get()));
    EXPECT_TRUE(commonImpl->isSubDomain(common.get()));
    EXPECT_FALSE(commonImpl->isSubDomain(generic.get()));
}

TEST_F(DomainPerStudio, ActivationReachesTheFrameworkForBothInterfaces) {
    PARR::Holder<VTDomainInterface> diagram(new VTDomainInterface(&studio));
    diagram->activate();
    EXPECT_TRUE(diagram->isActive());
    diagram->deactivate();
    EXPECT_FALSE(diagram->isActive());
}

TEST_F(DomainPerStudio, ApplicationsAreMadeOnlyForBlockDiagramModels) {
    TestSupport::BlockDiagramBuilder model;
    PARR::Holder<VTDomainInterface> domain(new VTDomainInterface(&studio));
    PARR::ErrorHolder errors;
    PARR::Holder<DOVE2::Application> app(domain->createApplication(model.model(), errors));
    EXPECT_TRUE(app);
    EXPECT_FALSE(errors.hasError());

    errors.setError("Earlier", 1);
    EXPECT_EQ(domain->createApplication(QUILL::Model(), errors), nullptr);
    ASSERT_TRUE(errors.hasError());
    EXPECT_EQ(errors.getError()->identifier(), "DOVE2_IncompatibleDomain");
    EXPECT_EQ(errors.getError()->code(), 0x6E0005u);
    EXPECT_EQ(errors.getError()->arguments(), std::vector<std::string>{"VTDomain"});
    EXPECT_EQ(errors.getError()->location().source, "application/VTDomainImpl");

    PARR::Holder<VTCommonDomainInterface> common(new VTCommonDomainInterface(&studio));
    PARR::ErrorHolder untouched;
    EXPECT_EQ(common->createApplication(model.model(), untouched), nullptr);
    EXPECT_FALSE(untouched.hasError());
}

TEST(DomainScripting, TheMenuFunctionsAnswerTheStudiosInterfaces) {
    initialize_vt_editor();
    HARBOR::Studio studio;
    std::vector<TESSEL::Value> results;
    ASSERT_EQ(TESSEL::FunctionRegistry::instance().callTrapped("vtprivate", "vtGetVantorInterface",
                                                               {}, results, 1),
              0)
        << TESSEL::FunctionRegistry::lastError();
    EXPECT_EQ(results.front().interfaceName(), "VTQUILL.VTDomain");
    auto domain = results.front().asObject<HARBOR::AbstractDomainInterface>("VTQUILL.VTDomain");
    EXPECT_EQ(domain->getStudio(), &studio);

    EXPECT_NE(TESSEL::FunctionRegistry::instance().callTrapped(
                  "vtprivate", "vtGetVantorInterface", {TESSEL::Value::scalar(99)}, results, 1),
              0);
}

TEST(EditorTools, AnEditorGetsTheSevenRolesAndItsThreeStandingTools) {
    TestSupport::BlockDiagramBuilder model;
    TestSupport::ModuleEditor fixture(model.diagram());
    Vantor::Editor& editor = fixture.editor();

    EXPECT_NE(dynamic_cast<Vantor::DeleteTool*>(
                  editor.getToolByRole(DOVE2::DeleteTool::staticGetDefaultRole())),
              nullptr);
    EXPECT_NE(editor.getToolByRole(ROOK2::SelectionTool::staticGetDefaultRole()), nullptr);
    EXPECT_NE(editor.getToolByRole(DOVE2::EdgeCreationTool::staticGetDefaultRole()), nullptr);
    EXPECT_EQ(editor.getToolByRole(ROOK2::MoveTool::staticGetDefaultRole()), nullptr);

    for (const PARR::StringID& role :
         {ROOK2::MoveTool::staticGetDefaultRole(), ROOK2::ResizeBehavior::staticGetDefaultRole(),
          Vantor::DummyTool::staticGetDefaultRole()}) {
        EXPECT_NE(editor.addToolByRole(role), nullptr) << role.str();
    }
    EXPECT_NE(dynamic_cast<Vantor::DummyTool*>(
                  editor.getToolByRole(Vantor::DummyTool::staticGetDefaultRole())),
              nullptr);
    EXPECT_EQ(dynamic_cast<VTDomainInterface*>(editor.getDomain())->getDomain(), VTDomain::get());
}

}  // namespace
