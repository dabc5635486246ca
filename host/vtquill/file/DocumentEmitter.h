#pragma once

#include <string>

#include "vtquill/file/ElementLocation.h"
#include "vtquill/file/ModelDocument.h"

namespace VTQUILL::File {

// Prints a ModelDocument as the canonical text of a model file: fixed key order, two-space
// indentation with one line per port, joint, segment and annotation, numbers as NumberText
// spells them, strings escaped as JSON needs (invalid UTF-8 sequences become U+FFFD). The
// same document always gives the same bytes.
//
// Throws ModelFileError naming the element when a number is not finite (JSON cannot hold it).
class DocumentEmitter {
public:
    static std::string emit(const ModelDocument& doc);

private:
    explicit DocumentEmitter(std::string& out) : out_(out) {}

    void diagram(const DocDiagram& d, const ElementLocation& at);
    void block(const DocBlock& b, const ElementLocation& at);
    void port(const DocPort& p, const ElementLocation& at);
    void line(const DocLine& l, const ElementLocation& at);
    void segment(const DocSegment& s, const ElementLocation& at);
    void annotation(const DocAnnotation& a, const ElementLocation& at);

    void newline(int depth);
    void key(const char* name);
    void string(const std::string& text);
    void number(double value, const ElementLocation& at, const char* field);
    void point(const PARR::GLPoint<double>& p, const ElementLocation& at, const char* field);
    void id(const FileId& id);
    void end(const DocEnd& end);
    // Opens a multi-line array under `name`; `emitItem(i)` writes item i at depth + 1.
    template <class F>
    void array(const char* name, std::size_t count, int depth, F emitItem);

    std::string& out_;
};

}  // namespace VTQUILL::File
