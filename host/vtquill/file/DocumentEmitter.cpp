#include "vtquill/file/DocumentEmitter.h"

#include <limits>

#include <rapidjson/writer.h>

#include "vtquill/SimulationSettingsValidator.h"
#include "vtquill/file/CoordinateRange.h"
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

// Lets a RapidJSON writer append to the text being emitted.
class AppendStream {
public:
    using Ch = char;
    explicit AppendStream(std::string& out) : out_(out) {}
    void Put(char c) { out_ += c; }
    void Flush() {}

private:
    std::string& out_;
};

using StringWriter =
    rapidjson::Writer<AppendStream, rapidjson::UTF8<>, rapidjson::UTF8<>, rapidjson::CrtAllocator,
                      rapidjson::kWriteValidateEncodingFlag>;

std::string fieldPlace(const ElementLocation& at, const char* field) {
    return at.toString() + '.' + field;
}

[[noreturn]] void refuseText(const std::string& place) {
    throw ModelFileError(place, "a text that is not valid UTF-8 cannot be saved");
}

}  // namespace

std::string DocumentEmitter::emit(const ModelDocument& doc) {
    std::string out;
    out.reserve(4096);
    DocumentEmitter e(out);
    out += "{\n  \"format\": ";
    e.string(FileFormat::kFormatName, "format");
    out += ",\n  \"version\": ";
    NumberText::appendInteger(out, FileFormat::kVersion);
    out += ",\n  \"name\": ";
    e.string(doc.name, "name");
    out += ',';
    e.newline(1);
    if (!doc.simulation.empty()) {
        e.simulation(doc.simulation);
        out += ',';
        e.newline(1);
    }
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

// The run settings on one line, in the order the document keeps them (canonical). Numbers go
// through NumberText, so a text the repository accepted in another spelling ("1.0", "1e1")
// is saved in the one the reader gives back.
void DocumentEmitter::simulation(const QUILL::StringMap& settings) {
    using Settings = SimulationSettingsValidator;
    key("simulation");
    out_ += '{';
    for (std::size_t i = 0; i < settings.size(); ++i) {
        const auto& [name, text] = settings[i];
        const std::string place = "simulation." + name;
        if (Settings::rank(name) == Settings::keys().size())
            throw ModelFileError(place, "cannot be saved: unknown simulation setting");
        if (std::string problem = Settings::valueProblem(name, text); !problem.empty())
            throw ModelFileError(place, "cannot be saved: " + problem);
        if (i > 0)
            out_ += ", ";
        key(name.c_str());
        if (Settings::isNumberKey(name)) {
            NumberText::append(out_, *Settings::readNumber(text));
        } else {
            string(text, place.c_str());
        }
    }
    out_ += '}';
}

void DocumentEmitter::diagram(const DocDiagram& d, const ElementLocation& at) {
    out_ += '{';
    newline(3);
    key("id");
    id(d.id, at, "id");
    out_ += ',';
    newline(3);
    key("name");
    string(d.name, at, "name");
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
    id(b.id, at, "id");
    next();
    key("type");
    string(b.type, at, "type");
    next();
    key("name");
    string(b.name, at, "name");
    next();
    point(b.position, at, "position");
    next();
    point(b.size, at, "size");
    next();
    key("libraryLinkType");
    string(b.libraryLinkType, at, "libraryLinkType");
    next();
    key("drawName");
    out_ += b.drawName ? "true" : "false";
    next();
    key("masked");
    out_ += b.masked ? "true" : "false";
    next();
    key("parameters");
    parameters(b.parameters, at);
    next();
    array("ports", b.ports.size(), kDepth,
          [&](std::size_t i) { port(b.ports[i], below(at, Kind::Port, i)); });
    if (b.hasSubsystem) {
        next();
        key("subsystem");
        id(b.subsystem, at, "subsystem");
    }
    if (b.hasChart) {
        next();
        chart(b.chart, at);
    }
    newline(kDepth - 1);
    out_ += '}';
}

// A chart block's chart: its name, then one line per state.
void DocumentEmitter::chart(const CHARTIX::ChartContent& c, const ElementLocation& at) {
    constexpr int kDepth = 6;
    key("chart");
    out_ += '{';
    newline(kDepth);
    key("name");
    string(c.name, at, "chart.name");
    out_ += ',';
    newline(kDepth);
    array("states", c.states.size(), kDepth, [&](std::size_t i) {
        const CHARTIX::StateContent& s = c.states[i];
        out_ += "{\"name\": ";
        string(s.name, at, "chart.states.name");
        out_ += ", ";
        point(s.position, at, "position");
        out_ += ", ";
        point(s.size, at, "size");
        out_ += '}';
    });
    newline(kDepth - 1);
    out_ += '}';
}

void DocumentEmitter::port(const DocPort& p, const ElementLocation& at) {
    out_ += "{\"id\": ";
    id(p.id, at, "id");
    out_ += ", \"kind\": ";
    string(p.kind, at, "kind");
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
    id(l.id, at, "id");
    out_ += ',';
    newline(kDepth);
    key("type");
    string(l.type, at, "type");
    out_ += ',';
    newline(kDepth);
    key("label");
    string(l.label, at, "label");
    out_ += ',';
    newline(kDepth);
    array("joints", l.joints.size(), kDepth, [&](std::size_t i) {
        const ElementLocation joint = below(at, Kind::Joint, i);
        out_ += "{\"id\": ";
        id(l.joints[i].id, joint, "id");
        out_ += ", ";
        point(l.joints[i].position, joint, "position");
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
    id(s.id, at, "id");
    out_ += ", \"source\": ";
    end(s.source, at, "source");
    out_ += ", \"destination\": ";
    end(s.destination, at, "destination");
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
        const ElementLocation terminator = below(at, Kind::Terminator, i);
        out_ += i == 0 ? "{\"id\": " : ", {\"id\": ";
        id(t.id, terminator, "id");
        out_ += ", \"type\": ";
        string(t.type, terminator, "type");
        out_ += ", ";
        point(t.position, terminator, "position");
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
    id(a.id, at, "id");
    out_ += ", \"text\": ";
    string(a.text, at, "text");
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

void DocumentEmitter::string(const std::string& text, const char* place) {
    if (!appendString(text))
        refuseText(place);
}

void DocumentEmitter::string(const std::string& text, const ElementLocation& at,
                             const char* field) {
    if (!appendString(text))
        refuseText(fieldPlace(at, field));
}

bool DocumentEmitter::appendString(const std::string& text) {
    if (text.size() > std::numeric_limits<rapidjson::SizeType>::max())
        return false;
    // While it validates a sequence that the end of the text cuts short, the writer reads up
    // to three bytes past the end; the padding keeps those reads inside the buffer (a NUL
    // byte never continues a sequence, so the text is still refused).
    padded_.assign(text);
    padded_.append(3, '\0');
    const std::size_t mark = out_.size();
    AppendStream stream(out_);
    StringWriter writer(stream);
    if (writer.String(padded_.data(), static_cast<rapidjson::SizeType>(text.size())))
        return true;
    out_.resize(mark);
    return false;
}

void DocumentEmitter::parameters(const QUILL::StringMap& parameters, const ElementLocation& at) {
    out_ += '[';
    for (std::size_t i = 0; i < parameters.size(); ++i) {
        const auto write = [&](const std::string& text) {
            if (!appendString(text))
                refuseText(fieldPlace(at, "parameters") + '[' + std::to_string(i) + ']');
        };
        out_ += i == 0 ? "[" : ", [";
        write(parameters[i].first);
        out_ += ", ";
        write(parameters[i].second);
        out_ += ']';
    }
    out_ += ']';
}

void DocumentEmitter::number(double value, const ElementLocation& at, const char* field) {
    if (!CoordinateRange::contains(value))
        throw ModelFileError(fieldPlace(at, field),
                             "cannot be saved: " + CoordinateRange::problem(value));
    NumberText::append(out_, value);
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

void DocumentEmitter::id(const FileId& id, const ElementLocation& at, const char* field) {
    // Integer ids are written as they are; string ids keep their quotes in the key.
    if (!id.key.empty() && id.key.front() == '"') {
        string(id.key.substr(1, id.key.size() - 2), at, field);
    } else {
        out_ += id.key;
    }
}

void DocumentEmitter::end(const DocEnd& end, const ElementLocation& at, const char* field) {
    if (end.attached) {
        id(end.target, at, field);
    } else {
        out_ += "null";
    }
}

}  // namespace VTQUILL::File
