#include <gtest/gtest.h>

#include <string>

#include "sim/ParameterFault.h"
#include "sim/VectorSyntax.h"

using namespace VTSIM;

namespace {

// The elements of the list between the outer brackets of `text`, as texts.
std::vector<std::string> elementsOf(const std::string& text) {
    std::vector<std::string> out;
    for (const TextSpan& span : VectorSyntax::elements(text, {1, text.size() - 1}))
        out.push_back(text.substr(span.begin, span.size()));
    return out;
}

using Texts = std::vector<std::string>;

}  // namespace

TEST(VectorSyntaxElements, SeparatorsFollowTheMatrixNotation) {
    EXPECT_EQ(elementsOf("[1 -2]"), (Texts{"1", "-2"}));
    EXPECT_EQ(elementsOf("[1 - 2]"), (Texts{"1 - 2"}));
    EXPECT_EQ(elementsOf("[ a *2 , b;c ]"), (Texts{"a *2", "b", "c"}));
    EXPECT_EQ(elementsOf("[2*(1 + 3) [4 5]]"), (Texts{"2*(1 + 3)", "[4 5]"}));
    EXPECT_EQ(elementsOf("[x^ 2 +y]"), (Texts{"x^ 2", "+y"}));
    EXPECT_EQ(elementsOf("[  ]"), Texts{});
}

TEST(VectorSyntaxElements, EmptyElementsPointAtTheirSeparator) {
    for (const auto& [text, position] :
         std::vector<std::pair<std::string, std::size_t>>{{"[1,,2]", 3}, {"[,1]", 1}, {"[1;]", 2}})
        try {
            elementsOf(text);
            ADD_FAILURE() << text;
        } catch (const ParameterError& error) {
            EXPECT_EQ(error.fault().reason, "empty element") << text;
            EXPECT_EQ(error.fault().position, position) << text;
        }
}

TEST(VectorSyntaxScanning, GroupsAndNamesAreFoundWithoutReadingNumbersAsNames) {
    const std::string text = "2*[1 [2]]+(K*[3])+1e-6*e";
    EXPECT_EQ(VectorSyntax::bracketGroups(text, {0, text.size()}),
              (std::vector<TextSpan>{{2, 9}, {13, 16}}));
    EXPECT_EQ(VectorSyntax::names(text, {0, text.size()}),
              (std::vector<TextSpan>{{11, 12}, {23, 24}}));
    EXPECT_EQ(VectorSyntax::find("ss+s", "s", {0, 4}), 3u);
    EXPECT_EQ(VectorSyntax::find("x+2e", "2e", {0, 4}), 2u);
    EXPECT_EQ(VectorSyntax::find("x+y", "s", {0, 3}), std::string::npos);
}

TEST(VectorSyntaxCheck, CommasOutsideBracketsAndStrayCharactersAreRefused) {
    for (const auto& [text, reason] :
         std::vector<std::pair<std::string, std::string>>{{"1,2", "unexpected \",\""},
                                                          {"[(1,2)]", "unexpected \",\""},
                                                          {"K$", "unexpected character \"$\""},
                                                          {"2]", "unbalanced \"]\""}})
        try {
            VectorSyntax::check(text);
            ADD_FAILURE() << text;
        } catch (const ParameterError& error) {
            EXPECT_EQ(error.fault().reason, reason) << text;
        }
    EXPECT_NO_THROW(VectorSyntax::check("[1, (2); 3] "));
}

TEST(VectorSyntaxScanning, OnlyAWholeFiniteLiteralReadsAsANumber) {
    auto number = [](std::string_view text) {
        return VectorSyntax::number(text, {0, text.size()});
    };
    EXPECT_EQ(number(" 2.5 "), 2.5);
    EXPECT_EQ(number("-1e-6"), -1e-6);
    EXPECT_EQ(number(".5"), 0.5);
    for (std::string_view text : {"inf", "nan", "1e400", "2*3", "+1", "- 1", "0x10", ""})
        EXPECT_EQ(number(text), std::nullopt) << text;
}
