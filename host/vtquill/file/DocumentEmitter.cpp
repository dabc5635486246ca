#include "vtquill/file/DocumentEmitter.h"

#include "vtquill/file/FileFormat.h"
#include "vtquill/file/ModelFileError.h"
#include "vtquill/file/NumberText.h"

namespace VTQUILL::File {

namespace {

using Kind = ElementLocation::Kind;

ElementLocation below(const ElementLocation& parent, Kind kind, std::size_t index) {
    ElementLocation at = parent;
    at.kind = kind;
    const auto i = static_cast<std::uint32_t>(index);
    switch (kind) {
        case Kind::Diagram:
            at.diagram = i;
            break;
        case Kind::Block:
        case Kind::Line:
        case Kind::Annotation:
            at.owner = i;
            break;
        case Kind::Port:
        case Kind::Joint:
        case Kind::Segment:
            at.item = i;
            break;
        case Kind::Terminator:
            at.sub = i;
            break;
    }
    return at;
}

// Length of the valid UTF-8 sequence starting at text[i]; 0 when it is not valid.
std::size_t utf8SequenceLength(const std::string& text, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char c = byte(i);
    std::size_t length = 0;
    unsigned lowest = 0;
    if (c >= 0xC2 && c <= 0xDF) {
        length = 2;
        lowest = 0x80;
    } else if (c >= 0xE0 && c <= 0xEF) {
        length = 3;
        lowest = 0x800;
    } else if (c >= 0xF0 && c <= 0xF4) {
        length = 4;
        lowest = 0x10000;
    } else {
        return 0;
    }
    if (i + length > text.size())
        return 0;
    unsigned code = c & (0xFF >> (length + 1));
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (byte(i + k) & 0x3F);
    }
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    return code < lowest || code > 0x10FFFF || surrogate ? 0 : length;
}

}  // namespace

std::string DocumentEmitter::emit(const ModelDocument& doc) {
    std::string out;
    out.reserve(4096);
    DocumentEmitter e(out);
    out += "{\n  \"format\": ";
    e.string(FileFormat::kFormatName);
    out += ",\n  \"version\": ";
    NumberText::appendInteger(out, FileFormat::kVersion);
    out += ",\n  \"name\": ";
    e.string(doc.name);
    out += ',';
    e.newline(1);
    e.array("diagrams", doc.diagrams.size(), 1,
            [&](std::size_t i) { e.diagram(doc.diagrams[i], below({}, Kind::Diagram, i)); });
    out += "\n}\n";
    return out;
}

template <class F>
void DocumentEmitter::array(const char* name, std::size_t count, int depth, F emitItem) {
    key(name);
    if (count == 0) {
        out_ += "[]";
        return;
    }
    out_ += '[';
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0)
            out_ += ',';
        newline(depth + 1);
        emitItem(i);
    }
    newline(depth);
    out_ += ']';
}

void DocumentEmitter::diagram(const DocDiagram& d, const ElementLocation& at) {
    out_ += '{';
    newline(3);
    key("id");
    id(d.id);
    out_ += ',';
    newline(3);
    key("name");
    string(d.name);
    out_ += ',';
    newline(3);
    array("blocks", d.blocks.size(), 3,
          [&](std::size_t i) { block(d.blocks[i], below(at, Kind::Block, i)); });
    out_ += ',';
    newline(3);
    array("lines", d.lines.size(), 3,
          [&](std::size_t i) { line(d.lines[i], below(at, Kind::Line, i)); });
    out_ += ',';
    newline(3);
    array("annotations", d.annotations.size(), 3,
          [&](std::size_t i) { annotation(d.annotations[i], below(at, Kind::Annotation, i)); });
    newline(2);
    out_ += '}';
}

void DocumentEmitter::block(const DocBlock& b, const ElementLocation& at) {
    constexpr int kDepth = 5;
    out_ += '{';
    const auto next = [&] {
        out_ += ',';
        newline(kDepth);
    };
    newline(kDepth);
    key("id");
    id(b.id);
    next();
    key("type");
    string(b.type);
    next();
    key("name");
    string(b.name);
    next();
    point(b.position, at, "position");
    next();
    point(b.size, at, "size");
    next();
    key("libraryLinkType");
    string(b.libraryLinkType);
    next();
    key("drawName");
    out_ += b.drawName ? "true" : "false";
    next();
    key("masked");
    out_ += b.masked ? "true" : "false";
    next();
    key("parameters");
    out_ += '[';
    for (std::size_t i = 0; i < b.parameters.size(); ++i) {
        out_ += i == 0 ? "[" : ", [";
        string(b.parameters[i].first);
        out_ += ", ";
        string(b.parameters[i].second);
        out_ += ']';
    }
    out_ += ']';
    next();
    array("ports", b.ports.size(), kDepth,
          [&](std::size_t i) { port(b.ports[i], below(at, Kind::Port, i)); });
    if (b.hasSubsystem) {
        next();
        key("subsystem");
        id(b.subsystem);
    }
    newline(kDepth - 1);
    out_ += '}';
}

void DocumentEmitter::port(const DocPort& p, const ElementLocation& at) {
    out_ += "{\"id\": ";
    id(p.id);
    out_ += ", \"kind\": ";
    string(p.kind);
    out_ += ", \"number\": ";
    NumberText::appendInteger(out_, p.number);
    out_ += ", ";
    point(p.position, at, "position");
    out_ += ", \"orientation\": ";
    number(p.orientation, at, "orientation");
    out_ += '}';
}

