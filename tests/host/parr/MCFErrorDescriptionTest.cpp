#include "parr/MCFErrorDescription.h"

#include <gtest/gtest.h>

namespace PARR {
namespace {

MCFErrorDescription incompatibleDomain() {
    return {"DOVE2_IncompatibleDomain", 0x6E0005, {"VTDomain"}, {"application/VTDomainImpl", 51}};
}

TEST(MCFErrorDescriptionFields, KeepsWhatItWasMadeWith) {
    const MCFErrorDescription e = incompatibleDomain();
    EXPECT_EQ(e.identifier(), "DOVE2_IncompatibleDomain");
    EXPECT_EQ(e.code(), 7208965u);
    EXPECT_EQ(e.arguments(), std::vector<std::string>{"VTDomain"});
    EXPECT_EQ(e.location().source, "application/VTDomainImpl");
    EXPECT_EQ(e.location().line, 51);
}

TEST(MCFErrorDescriptionText, MessageNamesTheIdentifierThenTheArguments) {
    EXPECT_EQ(incompatibleDomain().message(), "DOVE2_IncompatibleDomain(VTDomain)");
    EXPECT_EQ(MCFErrorDescription("X_Two", 1, {"a", "b"}).message(), "X_Two(a, b)");
    EXPECT_EQ(MCFErrorDescription("X_None", 1).message(), "X_None");
}

TEST(MCFErrorDescriptionText, DetailsAddTheCodeAndTheLocation) {
    EXPECT_EQ(incompatibleDomain().details(),
              "DOVE2_IncompatibleDomain(VTDomain) [0x6E0005] at application/VTDomainImpl:51");
    EXPECT_EQ(MCFErrorDescription("X_None", 0x10).details(), "X_None [0x10]");
}

TEST(MCFErrorDescriptionEquality, ComparesEveryField) {
    EXPECT_EQ(incompatibleDomain(), incompatibleDomain());
    MCFErrorDescription otherLine = {
        "DOVE2_IncompatibleDomain", 0x6E0005, {"VTDomain"}, {"application/VTDomainImpl", 52}};
    EXPECT_NE(incompatibleDomain(), otherLine);
}

}  // namespace
}  // namespace PARR
