#include <gtest/gtest.h>

#include <set>

#include "ModelFileTestSupport.h"
#include "vtquill/file/ModelFileReader.h"

using namespace VTQuillFileTest;
using VTQUILL::File::ModelFileReader;

namespace {

struct Case {
    const char* file;
    const char* place;
    const char* problem;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.file;
}

// One file per kind of damage, with where the reader must point and what it must say.
const Case kCases[] = {
    {"bad_json.vtm", "line 5, column 2", "invalid JSON: Missing a comma"},
    {"truncated.vtm", "line 14, column 18", "invalid JSON"},
    {"invalid_utf8.vtm", "line 38, column 16", "Invalid encoding"},
    {"lone_surrogate.vtm", "line 38, column 23",
     "invalid JSON: The surrogate pair in string is invalid"},
    {"wrong_value_type.vtm", "diagrams[0].blocks[1].position", "expected [x, y]"},
    {"fractional_integer.vtm", "diagrams[0].blocks[1].ports[0].number", "expected an integer"},
    {"missing_required_field.vtm", "diagrams[0].blocks[0].type", "required field is missing"},
    {"unknown_field.vtm", "diagrams[0].blocks[0].colour", "unknown field \"colour\""},
    {"repeated_field.vtm", "diagrams[0].blocks[0].name", "field \"name\" appears twice"},
    {"unknown_block_type.vtm", "diagrams[0].blocks[0].type",
     "unknown block type \"Flux Capacitor\""},
    {"unknown_port_kind.vtm", "diagrams[0].blocks[1].ports[0].kind", "unknown port kind \"Input\""},
    {"unknown_line_type.vtm", "diagrams[0].lines[0].type", "unknown line type \"Wire\""},
    {"duplicate_id.vtm", "diagrams[0].blocks[1].ports[0].id", "duplicate id 3"},
    {"missing_reference.vtm", "diagrams[0].lines[0].segments[0].destination",
     "no element has the id 99"},
    {"reference_to_wrong_kind.vtm", "diagrams[0].lines[0].segments[0].destination",
     "the id 2 is a block"},
    {"port_of_another_diagram.vtm", "diagrams[0].lines[0].segments[0].destination",
     "port 22 is on a block of another diagram"},
    {"two_segments_on_one_port.vtm", "diagrams[0].lines[1].segments[0].destination",
     "port 5 already holds a segment end"},
    {"joint_in_another_line.vtm", "diagrams[0].lines[1].segments[0].source",
     "solder joint 10 belongs to another line"},
    {"terminator_of_another_segment.vtm", "diagrams[0].lines[1].segments[0].source",
     "terminator 12 belongs to another segment"},
    {"unused_terminator.vtm", "diagrams[0].lines[0].segments[0].terminators[0]",
     "ends neither end of its segment"},
    {"containment_cycle.vtm", "diagrams[2].blocks[0].subsystem", "containment cycle"},
    {"diagram_inside_itself.vtm", "diagrams[1].blocks[0].subsystem", "containment cycle"},
    {"diagram_owned_twice.vtm", "diagrams[0].blocks[3].subsystem",
     "diagram 20 is already the inner diagram of diagrams[0].blocks[2]"},
    {"empty_name.vtm", "diagrams[0].blocks[1].name", "a name cannot be empty"},
    {"no_diagrams.vtm", "diagrams", "at least one diagram"},
    {"position_out_of_range.vtm", "diagrams[0].blocks[1].position",
     "must be finite numbers within -1e9 to 1e9; found 1e+300"},
    {"size_out_of_range.vtm", "diagrams[0].blocks[0].size", "found 2000000000"},
    {"orientation_out_of_range.vtm", "diagrams[0].blocks[1].ports[0].orientation",
     "found -1000000000.5"},
    {"vertex_out_of_range.vtm", "diagrams[0].lines[0].segments[0].vertices[1]",
     "found -1000000000000"},
    {"unknown_format.vtm", "format", "unknown format \"spreadsheet\""},
    {"unknown_version.vtm", "version", "unsupported version 2"},
};

class MalformedCorpusTest : public testing::TestWithParam<Case> {};

}  // namespace

TEST_P(MalformedCorpusTest, TheErrorNamesTheFileThePlaceAndTheProblem) {
    const std::string path = malformedPath(GetParam().file).string();
    const std::size_t modelsBefore = openModelCount();

    ModelFileReader::Result result = ModelFileReader().load(path);

    ASSERT_FALSE(result.ok());
    EXPECT_FALSE(result.model.isValid());
    EXPECT_EQ(openModelCount(), modelsBefore) << "a rejected file leaves no model open";
    EXPECT_EQ(result.error->file, path);
    EXPECT_EQ(result.error->place, GetParam().place);
    EXPECT_NE(result.error->problem.find(GetParam().problem), std::string::npos)
        << result.error->problem;
    const std::string message = result.error->message();
    EXPECT_EQ(message.find(path + ": " + GetParam().place + ": "), 0u) << message;
}

INSTANTIATE_TEST_SUITE_P(EveryKindOfDamage, MalformedCorpusTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case>& info) {
                             std::string name = info.param.file;
                             name.erase(name.find('.'));
                             return name;
                         });

TEST(MalformedCorpusCoverageTest, EveryFileOfTheCorpusIsChecked) {
    std::set<std::string> checked;
    for (const Case& c : kCases)
        checked.insert(c.file);
    for (const auto& entry : std::filesystem::directory_iterator(malformedPath(""))) {
        const std::string name = entry.path().filename().string();
        if (name != "valid_minimal.vtm") {
            EXPECT_TRUE(checked.count(name)) << name << " has no expected error";
        }
    }
}

TEST(MalformedCorpusCoverageTest, TheCorpusBaseFileItselfLoads) {
    ModelFileReader::Result result = ModelFileReader().load(malformedPath("valid_minimal.vtm"));
    ASSERT_TRUE(result.ok()) << result.error->message();
    EXPECT_EQ(result.model.getName(), "m");
    result.model.close();
}

TEST(MalformedCorpusCoverageTest, AMissingFileIsReportedWithTheSystemsReason) {
    const std::string path = malformedPath("no_such_file.vtm").string();
    ModelFileReader::Result result = ModelFileReader().load(path);
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error->message(), path + ": cannot read the file: No such file or directory");
}
