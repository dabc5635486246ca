#include "dove2/DomainRegistry.h"

#include <gtest/gtest.h>

#include "FakeDomain.h"
#include "quill/Model.h"
#include "quill/TypeRegistry.h"

using DOVE2::AbstractDove2Domain;
using DOVE2::DomainRegistry;
using Dove2Test::FakeDomain;
using PARR::Holder;

namespace {

// A model whose model object is of the class `className` (defined on first use).
QUILL::Model modelOfClass(const std::string& className) {
    auto& types = QUILL::TypeRegistry::instance();
    const QUILL::Type* type = types.find(className);
    if (!type)
        type = &types.define(className);
    return QUILL::Model::create(*type);
}

class DomainRegistryTest : public ::testing::Test {
protected:
    ~DomainRegistryTest() override {
        for (const QUILL::Model& m : models)
            m.close();
    }
    Holder<AbstractDove2Domain> domain(const std::string& name, const std::string& modelClass) {
        return Holder<AbstractDove2Domain>(new FakeDomain(name, modelClass));
    }
    QUILL::Model model(const std::string& className) {
        models.push_back(modelOfClass(className));
        return models.back();
    }

    DomainRegistry registry;
    PARR::ErrorHolder errors;
    std::vector<QUILL::Model> models;
};

// --- registration ----------------------------------------------------------------------------

TEST_F(DomainRegistryTest, FindsARegisteredDomainByItsName) {
    Holder<AbstractDove2Domain> alpha = domain("Alpha", "Test.AlphaModel");
    Holder<AbstractDove2Domain> beta = domain("Beta", "Test.BetaModel");
    EXPECT_TRUE(registry.registerDomain(alpha, errors));
    EXPECT_TRUE(registry.registerDomain(beta, errors));
    EXPECT_FALSE(errors.hasError());
    EXPECT_EQ(registry.getStaticDomain("Alpha", errors), alpha.get());
    EXPECT_EQ(registry.getStaticDomain("Beta", errors), beta.get());
    EXPECT_FALSE(errors.hasError());
}

TEST_F(DomainRegistryTest, HoldsOneReferenceToEachRegisteredDomain) {
    bool destroyed = false;
    DomainRegistry local;  // goes before `destroyed`, which its domain writes to
    auto* raw = new FakeDomain("Alpha", "Test.AlphaModel", &destroyed);
    local.registerDomain(Holder<AbstractDove2Domain>(raw), errors);
    EXPECT_FALSE(destroyed);
    EXPECT_EQ(raw->refCount(), 1u);
    EXPECT_EQ(local.getStaticDomain("Alpha", errors), raw);
}

TEST_F(DomainRegistryTest, LetsGoOfItsDomainsWhenDestroyed) {
    bool destroyed = false;
    {
        DomainRegistry local;
        local.registerDomain(Holder<AbstractDove2Domain>(new FakeDomain("A", "T.M", &destroyed)),
                             errors);
    }
    EXPECT_TRUE(destroyed);
}

TEST_F(DomainRegistryTest, RefusesASecondDomainOfTheSameNameAndKeepsTheFirst) {
    Holder<AbstractDove2Domain> first = domain("Alpha", "Test.AlphaModel");
    bool secondDestroyed = false;
    registry.registerDomain(first, errors);
    {
        Holder<AbstractDove2Domain> second(
            new FakeDomain("Alpha", "Test.OtherModel", &secondDestroyed));
        EXPECT_FALSE(registry.registerDomain(second, errors));
    }
    EXPECT_TRUE(secondDestroyed);
    ASSERT_TRUE(errors.hasError());
    EXPECT_EQ(errors.getError()->identifier(), DomainRegistry::kDuplicateDomain);
    EXPECT_EQ(errors.getError()->code(), DomainRegistry::kDuplicateDomainCode);
    EXPECT_EQ(errors.getError()->arguments(), std::vector<std::string>{"Alpha"});
    EXPECT_EQ(registry.getStaticDomain("Alpha", errors), first.get());
    EXPECT_EQ(registry.getDomains().size(), 1u);
}

TEST_F(DomainRegistryTest, RefusesAnEmptyHolder) {
    EXPECT_FALSE(registry.registerDomain(Holder<AbstractDove2Domain>(), errors));
    ASSERT_TRUE(errors.hasError());
    EXPECT_EQ(errors.getError()->identifier(), DomainRegistry::kNullDomain);
    EXPECT_TRUE(registry.getDomains().empty());
}

TEST_F(DomainRegistryTest, ListsDomainsInRegistrationOrder) {
    Holder<AbstractDove2Domain> zeta = domain("Zeta", "Test.Z");
    Holder<AbstractDove2Domain> alpha = domain("Alpha", "Test.A");
    registry.registerDomain(zeta, errors);
    registry.registerDomain(alpha, errors);
    const auto all = registry.getDomains();
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0], zeta.get());
    EXPECT_EQ(all[1], alpha.get());
}

