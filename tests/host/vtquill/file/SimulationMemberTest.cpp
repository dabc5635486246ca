#include <gtest/gtest.h>
#include <rapidcheck/gtest.h>

#include <charconv>
#include <cmath>

#include "ModelFileTestSupport.h"
#include "quill/Transaction.h"
#include "vtquill/file/DocumentEmitter.h"
#include "vtquill/file/ModelFileError.h"
#include "vtquill/file/ModelFileReader.h"
#include "vtquill/file/ModelFileWriter.h"

using namespace VTQuillFileTest;
using namespace VTQUILL;
using File::ModelFileReader;
using File::ModelFileWriter;

namespace {

// A model file in canonical form holding one empty diagram; `member` (a whole line, or
// nothing) goes where the "simulation" member belongs, right after the name.
std::string fileWith(const std::string& member) {
    return "{\n"
           "  \"format\": \"vantor-model\",\n"
           "  \"version\": 1,\n"
           "  \"name\": \"run\",\n" +
           member +
           "  \"diagrams\": [\n"
           "    {\n"
           "      \"id\": 1,\n"
           "      \"name\": \"run\",\n"
           "      \"blocks\": [],\n"
           "      \"lines\": [],\n"
           "      \"annotations\": []\n"
           "    }\n"
           "  ]\n"
           "}\n";
}

std::string simulationLine(const std::string& object) {
    return "  \"simulation\": " + object + ",\n";
}

// The model of a file that must load; closed at the end of the test.
struct Loaded {
    explicit Loaded(const std::string& text) : result(ModelFileReader().loadText(text, "run.vtm")) {
        EXPECT_TRUE(result.ok()) << (result.ok() ? "" : result.error->message());
    }
    ~Loaded() { result.model.close(); }
    std::string saved() const { return ModelFileWriter::toText(result.model); }
    const QUILL::StringMap& settings() const { return result.model.getSimulationSettings(); }

    ModelFileReader::Result result;
};

double numberIn(const std::string& text) {
    double value = 0;
    const auto r = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_TRUE(r.ec == std::errc() && r.ptr == text.data() + text.size()) << text;
    return value;
}

}  // namespace

// --- Reading and writing -----------------------------------------------------------------------

TEST(SimulationMemberTest, AFileWithEverySettingRoundTripsByteForByteAndGivesTheValuesBack) {
    const std::string text = fileWith(
        simulationLine(R"({"stopTime": 2.5, "solver": "rk4", "relTol": 0.005, "absTol": 1e-08, )"
                       R"("maxStep": 0.05, "fixedStep": 0.001, "outputStep": 12})"));
    const Loaded loaded(text);
    ASSERT_TRUE(loaded.result.ok());
    EXPECT_EQ(loaded.saved(), text);

    const QUILL::StringMap& s = loaded.settings();
    ASSERT_EQ(s.size(), 7u);
    const char* keys[] = {"stopTime", "solver",    "relTol",    "absTol",
                          "maxStep",  "fixedStep", "outputStep"};
    for (std::size_t i = 0; i < s.size(); ++i)
        EXPECT_EQ(s[i].first, keys[i]);
    EXPECT_EQ(s[1].second, "rk4");
    const double numbers[] = {2.5, 0, 0.005, 1e-08, 0.05, 0.001, 12};
    for (std::size_t i : {0u, 2u, 3u, 4u, 5u, 6u})
        EXPECT_EQ(numberIn(s[i].second), numbers[i]) << s[i].first;
}

TEST(SimulationMemberTest, AFileWithSomeSettingsWritesOnlyThoseInTheCanonicalOrderAndSpelling) {
    const Loaded loaded(
        fileWith(simulationLine(R"({"solver": "bdf", "outputStep": 5e-1, "stopTime": 20.0})")));
    ASSERT_TRUE(loaded.result.ok());
    const std::string canonical =
        fileWith(simulationLine(R"({"stopTime": 20, "solver": "bdf", "outputStep": 0.5})"));
    EXPECT_EQ(loaded.saved(), canonical);
    EXPECT_EQ(Loaded(canonical).saved(), canonical);
}

TEST(SimulationMemberTest, AFileWithoutTheMemberOrWithAnEmptyOneIsSavedWithoutIt) {
    const Loaded without(fileWith(""));
    EXPECT_TRUE(without.settings().empty());
    EXPECT_EQ(without.saved(), fileWith(""));
    const Loaded empty(fileWith(simulationLine("{}")));
    EXPECT_TRUE(empty.settings().empty());
    EXPECT_EQ(empty.saved(), fileWith(""));
}

