#pragma once

#include <string_view>

#include "vtquill/file/JsonCheck.h"
#include "vtquill/file/ModelDocument.h"

namespace VTQUILL::File {

// Turns the text of a model file into a ModelDocument, checking the JSON syntax, the format
// name and version, every field's presence and type, unknown and repeated fields, empty
// names, the fixed vocabularies (port kinds, line types, library link types) and the run
// settings (SimulationSettingsValidator: numbers greater than 0, known solvers). Older names
// of block types, parameters and parameter values come out as their current names
// (LegacyNames). References between elements are left to DocumentValidator.
//
// Throws ModelFileError: for bad JSON the place is "line L, column C"; otherwise it is the
// JSON path of the offending value.
class DocumentDecoder {
public:
    static ModelDocument decode(std::string_view text);

private:
    static ModelDocument decodeRoot(const JsonValue& root);
    static QUILL::StringMap decodeSimulation(const JsonValue& value, const JsonPlace& place);
    static DocDiagram decodeDiagram(const JsonValue& value, const JsonPlace& place);
    static DocBlock decodeBlock(const JsonValue& value, const JsonPlace& place);
    static QUILL::StringMap decodeParameters(const JsonValue& value, const JsonPlace& place,
                                             const std::string& blockType);
    static DocPort decodePort(const JsonValue& value, const JsonPlace& place);
    static DocLine decodeLine(const JsonValue& value, const JsonPlace& place);
    static DocJoint decodeJoint(const JsonValue& value, const JsonPlace& place);
    static DocSegment decodeSegment(const JsonValue& value, const JsonPlace& place);
    static DocEnd decodeEnd(const JsonValue& value, const JsonPlace& place);
    static DocTerminator decodeTerminator(const JsonValue& value, const JsonPlace& place);
    static DocLabel decodeLabel(const JsonValue& value, const JsonPlace& place);
    static DocAnnotation decodeAnnotation(const JsonValue& value, const JsonPlace& place);
    static CHARTIX::ChartContent decodeChart(const JsonValue& value, const JsonPlace& place);
};

}  // namespace VTQUILL::File
