#include "rook2/TesselSyntaxHighlighter.h"

#include <gtest/gtest.h>

#include "rook2/GenericSyntaxHighlighter.h"

using namespace ROOK2;

TEST(TesselSyntaxHighlighter, MarksKeywordsStringsAndComments) {
    const std::string text = "if x, s = 'a b'; end % done";
    const auto spans = TesselSyntaxHighlighter().highlight(text);
    ASSERT_EQ(spans.size(), 4u);
    EXPECT_EQ(text.substr(spans[0].start, spans[0].length), "if");
    EXPECT_EQ(text.substr(spans[1].start, spans[1].length), "'a b'");
    EXPECT_EQ(text.substr(spans[2].start, spans[2].length), "end");
    EXPECT_EQ(text.substr(spans[3].start, spans[3].length), "% done");
    EXPECT_EQ(spans[0].color, TesselSyntaxHighlighter::keywordColor());
    EXPECT_EQ(spans[1].color, TesselSyntaxHighlighter::stringColor());
    EXPECT_EQ(spans[3].color, TesselSyntaxHighlighter::commentColor());
}

TEST(TesselSyntaxHighlighter, AQuoteAfterANameIsATransposeNotAString) {
    EXPECT_TRUE(TesselSyntaxHighlighter().highlight("y = x' * x'").empty());
}

TEST(TesselSyntaxHighlighter, KeywordsInsideLongerNamesAreNotMarked) {
    EXPECT_TRUE(TesselSyntaxHighlighter().highlight("endpoint = iffy").empty());
}

TEST(GenericSyntaxHighlighter, LeavesEverythingPlain) {
    EXPECT_TRUE(GenericSyntaxHighlighter().highlight("if x end").empty());
}
