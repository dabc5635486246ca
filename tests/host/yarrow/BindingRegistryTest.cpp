#include "yarrow/BindingRegistry.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "yarrow/Wrappable.h"

using yarrow::factory::basic::BindingRegistry;
using yarrow::factory::full::Wrappable;

namespace {

// A scripting-visible object with a second base in front of Wrappable, as the studio's
// domain interfaces and editors have.
struct OtherBase {
    virtual ~OtherBase() = default;
    int padding = 0;
};

class Domain : public OtherBase, public Wrappable {
public:
    std::string getScriptingTypeName() const override { return "VTQUILL.VTDomain"; }
};

// Withdraws whatever a test announced under the names it used.
class BindingRegistryTest : public ::testing::Test {
protected:
    void TearDown() override {
        for (const auto& name : names_) {
            registry().retract(name);
        }
    }

    std::string name(const std::string& base) {
        names_.push_back("test." + base);
        return names_.back();
    }

    static BindingRegistry& registry() { return BindingRegistry::instance(); }

private:
    std::vector<std::string> names_;
};

std::vector<std::string> announcedNames() {
    std::vector<std::string> names;
    for (const auto& b : BindingRegistry::instance().announced()) {
        names.push_back(b.name);
    }
    return names;
}

TEST_F(BindingRegistryTest, AnAnnouncedObjectIsFoundByItsName) {
    auto object = std::make_shared<int>(5);
    const std::string n = name("answer");

    registry().announce(n, object, "TEST.Answer");

    auto found = registry().lookup(n);
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->typeName, "TEST.Answer");
    EXPECT_EQ(found->object.get(), object.get());
    EXPECT_EQ(registry().lookupAs<int>(n), object);
}

TEST_F(BindingRegistryTest, LookingUpAnUnknownNameFindsNothing) {
    EXPECT_FALSE(registry().lookup("test.never").has_value());
    EXPECT_EQ(registry().lookupAs<int>("test.never"), nullptr);
}

TEST_F(BindingRegistryTest, TheTypeNameDefaultsToTheName) {
    const std::string n = name("VTQUILL.StudioApp");

    registry().announce(n, std::make_shared<int>(1));

    EXPECT_EQ(registry().lookup(n)->typeName, n);
}

TEST_F(BindingRegistryTest, RetractingByNameWithdrawsTheBindingAndReleasesTheObject) {
    auto object = std::make_shared<int>(5);
    std::weak_ptr<int> watch = object;
    const std::string n = name("released");
    registry().announce(n, std::move(object));

    EXPECT_FALSE(watch.expired());
    EXPECT_TRUE(registry().retract(n));

    EXPECT_TRUE(watch.expired());
    EXPECT_FALSE(registry().lookup(n).has_value());
    EXPECT_FALSE(registry().retract(n));
}

TEST_F(BindingRegistryTest, RetractingByObjectWithdrawsEveryBindingOfIt) {
    auto shared = std::make_shared<Domain>();
    const std::string a = name("a"), b = name("b"), c = name("c");
    registry().announce(a, shared);
    registry().announce(b, std::static_pointer_cast<OtherBase>(shared));
    registry().announce(c, std::make_shared<int>(3));

    // Through another base: the same object all the same.
    EXPECT_EQ(registry().retract(static_cast<const Wrappable*>(shared.get())), 2u);

    EXPECT_FALSE(registry().lookup(a).has_value());
    EXPECT_FALSE(registry().lookup(b).has_value());
    EXPECT_TRUE(registry().lookup(c).has_value());
}

TEST_F(BindingRegistryTest, AnnouncingUnderATakenNameReplacesTheBindingInPlace) {
    const std::string first = name("first"), second = name("second");
    registry().announce(first, std::make_shared<int>(1));
    registry().announce(second, std::make_shared<int>(2));

    registry().announce(first, std::make_shared<int>(10));

    const auto names = announcedNames();
    auto firstAt = std::find(names.begin(), names.end(), first);
    auto secondAt = std::find(names.begin(), names.end(), second);
    EXPECT_EQ(std::count(names.begin(), names.end(), first), 1);
    EXPECT_LT(firstAt, secondAt);
    EXPECT_EQ(*registry().lookupAs<int>(first), 10);
}

TEST_F(BindingRegistryTest, ListsBindingsInAnnouncementOrder) {
    const std::string x = name("x"), y = name("y");
    registry().announce(y, std::make_shared<int>(1));
    registry().announce(x, std::make_shared<int>(2));

    const auto names = announcedNames();
    auto yAt = std::find(names.begin(), names.end(), y);
    auto xAt = std::find(names.begin(), names.end(), x);

    ASSERT_NE(yAt, names.end());
    ASSERT_NE(xAt, names.end());
    EXPECT_LT(yAt, xAt);
}

TEST_F(BindingRegistryTest, RefusesANullObjectOrAnEmptyName) {
    EXPECT_THROW(registry().announce(name("null"), std::shared_ptr<int>()), std::invalid_argument);
    EXPECT_THROW(registry().announce("", std::make_shared<int>(1)), std::invalid_argument);
}

TEST_F(BindingRegistryTest, AWrappableIsAnnouncedUnderItsOwnScriptingTypeWithoutOwnership) {
    const std::string n = name("domain");
    Domain domain;

    registry().announce(n, domain);

    auto found = registry().lookup(n);
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->typeName, "VTQUILL.VTDomain");
    EXPECT_EQ(found->object.get(), static_cast<void*>(static_cast<Wrappable*>(&domain)));
    EXPECT_EQ(found->object.use_count(), 0);
}

TEST_F(BindingRegistryTest, ADestroyedWrappableIsRetractedByItsDestructor) {
    const std::string n = name("shortLived");
    {
        Domain domain;
        registry().announce(n, domain);
        ASSERT_TRUE(registry().lookup(n).has_value());
    }

    EXPECT_FALSE(registry().lookup(n).has_value());
}

TEST_F(BindingRegistryTest, ReleasingAnOwnedWrappableOnRetractDoesNotDeadlock) {
    const std::string n = name("owned");
    registry().announce(n, std::make_shared<Domain>());

    EXPECT_TRUE(registry().retract(n));
    EXPECT_FALSE(registry().lookup(n).has_value());
}

}  // namespace
