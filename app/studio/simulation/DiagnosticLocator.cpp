#include "simulation/DiagnosticLocator.h"

#include <functional>

#include "BlockPathIndex.h"
#include "dove2/Editor.h"
#include "dove2/StudioApp.h"
#include "vtquill/Schema.h"

namespace VantorStudio {

DOVE2::Editor* DiagnosticLocator::show(DOVE2::StudioApp& app, const VTQUILL::Model& model,
                                       const std::vector<std::string>& blockPaths,
                                       PARR::ErrorHolder& errors) {
    std::vector<VTQUILL::Block> blocks;
    for (const std::string& path : blockPaths) {
        if (const VTQUILL::Block block = BlockPathIndex::find(model, path); block.isValid())
            blocks.push_back(block);
    }
    if (blocks.empty())
        return nullptr;
    const VTQUILL::Diagram diagram = blocks.front().getDiagram();
    DOVE2::Editor* editor = app.openEditor(diagram, errors);
    if (!editor)
        return nullptr;
    editor->clearSelection();
    std::set<QUILL::ObjectId> shown;
    for (const VTQUILL::Block& block : blocks) {
        if (block.getDiagram().getObjectId() != diagram.getObjectId())
            continue;
        shown.insert(block.getObjectId());
        editor->select(block, true);
    }
    for (const VTQUILL::ImmutableSegment& segment : segmentsBetween(diagram, shown))
        editor->select(segment, true);
    return editor;
}

std::vector<VTQUILL::ImmutableSegment> DiagnosticLocator::segmentsBetween(
    const VTQUILL::ImmutableDiagram& diagram, const std::set<QUILL::ObjectId>& blocks) {
    const QUILL::ImmutableType portType = VTQUILL::ImmutablePort::MetaClass();
    const QUILL::ImmutableType jointType = VTQUILL::ImmutableSolderJoint::MetaClass();
    const auto isNamedInput = [&](const QUILL::ImmutableClassObject& end) {
        if (!end.isKindOf(portType))
            return false;
        const VTQUILL::ImmutablePort port(end);
        return port.getType() == VTQUILL::kInPort &&
               blocks.count(port.getContainer().getObjectId()) > 0;
    };
    std::vector<VTQUILL::ImmutableSegment> found;
    // Whether `segment` leads to a named input; collects it, and the segments after it that
    // do, when it does.
    std::function<bool(const VTQUILL::ImmutableSegment&)> leads =
        [&](const VTQUILL::ImmutableSegment& segment) {
            const QUILL::ImmutableClassObject dst = segment.getDstElement();
            bool reaches = isNamedInput(dst);
            if (dst.isKindOf(jointType)) {
                for (const VTQUILL::ImmutableSegment& next :
                     VTQUILL::ImmutableSolderJoint(dst).getOutEdges())
                    reaches = leads(next) || reaches;
            }
            if (reaches)
                found.push_back(segment);
            return reaches;
        };
    for (const VTQUILL::ImmutableBlock& block : diagram.getBlocks()) {
        if (blocks.count(block.getObjectId()) == 0)
            continue;
        for (const VTQUILL::ImmutablePort& port : block.getContained()) {
            if (port.getType() != VTQUILL::kOutPort)
                continue;
            if (const VTQUILL::ImmutableSegment edge = port.getEdge(); edge.isValid())
                leads(edge);
        }
    }
    return found;
}

}  // namespace VantorStudio
