#include "harbor/IntRequest.h"

#include <gtest/gtest.h>

using HARBOR::Util::IntRequest;

namespace {

TEST(IntRequest, CarriesItsInteger) {
    IntRequest request(3);
    EXPECT_EQ(request.getValue(), 3);

    request.setValue(-1);

    EXPECT_EQ(request.getValue(), -1);
}

TEST(IntRequest, DefaultsToZero) {
    EXPECT_EQ(IntRequest().getValue(), 0);
}

TEST(IntRequest, CopiesAreEqualAndIndependent) {
    const IntRequest original(5);
    IntRequest copy = original;
    EXPECT_EQ(copy, original);

    copy.setValue(6);

    EXPECT_EQ(original.getValue(), 5);
    EXPECT_FALSE(copy == original);
}

TEST(IntRequest, IsAnEventPayload) {
    const IntRequest request(2);
    const WREN::Payload& payload = request;

    EXPECT_EQ(dynamic_cast<const IntRequest&>(payload).getValue(), 2);
}

}  // namespace
