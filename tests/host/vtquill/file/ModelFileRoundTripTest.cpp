#include <gtest/gtest.h>

#include "ModelFileTestSupport.h"
#include "host/vtquill/DiagramBuilder.h"
#include "vtquill/file/ModelFileReader.h"
#include "vtquill/file/ModelFileWriter.h"
#include "vtquill/file/ModelGenerator.h"

using namespace VTQuillFileTest;
using namespace VTQUILL;
using File::ModelFileReader;
using File::ModelFileWriter;

namespace {

// Loads text that must be valid; the caller closes the model.
Model loadText(const std::string& text) {
    ModelFileReader::Result result = ModelFileReader().loadText(text, "test.vtm");
    EXPECT_TRUE(result.ok()) << (result.ok() ? "" : result.error->message());
    return result.model;
}

std::string saveLoadSave(const Model& model) {
    Model loaded = loadText(ModelFileWriter::toText(model));
    if (!loaded.isValid())
        return {};
    std::string text = ModelFileWriter::toText(loaded);
    loaded.close();
    return text;
}

class ExampleRoundTripTest : public testing::TestWithParam<const char*> {};

}  // namespace

TEST_P(ExampleRoundTripTest, SavingTheLoadedExampleGivesBackTheSameBytes) {
    const std::filesystem::path path = examplePath(GetParam());
    const std::string original = readFile(path);
    ASSERT_FALSE(original.empty()) << path;
    ModelFileReader::Result result = ModelFileReader().load(path.string());
    ASSERT_TRUE(result.ok()) << result.error->message();

    TemporaryFolder folder;
    const std::string saved = (folder / GetParam()).string();
    EXPECT_EQ(ModelFileWriter().save(result.model, saved), "");
    result.model.close();
    EXPECT_EQ(readFile(saved), original);
}

INSTANTIATE_TEST_SUITE_P(Examples, ExampleRoundTripTest,
                         testing::Values("pid_loop.vtm", "rc_network.vtm", "chart_controller.vtm",
                                         "nested_subsystems.vtm"),
                         [](const testing::TestParamInfo<const char*>& info) {
                             std::string name = info.param;
                             name.erase(name.find('.'));
                             return name;
                         });

TEST(ModelFileRoundTripTest, GeneratedModelsSaveLoadAndSaveIdentically) {
    for (std::uint32_t seed : {1u, 7u, 2024u}) {
        Model model = File::ModelGenerator::generate("generated", 300, seed);
        const std::string first = ModelFileWriter::toText(model);
        EXPECT_EQ(saveLoadSave(model), first) << "seed " << seed;
        model.close();
    }
}