// --- lookup by name ------------------------------------------------------------------------

TEST_F(DomainRegistryTest, ReportsAnUnknownNameAndReturnsNull) {
    registry.registerDomain(domain("Alpha", "Test.AlphaModel"), errors);
    EXPECT_EQ(registry.getStaticDomain("Gamma", errors), nullptr);
    ASSERT_TRUE(errors.hasError());
    EXPECT_EQ(errors.getError()->identifier(), DomainRegistry::kUnknownDomain);
    EXPECT_EQ(errors.getError()->code(), DomainRegistry::kUnknownDomainCode);
    EXPECT_EQ(errors.getError()->arguments(), std::vector<std::string>{"Gamma"});
}

TEST_F(DomainRegistryTest, MatchesNamesExactly) {
    registry.registerDomain(domain("Alpha", "Test.AlphaModel"), errors);
    EXPECT_EQ(registry.getStaticDomain("alpha", errors), nullptr);
    ASSERT_TRUE(errors.hasError());
    EXPECT_EQ(errors.getError()->identifier(), DomainRegistry::kUnknownDomain);
}

// --- lookup by model -----------------------------------------------------------------------

TEST_F(DomainRegistryTest, FindsTheDomainWhoseModelClassIsTheModelsClass) {
    Holder<AbstractDove2Domain> alpha = domain("Alpha", "Dove2Test.AlphaModel");
    Holder<AbstractDove2Domain> beta = domain("Beta", "Dove2Test.BetaModel");
    registry.registerDomain(alpha, errors);
    registry.registerDomain(beta, errors);
    EXPECT_EQ(registry.getStaticDomainForModel(model("Dove2Test.BetaModel"), errors), beta.get());
    EXPECT_EQ(registry.getStaticDomainForModel(model("Dove2Test.AlphaModel"), errors), alpha.get());
    EXPECT_FALSE(errors.hasError());
}

TEST_F(DomainRegistryTest, FindsTheDomainThroughAWorkingCopyOfTheModel) {
    Holder<AbstractDove2Domain> alpha = domain("Alpha", "Dove2Test.AlphaModel");
    registry.registerDomain(alpha, errors);
    QUILL::Model copy = model("Dove2Test.AlphaModel").createWorkingCopy();
    EXPECT_EQ(registry.getStaticDomainForModel(copy, errors), alpha.get());
}

TEST_F(DomainRegistryTest, PrefersTheFirstRegisteredOfTwoDomainsOfOneModelClass) {
    Holder<AbstractDove2Domain> first = domain("First", "Dove2Test.SharedModel");
    Holder<AbstractDove2Domain> second = domain("Second", "Dove2Test.SharedModel");
    registry.registerDomain(first, errors);
    registry.registerDomain(second, errors);
    EXPECT_EQ(registry.getStaticDomainForModel(model("Dove2Test.SharedModel"), errors),
              first.get());
}

TEST_F(DomainRegistryTest, ReportsAModelOfAClassNoDomainWorksWith) {
    registry.registerDomain(domain("Alpha", "Dove2Test.AlphaModel"), errors);
    EXPECT_EQ(registry.getStaticDomainForModel(model("Dove2Test.StrayModel"), errors), nullptr);
    ASSERT_TRUE(errors.hasError());
    EXPECT_EQ(errors.getError()->identifier(), DomainRegistry::kNoDomainForModel);
    EXPECT_EQ(errors.getError()->code(), DomainRegistry::kNoDomainForModelCode);
    EXPECT_EQ(errors.getError()->arguments(), std::vector<std::string>{"Dove2Test.StrayModel"});
}

TEST_F(DomainRegistryTest, ReportsAnInvalidModelWithoutThrowing) {
    registry.registerDomain(domain("Empty", ""), errors);
    EXPECT_EQ(registry.getStaticDomainForModel(QUILL::Model(), errors), nullptr);
    ASSERT_TRUE(errors.hasError());
    EXPECT_EQ(errors.getError()->identifier(), DomainRegistry::kNoDomainForModel);
}

// --- the process-wide registry -------------------------------------------------------------

TEST(DomainRegistryInstanceTest, IsTheSameRegistryOnEveryCall) {
    EXPECT_EQ(&DomainRegistry::instance(), &DomainRegistry::instance());
}

TEST(DomainRegistryInstanceTest, KeepsARegisteredDomainAfterTheCallersHolderIsGone) {
    PARR::ErrorHolder errors;
    auto* raw = new FakeDomain("Dove2Test.InstanceDomain", "Dove2Test.InstanceModel");
    DomainRegistry::instance().registerDomain(Holder<AbstractDove2Domain>(raw), errors);
    ASSERT_FALSE(errors.hasError());
    EXPECT_EQ(DomainRegistry::instance().getStaticDomain("Dove2Test.InstanceDomain", errors), raw);
    EXPECT_EQ(raw->getName(), PARR::StringID("Dove2Test.InstanceDomain"));
}

}  // namespace
