#include "harbor/RegisteredClassCreator.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "harbor/Studio.h"
#include "host/harbor/FakeDomain.h"

using HARBOR::Studio;
using HARBORTest::FakeDomainImpl;
using HARBORTest::OtherDomainImpl;
using PARR::RegisteredClassCreator;

namespace {

using Log = std::vector<std::string>;

class NullCreator : public HARBOR::ClassCreator {
public:
    std::unique_ptr<HARBOR::AbstractDomainImpl> create(Studio*) const override { return {}; }
};

class DomainFactoryTest : public ::testing::Test {
protected:
    void SetUp() override { FakeDomainImpl::log().clear(); }
    Log& log() { return FakeDomainImpl::log(); }
};

// --- The creator ---

TEST_F(DomainFactoryTest, CreatorMakesANewImplementationServingTheStudio) {
    Studio studio;
    const RegisteredClassCreator<FakeDomainImpl> creator;

    const std::unique_ptr<HARBOR::AbstractDomainImpl> impl = creator.create(&studio);

    ASSERT_NE(dynamic_cast<FakeDomainImpl*>(impl.get()), nullptr);
    EXPECT_EQ(impl->getStudio(), &studio);
}

TEST_F(DomainFactoryTest, RegisterOnceRegistersTheFirstCreatorOnly) {
    Studio studio;

    EXPECT_TRUE(RegisteredClassCreator<FakeDomainImpl>::registerOnce(studio, "Test:Domain"));
    const auto first = studio.getDomainFactory().value("Test:Domain");
    EXPECT_FALSE(RegisteredClassCreator<OtherDomainImpl>::registerOnce(studio, "Test:Domain"));

    EXPECT_EQ(studio.getDomainFactory().size(), 1u);
    EXPECT_EQ(studio.getDomainFactory().value("Test:Domain"), first);
    EXPECT_EQ(studio.getDomainImpl("Test:Domain")->getStudio(), &studio);
    EXPECT_EQ(log(), (Log{"+impl"}));
}

TEST_F(DomainFactoryTest, LookUpThenInsertThroughTheFactoryMapRegistersOnce) {
    Studio studio;
    auto attach = [&] {
        HARBOR::DomainFactory& factory = studio.getDomainFactory();
        if (!factory.contains("Test:Domain"))
            factory.insert("Test:Domain", PARR::Holder<HARBOR::ClassCreator>(
                                              new RegisteredClassCreator<FakeDomainImpl>()));
        return studio.getDomainImpl("Test:Domain");
    };

    HARBOR::AbstractDomainImpl* first = attach();
    HARBOR::AbstractDomainImpl* second = attach();

    EXPECT_EQ(first, second);
    EXPECT_EQ(studio.getDomainFactory().size(), 1u);
    EXPECT_EQ(log(), (Log{"+impl"}));
}

TEST_F(DomainFactoryTest, RefusesANullCreator) {
    Studio studio;

    EXPECT_FALSE(studio.registerDomainCreator("Test:Domain", nullptr));

    EXPECT_TRUE(studio.getDomainFactory().empty());
}

// --- Implementations per studio ---

TEST_F(DomainFactoryTest, MakesTheImplementationOnTheFirstRequestOnly) {
    Studio studio;
    RegisteredClassCreator<FakeDomainImpl>::registerOnce(studio, "Test:Domain");
    EXPECT_TRUE(log().empty());

    HARBOR::AbstractDomainImpl* first = studio.getDomainImpl("Test:Domain");
    HARBOR::AbstractDomainImpl* again = studio.getDomainImpl("Test:Domain");

    EXPECT_NE(first, nullptr);
    EXPECT_EQ(first, again);
    EXPECT_EQ(log(), (Log{"+impl"}));
}

TEST_F(DomainFactoryTest, EachStudioGetsItsOwnImplementation) {
    Studio one;
    Studio two;
    RegisteredClassCreator<FakeDomainImpl>::registerOnce(one, "Test:Domain");
    RegisteredClassCreator<FakeDomainImpl>::registerOnce(two, "Test:Domain");

    HARBOR::AbstractDomainImpl* ofOne = one.getDomainImpl("Test:Domain");
    HARBOR::AbstractDomainImpl* ofTwo = two.getDomainImpl("Test:Domain");

    EXPECT_NE(ofOne, ofTwo);
    EXPECT_EQ(ofOne->getStudio(), &one);
    EXPECT_EQ(ofTwo->getStudio(), &two);
}

TEST_F(DomainFactoryTest, KeysSelectTheirOwnCreators) {
    Studio studio;
    RegisteredClassCreator<FakeDomainImpl>::registerOnce(studio, "Test:Common");
    RegisteredClassCreator<OtherDomainImpl>::registerOnce(studio, "Test:Diagram");

    HARBOR::AbstractDomainImpl* diagram = studio.getDomainImpl("Test:Diagram");
    HARBOR::AbstractDomainImpl* common = studio.getDomainImpl("Test:Common");

    EXPECT_NE(dynamic_cast<OtherDomainImpl*>(diagram), nullptr);
    EXPECT_EQ(dynamic_cast<OtherDomainImpl*>(common), nullptr);
    EXPECT_EQ(log(), (Log{"+other", "+impl"}));
}

TEST_F(DomainFactoryTest, ReportsAKeyWithoutCreator) {
    Studio studio;
    PARR::ErrorHolder errors;

    EXPECT_EQ(studio.getDomainImpl("Test:Missing", errors), nullptr);

    ASSERT_TRUE(errors.hasError());
    EXPECT_EQ(errors.getError()->identifier(), Studio::kUnknownDomain);
    EXPECT_EQ(errors.getError()->arguments(), (std::vector<std::string>{"Test:Missing"}));
}

TEST_F(DomainFactoryTest, ReportsACreatorThatMadeNothing) {
    Studio studio;
    PARR::ErrorHolder errors;
    studio.registerDomainCreator("Test:Null", PARR::Holder<HARBOR::ClassCreator>(new NullCreator));

    EXPECT_EQ(studio.getDomainImpl("Test:Null", errors), nullptr);

    ASSERT_TRUE(errors.hasError());
    EXPECT_EQ(errors.getError()->identifier(), Studio::kDomainImplNotCreated);
}

TEST_F(DomainFactoryTest, TheStudioDestroysItsImplementationsLatestMadeFirst) {
    {
        Studio studio;
        RegisteredClassCreator<FakeDomainImpl>::registerOnce(studio, "Test:Common");
        RegisteredClassCreator<OtherDomainImpl>::registerOnce(studio, "Test:Diagram");
        studio.getDomainImpl("Test:Common");
        studio.getDomainImpl("Test:Diagram");
    }

    EXPECT_EQ(log(), (Log{"+impl", "+other", "-other", "-impl"}));
}

TEST_F(DomainFactoryTest, ImplementationRecognisesInterfacesOfItsDomain) {
    Studio studio;
    HARBORTest::FakeDomain domain;
    RegisteredClassCreator<FakeDomainImpl>::registerOnce(studio, "Test:Domain");
    PARR::Holder<HARBOR::AbstractDomainInterface> mine(domain.createInterface(&studio));

    const HARBOR::AbstractDomainImpl* impl = studio.getDomainImpl("Test:Domain");

    EXPECT_TRUE(impl->isSubDomain(mine.get()));
    EXPECT_FALSE(impl->isSubDomain(nullptr));
}

}  // namespace
