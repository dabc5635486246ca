#include "dove2/AbstractDove2Domain.h"

#include <gtest/gtest.h>

#include "FakeDomain.h"
#include "parr/Holder.h"

using Dove2Test::FakeDomain;

namespace {

TEST(AbstractDove2DomainTest, IsDestroyedWhenItsLastHolderLetsGo) {
    bool destroyed = false;
    PARR::Holder<DOVE2::AbstractDove2Domain> first(new FakeDomain("A", "T.M", &destroyed));
    PARR::Holder<DOVE2::AbstractDove2Domain> second = first;
    EXPECT_EQ(first->refCount(), 2u);
    first.reset();
    EXPECT_FALSE(destroyed);
    second.reset();
    EXPECT_TRUE(destroyed);
}

TEST(AbstractDove2DomainTest, AnswersIdentityQuestionsAsAStudioDomain) {
    PARR::Holder<FakeDomain> domain(new FakeDomain("Alpha", "Dove2Test.AlphaModel"));
    const HARBOR::AbstractDomain& asStudioDomain = *domain;
    EXPECT_EQ(asStudioDomain.getName(), PARR::StringID("Alpha"));
    EXPECT_EQ(asStudioDomain.getModelClassFullName(), PARR::StringID("Dove2Test.AlphaModel"));
}

TEST(AbstractDove2DomainTest, FrameworkToolInstallationLetsTheDomainAddItsOwn) {
    PARR::Holder<FakeDomain> domain(new FakeDomain("Alpha", "Dove2Test.AlphaModel"));
    domain->installTools(nullptr);
    ASSERT_EQ(domain->toolEditors.size(), 1u);
    EXPECT_EQ(domain->toolEditors[0], nullptr);
}

}  // namespace
