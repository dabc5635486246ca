#include "vtquill/file/ModelSummary.h"

#include <vector>

namespace VTQUILL::File {

namespace {

void countLine(const ImmutableLine& line, ModelSummary& s) {
    ++s.lines;
    s.joints += line.getSolderJoints().size();
    for (const ImmutableSegment& segment : line.getSegments()) {
        ++s.segments;
        s.labels += segment.getLabels().size();
        s.terminators += childrenOfType<ImmutableTerminator>(segment).size();
    }
}

}  // namespace

ModelSummary ModelSummary::of(const VTQUILL::Model& model) {
    ModelSummary s;
    s.name = model.getName();
    std::vector<ImmutableDiagram> todo;
    for (const Diagram& d : model.getDiagrams())
        todo.push_back(d);
    while (!todo.empty()) {
        const ImmutableDiagram diagram = todo.back();
        todo.pop_back();
        ++s.diagrams;
        for (const ImmutableBlock& block : diagram.getBlocks()) {
            ++s.blocks;
            s.ports += block.getContained().size();
            if (const ImmutableDiagram inner = block.getSubsystemDiagram(); inner.isValid())
                todo.push_back(inner);
        }
        for (const ImmutableLine& line : diagram.getLines())
            countLine(line, s);
        s.annotations += diagram.getAnnotations().size();
    }
    return s;
}

std::size_t ModelSummary::elements() const {
    return diagrams + blocks + ports + lines + segments + joints + terminators + labels +
           annotations;
}

std::string ModelSummary::toString() const {
    const auto count = [](std::size_t n, const char* one, const char* many) {
        return std::to_string(n) + " " + (n == 1 ? one : many);
    };
    return "\"" + name + "\": " + count(diagrams, "diagram", "diagrams") + ", " +
           count(blocks, "block", "blocks") + ", " + count(lines, "line", "lines") + ", " +
           count(segments, "segment", "segments");
}

}  // namespace VTQUILL::File
