#include "vtquill/file/JsonTextParser.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using VTQUILL::File::JsonTextParser;

namespace {

// The one number of the JSON text "[number]".
double numberOf(const std::string& number) {
    rapidjson::Document document;
    const rapidjson::ParseResult result = JsonTextParser::parse("[" + number + "]", document);
    EXPECT_FALSE(result.IsError()) << number << ": error " << result.Code();
    return result.IsError() ? std::nan("") : document[0].GetDouble();
}

}  // namespace

// RapidJSON's own conversion read these as garbage (a zero significand with a large
// exponent gave values such as 1.45e+281).
TEST(JsonTextParserTest, ZeroWithAnyExponentReadsAsZero) {
    for (const char* zero : {"0e300", "0.0e-300", "0e23", "-0e30", "0.000e-25"}) {
        const double value = numberOf(zero);
        EXPECT_EQ(value, 0.0) << zero;
        EXPECT_EQ(std::signbit(value), zero[0] == '-') << zero;
    }
}

TEST(JsonTextParserTest, NumbersAreReadExactlyFromTheEdgesOfTheDoubleRange) {
    EXPECT_EQ(numberOf("0.1"), 0.1);
    EXPECT_EQ(numberOf("123456.789e-3"), 123.456789);
    EXPECT_EQ(numberOf("5e-324"), std::numeric_limits<double>::denorm_min());
    EXPECT_EQ(numberOf("1.7976931348623157e308"), std::numeric_limits<double>::max());
    EXPECT_EQ(numberOf("-1e-400"), 0.0) << "too small for a double reads as zero";
    EXPECT_EQ(numberOf("18446744073709551616"), 18446744073709551616.0);
}

TEST(JsonTextParserTest, IntegersKeepTheirIntegerTypes) {
    rapidjson::Document document;
    ASSERT_FALSE(
        JsonTextParser::parse("[-9223372036854775808, 18446744073709551615, 7, 7.0]", document)
            .IsError());
    EXPECT_EQ(document[0].GetInt64(), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(document[1].GetUint64(), std::numeric_limits<std::uint64_t>::max());
    EXPECT_TRUE(document[2].IsInt());
    EXPECT_FALSE(document[3].IsInt64()) << "a fraction makes a double";
}

TEST(JsonTextParserTest, ANumberTooLargeForADoubleIsAnErrorAtTheNumber) {
    rapidjson::Document document;
    const rapidjson::ParseResult result = JsonTextParser::parse("[1, 9e308]", document);
    EXPECT_EQ(result.Code(), rapidjson::kParseErrorNumberTooBig);
    EXPECT_EQ(result.Offset(), 4u);
    EXPECT_TRUE(document.IsNull());
}

// RapidJSON decodes a lone low-surrogate escape into bytes that are not UTF-8; a model with
// such a name would load but could never be saved.
TEST(JsonTextParserTest, ALoneSurrogateEscapeIsAnErrorAndAPairIsOneCharacter) {
    for (const char* text : {R"(["a\udc00"])", R"({"\udfff": 1})"}) {
        rapidjson::Document document;
        EXPECT_EQ(JsonTextParser::parse(text, document).Code(),
                  rapidjson::kParseErrorStringUnicodeSurrogateInvalid)
            << text;
    }
    rapidjson::Document document;
    ASSERT_FALSE(JsonTextParser::parse(R"(["\ud83d\ude00"])", document).IsError());
    EXPECT_EQ(std::string(document[0].GetString()), "\xf0\x9f\x98\x80");
}
