#include "harbor/StudioComponentFactoryManager.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harbor/Studio.h"
#include "host/harbor/FakeComponent.h"

using HARBOR::StudioComponentFactory;
using HARBOR::StudioComponentFactoryManager;
using HARBORTest::FakeComponentFactory;
using Factory = PARR::Holder<StudioComponentFactory>;

namespace {

// Each test registers under its own type names and unregisters them afterwards, so the
// process-wide manager is left as it was found.
class ComponentFactoryManagerTest : public ::testing::Test {
protected:
    void TearDown() override {
        for (const char* name : {"Test:A", "Test:B", "Test:Null"})
            manager().unregisterObject(name);
    }
    static StudioComponentFactoryManager& manager() {
        return StudioComponentFactoryManager::instance();
    }
};

TEST_F(ComponentFactoryManagerTest, IsOneManagerForTheProcess) {
    EXPECT_EQ(&StudioComponentFactoryManager::instance(),
              &StudioComponentFactoryManager::instance());
}

TEST_F(ComponentFactoryManagerTest, FindsARegisteredFactoryByItsTypeName) {
    PARR::ErrorHolder errors;
    Factory a(new FakeComponentFactory("Test:A"));
    Factory b(new FakeComponentFactory("Test:B"));

    EXPECT_TRUE(manager().registerObject(a, errors));
    EXPECT_TRUE(manager().registerObject(b, errors));

    EXPECT_EQ(manager().getObject("Test:A", errors), a);
    EXPECT_EQ(manager().getObject("Test:B", errors), b);
    EXPECT_FALSE(errors.hasError());
}

TEST_F(ComponentFactoryManagerTest, HoldsAReferenceToEachRegisteredFactory) {
    PARR::ErrorHolder errors;
    Factory a(new FakeComponentFactory("Test:A"));

    manager().registerObject(a, errors);
    EXPECT_EQ(a->refCount(), 2u);
    manager().unregisterObject("Test:A");

    EXPECT_EQ(a->refCount(), 1u);
    EXPECT_FALSE(manager().contains("Test:A"));
}

TEST_F(ComponentFactoryManagerTest, RefusesASecondFactoryForATypeNameAndKeepsTheFirst) {
    PARR::ErrorHolder errors;
    Factory first(new FakeComponentFactory("Test:A"));
    manager().registerObject(first, errors);

    EXPECT_FALSE(manager().registerObject(Factory(new FakeComponentFactory("Test:A")), errors));

    ASSERT_TRUE(errors.hasError());
    EXPECT_EQ(errors.getError()->identifier(), StudioComponentFactoryManager::kDuplicateKey);
    EXPECT_EQ(errors.getError()->arguments(), (std::vector<std::string>{"Test:A"}));
    PARR::ErrorHolder lookup;
    EXPECT_EQ(manager().getObject("Test:A", lookup), first);
}

TEST_F(ComponentFactoryManagerTest, ReportsAnUnknownTypeName) {
    PARR::ErrorHolder errors;

    EXPECT_FALSE(manager().getObject("Test:Unknown", errors));

    ASSERT_TRUE(errors.hasError());
    EXPECT_EQ(errors.getError()->identifier(), StudioComponentFactoryManager::kUnknownKey);
    EXPECT_EQ(errors.getError()->arguments(), (std::vector<std::string>{"Test:Unknown"}));
}

TEST_F(ComponentFactoryManagerTest, RefusesANullFactory) {
    PARR::ErrorHolder errors;
    const auto before = manager().size();

    EXPECT_FALSE(manager().registerObject(Factory(), errors));

    ASSERT_TRUE(errors.hasError());
    EXPECT_EQ(errors.getError()->identifier(), StudioComponentFactoryManager::kNullObject);
    EXPECT_EQ(manager().size(), before);
}

TEST_F(ComponentFactoryManagerTest, ListsTypeNamesInRegistrationOrder) {
    PARR::ErrorHolder errors;
    manager().registerObject(Factory(new FakeComponentFactory("Test:B")), errors);
    manager().registerObject(Factory(new FakeComponentFactory("Test:A")), errors);

    const auto keys = manager().keys();
    const auto b = keys.indexOf("Test:B");
    const auto a = keys.indexOf("Test:A");

    ASSERT_NE(a, keys.npos);
    ASSERT_NE(b, keys.npos);
    EXPECT_LT(b, a);
}

TEST_F(ComponentFactoryManagerTest, CreatesAComponentWithTheFactoryOfItsType) {
    PARR::ErrorHolder errors;
    manager().registerObject(Factory(new FakeComponentFactory("Test:A")), errors);
    HARBOR::Studio studio;

    const auto made = manager().createComponent("Test:A", &studio, "editor 1", errors);

    ASSERT_TRUE(made);
    EXPECT_EQ(made->getName(), "editor 1");
    EXPECT_EQ(made->getStudio(), &studio);
    EXPECT_EQ(made->refCount(), 1u);
    EXPECT_FALSE(errors.hasError());
}

TEST_F(ComponentFactoryManagerTest, ReportsAFactoryThatMadeNothing) {
    PARR::ErrorHolder errors;
    manager().registerObject(Factory(new FakeComponentFactory("Test:Null", true)), errors);
    HARBOR::Studio studio;

    EXPECT_FALSE(manager().createComponent("Test:Null", &studio, "x", errors));

    ASSERT_TRUE(errors.hasError());
    EXPECT_EQ(errors.getError()->identifier(), StudioComponentFactoryManager::kComponentNotCreated);
    EXPECT_EQ(errors.getError()->arguments(), (std::vector<std::string>{"Test:Null", "x"}));
}

}  // namespace