TEST(ModelFileRoundTripTest, EveryFieldOfEveryElementSurvivesTheFile) {
    VTQuillTest::DiagramBuilder b("Everything");
    const Block gain = b.block("Gain", "G/1", {10.25, -4}, {30, 30});
    gain.setLibraryLinkType("Modified");
    gain.setDrawName(false);
    gain.setMasked(true);
    gain.setParameter("Gain", "2.5");
    gain.setParameter("Alpha", "\"quoted\" \\ back\nslash\ttab \x01 \xc3\xa9t\xc3\xa9");
    const Port in = b.in(gain);
    const Port out = b.port(gain, kOutPort, {30, 15.5}, 33.75);
    const Block scope = b.block("Scope", "Scope", {100, 0});
    const Port scopeIn = b.in(scope);
    const Block sub = b.block("Subsystem", "Sub", {200, 0}, {60, 40});
    const Diagram inner = sub.addSubsystemDiagram();
    inner.setName("Inner name");
    inner.addAnnotation("inside").setPosition({1, 2});

    const Line line = b.diagram.addLine(kSignalLine);
    line.setLabel("speed");
    const SolderJoint joint = line.addSolderJoint({60.5, 15});
    const Segment first = line.addSegment();
    first.setSrcElement(out);
    first.setDstElement(joint);
    first.setPath({{45, 15.5}, {45, 15}});
    const Segment second = line.addSegment();
    second.setSrcElement(joint);
    second.setDstElement(scopeIn);
    second.addLabel(3).setFlipped(true);
    const Segment free = line.addSegment();
    free.setSrcElement(joint);
    free.addDstTerminator({0.1, 1e-7}).setType("Arrow");
    b.connect({}, in, kConnectionLine);
    const Annotation note = b.diagram.addAnnotation("say('hi')");
    note.setPosition({-3, 123456.789});
    note.setUseTextAsClickFcn(true);
    b.commit();

    const std::string text = ModelFileWriter::toText(b.model);
    Model loaded = loadText(text);
    ASSERT_TRUE(loaded.isValid());
    EXPECT_EQ(ModelFileWriter::toText(loaded), text);

    EXPECT_EQ(loaded.getName(), "Everything");
    const Diagram top = loaded.getDiagrams().front();
    const Block g = top.getBlocks()[0];
    EXPECT_EQ(g.getName(), "G/1");
    EXPECT_EQ(g.getPosition(), (PARR::GLPoint<double>{10.25, -4}));
    EXPECT_EQ(g.getLibraryLinkType(), "Modified");
    EXPECT_FALSE(g.getDrawName());
    EXPECT_TRUE(g.isMasked());
    EXPECT_EQ(g.getParameters(), gain.getParameters());
    EXPECT_EQ(g.getContained()[1].getOrientation(), 33.75);
    EXPECT_EQ(g.getContained()[1].getPortNumber(), 2);
    EXPECT_EQ(top.getBlocks()[2].getSubsystemDiagram().getName(), "Inner name");
    const Line l = top.getLines()[0];
    EXPECT_EQ(l.getLabel(), "speed");
    EXPECT_EQ(l.getSolderJoints()[0].getPosition(), (PARR::GLPoint<double>{60.5, 15}));
    EXPECT_EQ(l.getSegments()[0].getPath(), first.getPath());
    EXPECT_EQ(l.getSegments()[0].getSrcElement(), g.getContained()[1]);
    EXPECT_EQ(l.getSegments()[1].getLabels()[0].getLocation(), 3);
    EXPECT_TRUE(l.getSegments()[1].getLabels()[0].getFlipped());
    const Terminator end(l.getSegments()[2].getDstElement());
    ASSERT_TRUE(end.isValid());
    EXPECT_EQ(end.getType(), "Arrow");
    EXPECT_EQ(end.getPosition(), (PARR::GLPoint<double>{0.1, 1e-7}));
    EXPECT_EQ(top.getLines()[1].getType(), kConnectionLine);
    EXPECT_TRUE(top.getAnnotations()[0].getUseTextAsClickFcn());
    EXPECT_EQ(top.getAnnotations()[0].getPosition(), (PARR::GLPoint<double>{-3, 123456.789}));
    loaded.close();
}

TEST(ModelFileRoundTripTest, StringIdsAndAnyKeyOrderAreReadAndSavedCanonically) {
    const std::string text = R"({"diagrams": [{"lines": [{"segments": [
        {"destination": "in", "source": "out", "id": "wire"}], "type": "Signal", "id": "line"}],
        "blocks": [
          {"ports": [{"orientation": 0, "position": [30, 15], "number": 1, "kind": "Out Port",
                      "id": "out"}], "size": [30, 30], "position": [0, 0], "name": "C",
           "type": "Constant", "id": "c"},
          {"ports": [{"orientation": 180, "position": [0, 16], "number": 1, "kind": "In Port",
                      "id": "in"}], "size": [30, 32], "position": [100, 0], "name": "S",
           "type": "Scope", "id": "s"}],
        "name": "top", "id": "top"}], "name": "ids", "version": 1, "format": "vantor-model"})";
    Model model = loadText(text);
    ASSERT_TRUE(model.isValid());
    const std::string canonical = ModelFileWriter::toText(model);
    EXPECT_NE(canonical.find("\"source\": 3, \"destination\": 5"), std::string::npos) << canonical;
    EXPECT_EQ(saveLoadSave(model), canonical);
    model.close();
}