TEST(SimulationMemberTest, SettingsSetOnTheModelAreSavedAsNumbersInTheCanonicalSpelling) {
    Model model = Factory::createNewModel("run");
    {
        QUILL::Transaction tx(model);
        model.setSimulationSettings(
            {{"solver", "euler"}, {"fixedStep", "1e-3"}, {"stopTime", "4.0"}});
        tx.commit();
    }
    const std::string text = ModelFileWriter::toText(model);
    model.close();
    EXPECT_EQ(
        text,
        fileWith(simulationLine(R"({"stopTime": 4, "solver": "euler", "fixedStep": 0.001})")));
}

RC_GTEST_PROP(SimulationMemberTest, AnyPositiveNumberIsSavedSoThatItReadsBackExactly, ()) {
    const double value = *rc::gen::suchThat(rc::gen::arbitrary<double>(),
                                            [](double v) { return v > 0 && std::isfinite(v); });
    Model model = Factory::createNewModel("run");
    {
        QUILL::Transaction tx(model);
        char text[32];
        const auto end =
            std::to_chars(text, text + sizeof text, value, std::chars_format::scientific);
        model.setSimulationSettings({{"maxStep", std::string(text, end.ptr)}});
        tx.commit();
    }
    const std::string first = ModelFileWriter::toText(model);
    model.close();
    const Loaded loaded(first);
    RC_ASSERT(loaded.result.ok());
    RC_ASSERT(loaded.saved() == first);
    RC_ASSERT(numberIn(loaded.settings().at(0).second) == value);
}

// --- Refusals ------------------------------------------------------------------------------------

TEST(SimulationMemberTest, EachKindOfBadSettingIsALoadErrorNamingTheSetting) {
    const std::string number = "must be a number greater than 0; found ";
    const std::pair<const char*, std::string> cases[] = {
        {"5", "simulation: expected an object, found a number"},
        {R"(["stopTime", 1])", "simulation: expected an object, found an array"},
        {R"({"stopTme": 1})", R"(simulation.stopTme: unknown field "stopTme")"},
        {R"({"relTol": "0.001"})", "simulation.relTol: expected a number, found a string"},
        {R"({"absTol": null})", "simulation.absTol: expected a number, found null"},
        {R"({"solver": 4})", "simulation.solver: expected a string, found a number"},
        {R"({"maxStep": 0})", "simulation.maxStep: " + number + "0"},
        {R"({"fixedStep": -0.0})", "simulation.fixedStep: " + number + "-0"},
        {R"({"stopTime": -10})", "simulation.stopTime: " + number + "-10"},
        {R"({"outputStep": 1e-400})", "simulation.outputStep: " + number + "0"},
        {R"({"solver": "ode45"})",
         R"(simulation.solver: unknown solver "ode45"; expected "auto", "dopri5", "bdf", )"
         R"("adams", "rk4" or "euler")"},
        {R"({"stopTime": 1, "stopTime": 2})",
         R"(simulation.stopTime: field "stopTime" appears twice)"},
    };
    const std::size_t modelsBefore = openModelCount();
    for (const auto& [object, expected] : cases) {
        const ModelFileReader::Result result =
            ModelFileReader().loadText(fileWith(simulationLine(object)), "run.vtm");
        ASSERT_FALSE(result.ok()) << object;
        EXPECT_EQ(result.error->message(), "run.vtm: " + expected);
    }
    EXPECT_EQ(openModelCount(), modelsBefore);
}

TEST(SimulationMemberTest, ANumberTooLargeForADoubleIsRefusedAsJsonAtItsLine) {
    const ModelFileReader::Result result =
        ModelFileReader().loadText(fileWith(simulationLine(R"({"stopTime": 1e999})")), "run.vtm");
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error->place.rfind("line 5, column ", 0), 0u) << result.error->message();
}

TEST(SimulationMemberTest, TheWriterRefusesASettingTheReaderWouldRefuseAndNamesIt) {
    File::ModelDocument doc;
    doc.name = "run";
    doc.diagrams.resize(1);
    doc.diagrams[0].id = File::FileId{"1"};
    doc.diagrams[0].name = "run";
    const std::pair<QUILL::StringMap, std::string> cases[] = {
        {{{"relTol", "-1"}}, "simulation.relTol"},
        {{{"solver", "auto"}, {"timeLimit", "3"}}, "simulation.timeLimit"},
    };
    for (const auto& [settings, place] : cases) {
        doc.simulation = settings;
        try {
            File::DocumentEmitter::emit(doc);
            ADD_FAILURE() << place << " was saved";
        } catch (const File::ModelFileError& e) {
            EXPECT_EQ(e.place(), place);
            EXPECT_EQ(e.problem().rfind("cannot be saved: ", 0), 0u) << e.problem();
        }
    }
}
