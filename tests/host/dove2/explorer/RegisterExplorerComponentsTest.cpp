#include "dove2/explorer/RegisterExplorerComponents.h"

#include <gtest/gtest.h>

#include "dove2/explorer/ExplorerBarComponent.h"
#include "dove2/explorer/TreeComponent.h"
#include "harbor/Studio.h"
#include "harbor/StudioComponentFactoryManager.h"

namespace {

PARR::Holder<HARBOR::StudioComponentFactory> factoryOf(const std::string& typeName) {
    return HARBOR::StudioComponentFactoryManager::instance().findObject(typeName);
}

TEST(RegisterExplorerComponents, RegistersAFactoryForTheTreeAndTheExplorerBar) {
    ASSERT_TRUE(DOVE2::registerExplorerComponents());
    HARBOR::Studio studio;
    PARR::ErrorHolder errors;
    auto* tree = studio.createComponent(DOVE2::TreeComponent::staticGetTypeName(),
                                        DOVE2::TreeComponent::kComponentName, errors);
    auto* bar = studio.createComponent(DOVE2::ExplorerBarComponent::staticGetTypeName(),
                                       "m:Explorer Bar", errors);
    EXPECT_FALSE(errors.hasError()) << errors.message();
    ASSERT_NE(dynamic_cast<DOVE2::TreeComponent*>(tree), nullptr);
    ASSERT_NE(dynamic_cast<DOVE2::ExplorerBarComponent*>(bar), nullptr);
    EXPECT_EQ(tree->getName(), "DOVE2 tree component");
    EXPECT_EQ(tree->getStudio(), &studio);
}

TEST(RegisterExplorerComponents, RegisteringAgainKeepsTheFactories) {
    ASSERT_TRUE(DOVE2::registerExplorerComponents());
    const auto tree = factoryOf(DOVE2::TreeComponent::staticGetTypeName());
    const auto bar = factoryOf(DOVE2::ExplorerBarComponent::staticGetTypeName());
    EXPECT_TRUE(DOVE2::registerExplorerComponents());
    EXPECT_EQ(factoryOf(DOVE2::TreeComponent::staticGetTypeName()), tree);
    EXPECT_EQ(factoryOf(DOVE2::ExplorerBarComponent::staticGetTypeName()), bar);
}

}  // namespace
