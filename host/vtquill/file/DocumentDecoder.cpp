#include "vtquill/file/DocumentDecoder.h"

#include <algorithm>

#include <rapidjson/error/en.h>

#include "vtquill/Schema.h"
#include "vtquill/SimulationSettingsValidator.h"
#include "vtquill/file/FileFormat.h"
#include "vtquill/file/JsonObjectReader.h"
#include "vtquill/file/JsonTextParser.h"
#include "vtquill/file/LegacyNames.h"
#include "vtquill/file/ModelFileError.h"
#include "vtquill/file/NumberText.h"

namespace VTQUILL::File {

namespace {

constexpr const char* kRootFields[] = {"format", "version", "name", "simulation", "diagrams"};
constexpr const char* kDiagramFields[] = {"id", "name", "blocks", "lines", "annotations"};
constexpr const char* kBlockFields[] = {
    "id",       "type",   "name",       "position", "size",      "libraryLinkType",
    "drawName", "masked", "parameters", "ports",    "subsystem", "chart"};
constexpr const char* kChartFields[] = {"name", "states"};
constexpr const char* kStateFields[] = {"name", "position", "size"};
constexpr const char* kPortFields[] = {"id", "kind", "number", "position", "orientation"};
constexpr const char* kLineFields[] = {"id", "type", "label", "joints", "segments"};
constexpr const char* kJointFields[] = {"id", "position"};
constexpr const char* kSegmentFields[] = {"id",       "source",      "destination",
                                          "vertices", "terminators", "labels"};
constexpr const char* kTerminatorFields[] = {"id", "type", "position"};
constexpr const char* kLabelFields[] = {"location", "flipped"};
constexpr const char* kAnnotationFields[] = {"id", "text", "position", "clickFunction"};

constexpr const char* kPortKinds[] = {kInPort, kOutPort, kConnectionPort};
constexpr const char* kLineTypes[] = {kSignalLine, kConnectionLine};
constexpr const char* kLinkTypes[] = {"None", "Default", "Modified", "Disabled"};

template <std::size_t N>
std::string oneOf(const std::string& value, const char* const (&allowed)[N], const JsonPlace& place,
                  const char* what) {
    for (const char* a : allowed) {
        if (value == a)
            return value;
    }
    std::string list;
    for (std::size_t i = 0; i < N; ++i) {
        list += (i == 0 ? "" : i + 1 == N ? " or " : ", ");
        list += '"' + std::string(allowed[i]) + '"';
    }
    throw ModelFileError(place.toString(),
                         "unknown " + std::string(what) + " \"" + value + "\"; expected " + list);
}

// Decodes every item of an array with `decodeItem`.
template <class T, class F>
std::vector<T> decodeItems(const JsonValue& array, const JsonPlace& place, F decodeItem) {
    std::vector<T> items;
    items.reserve(array.Size());
    for (rapidjson::SizeType i = 0; i < array.Size(); ++i)
        items.push_back(decodeItem(array[i], place.item(i)));
    return items;
}

std::string syntaxPlace(std::string_view text, std::size_t offset) {
    offset = std::min(offset, text.size());
    std::size_t line = 1, lineStart = 0;
    for (std::size_t i = 0; i < offset; ++i) {
        if (text[i] == '\n') {
            ++line;
            lineStart = i + 1;
        }
    }
    return "line " + std::to_string(line) + ", column " + std::to_string(offset - lineStart + 1);
}

}  // namespace

ModelDocument DocumentDecoder::decode(std::string_view text) {
    rapidjson::Document json;
    const rapidjson::ParseResult parsed = JsonTextParser::parse(text, json);
    if (parsed.IsError()) {
        throw ModelFileError(
            syntaxPlace(text, parsed.Offset()),
            std::string("invalid JSON: ") + rapidjson::GetParseError_En(parsed.Code()));
    }
    return decodeRoot(json);
}

ModelDocument DocumentDecoder::decodeRoot(const JsonValue& root) {
    const JsonPlace place;
    const JsonObjectReader object(root, place, kRootFields);
    const std::string format = object.requireString("format");
    if (format != FileFormat::kFormatName) {
        throw ModelFileError("format", "unknown format \"" + format + "\"; expected \"" +
                                           FileFormat::kFormatName + "\"");
    }
    const JsonValue& version = object.require("version");
    if (!version.IsInt64() || version.GetInt64() != FileFormat::kVersion) {
        const std::string found =
            version.IsInt64() ? "version " + std::to_string(version.GetInt64())
                              : std::string("version value, ") + JsonCheck::describe(version);
        throw ModelFileError("version", "unsupported " + found + "; this program reads version " +
                                            std::to_string(FileFormat::kVersion));
    }
    ModelDocument doc;
    doc.name = object.requireName("name");
    if (const JsonValue* simulation = object.find("simulation"))
        doc.simulation = decodeSimulation(*simulation, place.field("simulation"));
    const JsonPlace diagrams = place.field("diagrams");
    doc.diagrams = decodeItems<DocDiagram>(JsonCheck::asArray(object.require("diagrams"), diagrams),
                                           diagrams, &decodeDiagram);
    if (doc.diagrams.empty())
        throw ModelFileError("diagrams", "a model needs at least one diagram");
    return doc;
}

QUILL::StringMap DocumentDecoder::decodeSimulation(const JsonValue& value, const JsonPlace& place) {
    using Settings = SimulationSettingsValidator;
    const JsonObjectReader object(value, place, Settings::keys());
    QUILL::StringMap settings;
    // Walking the keys rather than the members gives the canonical order whatever the file's.
    for (const char* key : Settings::keys()) {
        const JsonValue* setting = object.find(key);
        if (!setting)
            continue;
        const JsonPlace at = place.field(key);
        std::string text;
        if (Settings::isNumberKey(key)) {
            const double number = JsonCheck::asNumber(*setting, at);
            if (std::string problem = Settings::numberProblem(number); !problem.empty())
                throw ModelFileError(at.toString(), std::move(problem));
            NumberText::append(text, number);
        } else {
            text = JsonCheck::asString(*setting, at);
            if (std::string problem = Settings::solverProblem(text); !problem.empty())
                throw ModelFileError(at.toString(), std::move(problem));
        }
        settings.emplace_back(key, std::move(text));
    }
    return settings;
}

DocDiagram DocumentDecoder::decodeDiagram(const JsonValue& value, const JsonPlace& place) {
    const JsonObjectReader object(value, place, kDiagramFields);
    DocDiagram d;
    d.id = object.requireId("id");
    d.name = object.requireName("name");
    d.blocks =
        decodeItems<DocBlock>(object.optionalArray("blocks"), place.field("blocks"), &decodeBlock);
    d.lines =
        decodeItems<DocLine>(object.optionalArray("lines"), place.field("lines"), &decodeLine);
    d.annotations = decodeItems<DocAnnotation>(object.optionalArray("annotations"),
                                               place.field("annotations"), &decodeAnnotation);
    return d;
}

DocBlock DocumentDecoder::decodeBlock(const JsonValue& value, const JsonPlace& place) {
    const JsonObjectReader object(value, place, kBlockFields);
    DocBlock b;
    b.id = object.requireId("id");
    b.type = LegacyNames::blockType(object.requireName("type"));
    b.name = object.requireName("name");
    b.position = object.requirePoint("position");
    b.size = object.requirePoint("size");
    if (b.size.x < 0 || b.size.y < 0)
        throw ModelFileError(place.field("size").toString(), "a size cannot be negative");
    b.libraryLinkType = oneOf(object.optionalString("libraryLinkType", "None"), kLinkTypes,
                              place.field("libraryLinkType"), "library link type");
    b.drawName = object.optionalBool("drawName", true);
    b.masked = object.optionalBool("masked", false);
    b.parameters =
        decodeParameters(object.optionalArray("parameters"), place.field("parameters"), b.type);
    b.ports =
        decodeItems<DocPort>(object.optionalArray("ports"), place.field("ports"), &decodePort);
    if (const JsonValue* subsystem = object.find("subsystem")) {
        b.hasSubsystem = true;
        b.subsystem = JsonCheck::asId(*subsystem, place.field("subsystem"));
    }
    if (const JsonValue* chart = object.find("chart")) {
        b.hasChart = true;
        b.chart = decodeChart(*chart, place.field("chart"));
    }
    return b;
}

CHARTIX::ChartContent DocumentDecoder::decodeChart(const JsonValue& value, const JsonPlace& place) {
    const JsonObjectReader object(value, place, kChartFields);
    CHARTIX::ChartContent chart;
    chart.name = object.requireName("name");
    chart.states = decodeItems<CHARTIX::StateContent>(
        object.optionalArray("states"), place.field("states"),
        [](const JsonValue& item, const JsonPlace& at) {
            const JsonObjectReader state(item, at, kStateFields);
            CHARTIX::StateContent s{state.requireName("name"), state.requirePoint("position"),
                                    state.requirePoint("size")};
            if (s.size.x < 0 || s.size.y < 0)
                throw ModelFileError(at.field("size").toString(), "a size cannot be negative");
            return s;
        });
    return chart;
}

QUILL::StringMap DocumentDecoder::decodeParameters(const JsonValue& value, const JsonPlace& place,
                                                   const std::string& blockType) {
    QUILL::StringMap parameters;
    parameters.reserve(value.Size());
    std::vector<std::string> writtenNames;
    for (rapidjson::SizeType i = 0; i < value.Size(); ++i) {
        const JsonPlace at = place.item(i);
        const JsonValue& pair = value[i];
        if (!pair.IsArray() || pair.Size() != 2 || !pair[0].IsString() || !pair[1].IsString())
            JsonCheck::wrongType(pair, at, "[name, value] (an array of two strings)");
        std::string written = JsonCheck::asName(pair[0], at.item(0));
        std::string name = LegacyNames::parameter(blockType, written);
        for (std::size_t k = 0; k < parameters.size(); ++k) {
            if (parameters[k].first != name)
                continue;
            // An older and a current name of one parameter collide only after the rename, so
            // the message then shows both as the file wrote them.
            if (writtenNames[k] == written)
                throw ModelFileError(at.toString(), "parameter \"" + written + "\" appears twice");
            throw ModelFileError(at.toString(), "parameter \"" + name + "\" appears twice (as \"" +
                                                    writtenNames[k] + "\" and \"" + written +
                                                    "\")");
        }
        std::string text =
            LegacyNames::parameterValue(blockType, name, JsonCheck::asString(pair[1], at.item(1)));
        writtenNames.push_back(std::move(written));
        parameters.emplace_back(std::move(name), std::move(text));
    }
    return parameters;
}

DocPort DocumentDecoder::decodePort(const JsonValue& value, const JsonPlace& place) {
    const JsonObjectReader object(value, place, kPortFields);
    DocPort p;
    p.id = object.requireId("id");
    p.kind = oneOf(object.requireString("kind"), kPortKinds, place.field("kind"), "port kind");
    p.number = object.requireInteger("number");
    if (p.number < 1)
        throw ModelFileError(place.field("number").toString(), "a port number starts at 1");
    p.position = object.requirePoint("position");
    p.orientation = object.requireNumber("orientation");
    return p;
}

DocLine DocumentDecoder::decodeLine(const JsonValue& value, const JsonPlace& place) {
    const JsonObjectReader object(value, place, kLineFields);
    DocLine l;
    l.id = object.requireId("id");
    l.type = oneOf(object.requireString("type"), kLineTypes, place.field("type"), "line type");
    l.label = object.optionalString("label", "");
    l.joints =
        decodeItems<DocJoint>(object.optionalArray("joints"), place.field("joints"), &decodeJoint);
    l.segments = decodeItems<DocSegment>(object.optionalArray("segments"), place.field("segments"),
                                         &decodeSegment);
    return l;
}

DocJoint DocumentDecoder::decodeJoint(const JsonValue& value, const JsonPlace& place) {
    const JsonObjectReader object(value, place, kJointFields);
    return DocJoint{object.requireId("id"), object.requirePoint("position")};
}

DocSegment DocumentDecoder::decodeSegment(const JsonValue& value, const JsonPlace& place) {
    const JsonObjectReader object(value, place, kSegmentFields);
    DocSegment s;
    s.id = object.requireId("id");
    s.source = decodeEnd(object.require("source"), place.field("source"));
    s.destination = decodeEnd(object.require("destination"), place.field("destination"));
    s.vertices = JsonCheck::asPath(object.optionalArray("vertices"), place.field("vertices"));
    s.terminators = decodeItems<DocTerminator>(object.optionalArray("terminators"),
                                               place.field("terminators"), &decodeTerminator);
    s.labels =
        decodeItems<DocLabel>(object.optionalArray("labels"), place.field("labels"), &decodeLabel);
    return s;
}

DocEnd DocumentDecoder::decodeEnd(const JsonValue& value, const JsonPlace& place) {
    DocEnd end;
    if (value.IsNull())
        return end;
    end.attached = true;
    end.target = JsonCheck::asId(value, place);
    return end;
}

DocTerminator DocumentDecoder::decodeTerminator(const JsonValue& value, const JsonPlace& place) {
    const JsonObjectReader object(value, place, kTerminatorFields);
    DocTerminator t;
    t.id = object.requireId("id");
    t.type = object.optionalString("type", "");
    t.position = object.requirePoint("position");
    return t;
}

DocLabel DocumentDecoder::decodeLabel(const JsonValue& value, const JsonPlace& place) {
    const JsonObjectReader object(value, place, kLabelFields);
    return DocLabel{object.requireInteger("location"), object.optionalBool("flipped", false)};
}

DocAnnotation DocumentDecoder::decodeAnnotation(const JsonValue& value, const JsonPlace& place) {
    const JsonObjectReader object(value, place, kAnnotationFields);
    DocAnnotation a;
    a.id = object.requireId("id");
    a.text = object.requireString("text");
    a.position = object.requirePoint("position");
    a.clickFunction = object.optionalBool("clickFunction", false);
    return a;
}

}  // namespace VTQUILL::File
