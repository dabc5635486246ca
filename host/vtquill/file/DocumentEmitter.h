#pragma once

#include <string>

#include "vtquill/file/ElementLocation.h"
#include "vtquill/file/ModelDocument.h"

namespace VTQUILL::File {

// Prints a ModelDocument as the canonical text of a model file: fixed key order, two-space
// indentation with one line per port, joint, segment and annotation, numbers as NumberText
// spells them, strings as RapidJSON's writer escapes them. The same document always gives
// the same bytes.
//
// Throws ModelFileError naming the element's field when a number is outside CoordinateRange
// (the reader would refuse the file) or a text is not valid UTF-8 (JSON cannot hold it), and
// naming the setting for a run setting the reader would refuse.
class DocumentEmitter {
public:
    static std::string emit(const ModelDocument& doc);

private:
    explicit DocumentEmitter(std::string& out) : out_(out) {}

    // "simulation": {...} on one line. Throws ModelFileError naming the setting
    // ("simulation.relTol") for an unknown key or a value the reader would refuse.
    void simulation(const QUILL::StringMap& settings);
    void diagram(const DocDiagram& d, const ElementLocation& at);
    void block(const DocBlock& b, const ElementLocation& at);
    void port(const DocPort& p, const ElementLocation& at);
    void chart(const CHARTIX::ChartContent& c, const ElementLocation& at);
    void line(const DocLine& l, const ElementLocation& at);
    void segment(const DocSegment& s, const ElementLocation& at);
    void annotation(const DocAnnotation& a, const ElementLocation& at);

    void newline(int depth);
    void key(const char* name);
    // Writes `text` as a JSON string; the error names `place` (a field of the document
    // itself), or the element's field.
    void string(const std::string& text, const char* place);
    void string(const std::string& text, const ElementLocation& at, const char* field);
    // Appends `text` as a JSON string; false, appending nothing, when it is not UTF-8.
    bool appendString(const std::string& text);
    void parameters(const QUILL::StringMap& parameters, const ElementLocation& at);
    void number(double value, const ElementLocation& at, const char* field);
    void point(const PARR::GLPoint<double>& p, const ElementLocation& at, const char* field);
    void id(const FileId& id, const ElementLocation& at, const char* field);
    void end(const DocEnd& end, const ElementLocation& at, const char* field);
    // Opens a multi-line array under `name`; `emitItem(i)` writes item i at depth + 1.
    template <class F>
    void array(const char* name, std::size_t count, int depth, F emitItem);

    std::string& out_;
    std::string padded_;  // the text appendString hands to the writer
};

}  // namespace VTQUILL::File