void DocumentEmitter::line(const DocLine& l, const ElementLocation& at) {
    constexpr int kDepth = 5;
    out_ += '{';
    newline(kDepth);
    key("id");
    id(l.id);
    out_ += ',';
    newline(kDepth);
    key("type");
    string(l.type);
    out_ += ',';
    newline(kDepth);
    key("label");
    string(l.label);
    out_ += ',';
    newline(kDepth);
    array("joints", l.joints.size(), kDepth, [&](std::size_t i) {
        out_ += "{\"id\": ";
        id(l.joints[i].id);
        out_ += ", ";
        point(l.joints[i].position, below(at, Kind::Joint, i), "position");
        out_ += '}';
    });
    out_ += ',';
    newline(kDepth);
    array("segments", l.segments.size(), kDepth,
          [&](std::size_t i) { segment(l.segments[i], below(at, Kind::Segment, i)); });
    newline(kDepth - 1);
    out_ += '}';
}

void DocumentEmitter::segment(const DocSegment& s, const ElementLocation& at) {
    out_ += "{\"id\": ";
    id(s.id);
    out_ += ", \"source\": ";
    end(s.source);
    out_ += ", \"destination\": ";
    end(s.destination);
    out_ += ", \"vertices\": [";
    for (std::size_t i = 0; i < s.vertices.size(); ++i) {
        out_ += i == 0 ? "[" : ", [";
        number(s.vertices[i].x, at, "vertices");
        out_ += ", ";
        number(s.vertices[i].y, at, "vertices");
        out_ += ']';
    }
    out_ += "], \"terminators\": [";
    for (std::size_t i = 0; i < s.terminators.size(); ++i) {
        const DocTerminator& t = s.terminators[i];
        out_ += i == 0 ? "{\"id\": " : ", {\"id\": ";
        id(t.id);
        out_ += ", \"type\": ";
        string(t.type);
        out_ += ", ";
        point(t.position, below(at, Kind::Terminator, i), "position");
        out_ += '}';
    }
    out_ += "], \"labels\": [";
    for (std::size_t i = 0; i < s.labels.size(); ++i) {
        out_ += i == 0 ? "{\"location\": " : ", {\"location\": ";
        NumberText::appendInteger(out_, s.labels[i].location);
        out_ += s.labels[i].flipped ? ", \"flipped\": true}" : ", \"flipped\": false}";
    }
    out_ += "]}";
}

void DocumentEmitter::annotation(const DocAnnotation& a, const ElementLocation& at) {
    out_ += "{\"id\": ";
    id(a.id);
    out_ += ", \"text\": ";
    string(a.text);
    out_ += ", ";
    point(a.position, at, "position");
    out_ += a.clickFunction ? ", \"clickFunction\": true}" : ", \"clickFunction\": false}";
}

void DocumentEmitter::newline(int depth) {
    out_ += '\n';
    out_.append(static_cast<std::size_t>(depth) * 2, ' ');
}

void DocumentEmitter::key(const char* name) {
    out_ += '"';
    out_ += name;
    out_ += "\": ";
}

void DocumentEmitter::string(const std::string& text) {
    static constexpr char kHex[] = "0123456789abcdef";
    out_ += '"';
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x80) {
            const std::size_t length = utf8SequenceLength(text, i);
            if (length == 0) {
                out_ += "\xEF\xBF\xBD";  // U+FFFD replaces a byte that is not UTF-8
                ++i;
            } else {
                out_.append(text, i, length);
                i += length;
            }
            continue;
        }
        ++i;
        switch (c) {
            case '"':
                out_ += "\\\"";
                break;
            case '\\':
                out_ += "\\\\";
                break;
            case '\n':
                out_ += "\\n";
                break;
            case '\t':
                out_ += "\\t";
                break;
            case '\r':
                out_ += "\\r";
                break;
            default:
                if (c < 0x20) {
                    out_ += "\\u00";
                    out_ += kHex[c >> 4];
                    out_ += kHex[c & 0xF];
                } else {
                    out_ += static_cast<char>(c);
                }
        }
    }
    out_ += '"';
}

void DocumentEmitter::number(double value, const ElementLocation& at, const char* field) {
    if (!NumberText::append(out_, value)) {
        throw ModelFileError(at.toString() + '.' + field,
                             "a number that is not finite cannot be saved");
    }
}

void DocumentEmitter::point(const PARR::GLPoint<double>& p, const ElementLocation& at,
                            const char* field) {
    key(field);
    out_ += '[';
    number(p.x, at, field);
    out_ += ", ";
    number(p.y, at, field);
    out_ += ']';
}

void DocumentEmitter::id(const FileId& id) {
    // Integer ids are written as they are; string ids keep their quotes in the key.
    if (!id.key.empty() && id.key.front() == '"') {
        string(id.key.substr(1, id.key.size() - 2));
    } else {
        out_ += id.key;
    }
}

void DocumentEmitter::end(const DocEnd& end) {
    if (end.attached) {
        id(end.target);
    } else {
        out_ += "null";
    }
}

}  // namespace VTQUILL::File
