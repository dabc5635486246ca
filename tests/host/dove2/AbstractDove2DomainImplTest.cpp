#include "dove2/AbstractDove2DomainImpl.h"

#include <gtest/gtest.h>

#include "FakeDomainImpl.h"
#include "harbor/RegisteredClassCreator.h"
#include "harbor/Studio.h"

using Dove2Test::FakeDomainImpl;

namespace {

TEST(AbstractDove2DomainImplTest, IsMadeOncePerStudioByItsRegisteredCreator) {
    HARBOR::Studio studio;
    const PARR::StringID key("Dove2Test:FakeDomain");
    EXPECT_TRUE(PARR::RegisteredClassCreator<FakeDomainImpl>::registerOnce(studio, key));
    auto* impl = dynamic_cast<DOVE2::AbstractDove2DomainImpl*>(studio.getDomainImpl(key));
    ASSERT_NE(impl, nullptr);
    EXPECT_EQ(impl->getStudio(), &studio);
    EXPECT_EQ(studio.getDomainImpl(key), impl);
}

TEST(AbstractDove2DomainImplTest, IsAListenerWithNoConnectionsAtFirst) {
    HARBOR::Studio studio;
    FakeDomainImpl impl(&studio);
    const WREN::Listener& listener = impl;
    EXPECT_EQ(listener.connectionCount(), 0u);
}

}  // namespace
