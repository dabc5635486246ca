#include "parr/ErrorHolder.h"

#include <type_traits>
#include <utility>

#include <gtest/gtest.h>

namespace PARR {
namespace {

static_assert(!std::is_copy_constructible_v<ErrorHolder>);
static_assert(!std::is_copy_assignable_v<ErrorHolder>);
static_assert(std::is_nothrow_move_constructible_v<ErrorHolder>);

TEST(ErrorHolderState, StartsWithoutError) {
    const ErrorHolder erh;
    EXPECT_FALSE(erh.hasError());
    EXPECT_EQ(erh.getError(), nullptr);
    EXPECT_EQ(erh.message(), "");
}

TEST(ErrorHolderState, KeepsACopyOfTheErrorSet) {
    ErrorHolder erh;
    {
        const MCFErrorDescription error("DOVE2_IncompatibleDomain", 0x6E0005, {"VTDomain"},
                                        {"application/VTDomainImpl", 51});
        erh.setError(error);
    }
    ASSERT_TRUE(erh.hasError());
    EXPECT_EQ(erh.getError()->identifier(), "DOVE2_IncompatibleDomain");
    EXPECT_EQ(erh.getError()->location().line, 51);
    EXPECT_EQ(erh.message(), "DOVE2_IncompatibleDomain(VTDomain)");
}

TEST(ErrorHolderReplacement, ANewErrorReplacesTheHeldOne) {
    ErrorHolder erh;
    erh.setError("FIRST_Error", 1);
    erh.setError(MCFErrorDescription("SECOND_Error", 2, {"x"}));
    ASSERT_TRUE(erh.hasError());
    EXPECT_EQ(erh.getError()->identifier(), "SECOND_Error");
    EXPECT_EQ(erh.getError()->code(), 2u);
    EXPECT_EQ(erh.message(), "SECOND_Error(x)");
}

TEST(ErrorHolderReplacement, SettingTheHeldErrorAgainKeepsIt) {
    ErrorHolder erh;
    erh.setError("SAME_Error", 3, {"arg"});
    erh.setError(*erh.getError());
    EXPECT_EQ(erh.message(), "SAME_Error(arg)");
}

TEST(ErrorHolderReplacement, ClearDropsTheError) {
    ErrorHolder erh;
    erh.setError("SOME_Error", 1);
    erh.clear();
    EXPECT_FALSE(erh.hasError());
    EXPECT_EQ(erh.getError(), nullptr);
}

TEST(ErrorHolderMove, MovingCarriesTheError) {
    ErrorHolder source;
    source.setError("MOVED_Error", 9);
    const ErrorHolder target = std::move(source);
    ASSERT_TRUE(target.hasError());
    EXPECT_EQ(target.getError()->identifier(), "MOVED_Error");
}

}  // namespace
}  // namespace PARR
