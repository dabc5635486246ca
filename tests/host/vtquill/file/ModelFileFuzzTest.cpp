#include <gtest/gtest.h>

#include "ModelFileTestSupport.h"
#include "vtquill/file/ModelFileReader.h"

using namespace VTQuillFileTest;
using VTQUILL::File::ModelFileReader;

namespace {

// Loads `text` and checks the reader's promise: a model, or one error naming the file, and
// never a model left open after an error.
void expectLoadOrError(const ModelFileReader& reader, const std::string& text,
                       const std::string& what) {
    const std::size_t modelsBefore = openModelCount();
    ModelFileReader::Result result = reader.loadText(text, "damaged.vtm");
    if (result.ok()) {
        EXPECT_TRUE(result.model.isValid()) << what;
        result.model.close();
    } else {
        EXPECT_FALSE(result.model.isValid()) << what;
        EXPECT_FALSE(result.error->problem.empty()) << what;
        EXPECT_EQ(result.error->message().rfind("damaged.vtm: ", 0), 0u) << what;
    }
    EXPECT_EQ(openModelCount(), modelsBefore) << what;
}

// A prime stride samples every kind of position (keys, numbers, strings, punctuation)
// while keeping the debug-build run short.
constexpr std::size_t kStride = 7;

class ModelFileFuzzTest : public testing::TestWithParam<const char*> {
protected:
    std::string text = readFile(examplePath(GetParam()));
    ModelFileReader reader;
};

}  // namespace

TEST_P(ModelFileFuzzTest, EveryTruncationLoadsOrReportsAnError) {
    ASSERT_FALSE(text.empty());
    for (std::size_t length = 0; length < text.size(); length += kStride)
        expectLoadOrError(reader, text.substr(0, length), "cut at " + std::to_string(length));
}

TEST_P(ModelFileFuzzTest, EveryFlippedByteLoadsOrReportsAnError) {
    ASSERT_FALSE(text.empty());
    for (std::size_t at = 0; at < text.size(); at += kStride) {
        for (unsigned char mask : {0x01, 0x20, 0x80}) {
            std::string damaged = text;
            damaged[at] = static_cast<char>(damaged[at] ^ mask);
            expectLoadOrError(reader, damaged,
                              "byte " + std::to_string(at) + " xor " + std::to_string(mask));
        }
    }
}

TEST_P(ModelFileFuzzTest, DeletedAndDoubledBytesLoadOrReportAnError) {
    for (std::size_t at = 3; at < text.size(); at += kStride * 3) {
        expectLoadOrError(reader, std::string(text).erase(at, 1), "deleted " + std::to_string(at));
        expectLoadOrError(reader, std::string(text).insert(at, 1, text[at]),
                          "doubled " + std::to_string(at));
    }
}

INSTANTIATE_TEST_SUITE_P(Examples, ModelFileFuzzTest,
                         testing::Values("pid_loop.vtm", "rc_network.vtm"),
                         [](const testing::TestParamInfo<const char*>& info) {
                             std::string name = info.param;
                             name.erase(name.find('.'));
                             return name;
                         });

TEST(ModelFileFuzzEdgeTest, DeeplyNestedArraysAreRefusedWithoutExhaustingTheStack) {
    const std::string deep = std::string(200000, '[') + std::string(200000, ']');
    expectLoadOrError(ModelFileReader(), deep, "deep nesting");
}

TEST(ModelFileFuzzEdgeTest, HugeAndOddNumbersAreRefusedOrRead) {
    std::string text = readFile(malformedPath("valid_minimal.vtm"));
    const std::string original = "100,";  // the x of the scope's position, the only "100,"
    ASSERT_NE(text.find(original), std::string::npos);
    for (const char* number : {"1e999", "-1e999", "1e-999", "18446744073709551616", "NaN", "0x10",
                               "01", "-", "1.", ".5"}) {
        std::string damaged = text;
        damaged.replace(damaged.find(original), original.size(), std::string(number) + ",");
        expectLoadOrError(ModelFileReader(), damaged, number);
    }
}