TEST(ModelFileRoundTripTest, NumbersAreWrittenShortAndReadBackExactly) {
    VTQuillTest::DiagramBuilder b("numbers");
    const double values[] = {0.1, 1.0 / 3, -0.5, 1e-7, 123456.789, 1e-300, 999999999.75, 1e9};
    for (double v : values)
        b.block("Gain", "G" + std::to_string(b.diagram.getBlocks().size()), {v, -v});
    b.commit();
    const std::string text = ModelFileWriter::toText(b.model);
    EXPECT_NE(text.find("\"position\": [0.1, -0.1]"), std::string::npos);
    EXPECT_NE(text.find("\"size\": [30, 30]"), std::string::npos) << "whole numbers have no .0";
    Model loaded = loadText(text);
    ASSERT_TRUE(loaded.isValid());
    const auto blocks = loaded.getDiagrams().front().getBlocks();
    for (std::size_t i = 0; i < std::size(values); ++i)
        EXPECT_EQ(blocks[i].getPosition(), (PARR::GLPoint<double>{values[i], -values[i]}));
    loaded.close();
}

TEST(ModelFileRoundTripTest, ANumberTheReaderWouldRefuseIsNotSavedAndNamesItsPlace) {
    VTQuillTest::DiagramBuilder b("far");
    b.block("Gain", "G", {0, 0});
    const Block far = b.block("Gain", "Far", {0, 0}, {30, 30});
    b.commit();
    TemporaryFolder folder;
    const std::string path = (folder / "far.vtm").string();
    const std::pair<PARR::GLPoint<double>, const char*> refused[] = {
        {{0, std::numeric_limits<double>::infinity()}, "found infinity"},
        {{std::nan(""), 0}, "found NaN"},
        {{1e300, 0}, "found 1e+300"}};
    for (const auto& [position, found] : refused) {
        far.setPosition(position);
        b.commit();
        const std::string error = ModelFileWriter().save(b.model, path);
        EXPECT_EQ(
            error.rfind(path + ": cannot save the model: diagrams[0].blocks[1].position: ", 0), 0u)
            << error;
        EXPECT_NE(error.find(found), std::string::npos) << error;
        EXPECT_EQ(folder.fileCount(), 0u);
    }
}

TEST(ModelFileRoundTripTest, ATextThatIsNotUtf8IsNotSavedAndNamesItsPlace) {
    VTQuillTest::DiagramBuilder b("bytes");
    b.block("Gain", "fine").setParameter("Gain", "cut short \xe2\x82");
    b.commit();
    TemporaryFolder folder;
    const std::string path = (folder / "bytes.vtm").string();
    const std::string error = ModelFileWriter().save(b.model, path);
    EXPECT_EQ(error, path +
                         ": cannot save the model: diagrams[0].blocks[0].parameters[0]: a text "
                         "that is not valid UTF-8 cannot be saved");
    EXPECT_EQ(folder.fileCount(), 0u);
}

TEST(ModelFileRoundTripTest, ControlCharactersAreEscapedAndReadBack) {
    VTQuillTest::DiagramBuilder b("controls");
    const std::string name = std::string(
                                 "a\x08"
                                 "b\x0c\x1f\x7f") +
                             '\0' + "z";
    b.block("Gain", name);
    b.commit();
    const std::string text = ModelFileWriter::toText(b.model);
    EXPECT_NE(text.find("\"name\": \"a\\bb\\f\\u001F\x7f\\u0000z\""), std::string::npos) << text;
    Model loaded = loadText(text);
    ASSERT_TRUE(loaded.isValid());
    EXPECT_EQ(loaded.getDiagrams().front().getBlocks()[0].getName(), name);
    loaded.close();
}
