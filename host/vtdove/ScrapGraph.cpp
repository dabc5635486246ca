#include "vtdove/ScrapGraph.h"

#include <algorithm>

#include "quill/Transaction.h"
#include "vtdove/BlockNameAllocator.h"
#include "vtdove/ObjectCloner.h"

namespace VTDove {

namespace {

QUILL::ImmutableClassObject inRoot(const EngineHandle* h) {
    if (!h || !h->getRootDeviant().isOpen())
        return {};
    return QUILL::ImmutableClassObject(&h->getRootDeviant(), h->getObjectId());
}

// A segment end comes along with the copy: nothing, a free end (terminator), a solder joint,
// or a port of a copied block.
bool endComesAlong(const QUILL::ImmutableClassObject& end,
                   const std::set<QUILL::ObjectId>& blocks) {
    if (!end.isValid())
        return true;
    const VTQUILL::ImmutablePort port(end);
    if (!port.isValid())
        return true;
    return blocks.count(port.getContainer().getObjectId()) != 0;
}

void offsetLine(const VTQUILL::Line& line, PARR::GLPoint<double> offset) {
    for (const VTQUILL::SolderJoint& j : line.getSolderJoints())
        j.setPosition(j.getPosition() + offset);
    for (const VTQUILL::Segment& s : line.getSegments()) {
        PARR::Path path = s.getPath();
        path.offset(offset);
        s.setPath(path);
        for (const QUILL::ImmutableClassObject& child : s.getContained()) {
            const VTQUILL::Terminator t(child);
            if (t.isValid())
                t.setPosition(t.getPosition() + offset);
        }
    }
}

}  // namespace

std::string uniqueBlockName(const std::string& name, const std::vector<std::string>& taken) {
    return BlockNameAllocator(taken).take(name);
}

ScrapGraph& ScrapGraph::instance() {
    static ScrapGraph scrap;
    return scrap;
}

VTQUILL::Diagram ScrapGraph::getDiagram() {
    if (!model_.isValid()) {
        model_ = VTQUILL::Factory::createNewModel(kModelName);
        pastes_ = 0;
    }
    return model_.getDiagrams().front();
}

void ScrapGraph::clear(const VTQUILL::Diagram& scrap) {
    std::vector<QUILL::ObjectId> children;
    for (const auto& child : scrap.getContained())
        children.push_back(child.getObjectId());
    for (QUILL::ObjectId id : children) {
        if (model_.getDeviant().exists(id))
            VTQUILL::Topology::destroyElement(model_.getDeviant(), id);
    }
}

void ScrapGraph::copy(const std::vector<vtBlock*>& blocks, const std::vector<vtSegment*>& segments,
                      const std::vector<vtAnnotation*>& annotations) {
    const VTQUILL::Diagram scrap = getDiagram();
    QUILL::Transaction tx(model_);
    clear(scrap);
    pastes_ = 0;
    ObjectCloner cloner(model_.getDeviant());
    std::set<QUILL::ObjectId> copiedBlocks;
    for (const vtBlock* b : blocks) {
        const VTQUILL::ImmutableBlock block(inRoot(b));
        if (block.isValid() && copiedBlocks.insert(block.getObjectId()).second)
            cloner.clone(block, scrap.getObjectId());
    }
    copySegments(scrap, segments, copiedBlocks, cloner);
    for (const vtAnnotation* a : annotations) {
        const VTQUILL::ImmutableAnnotation annotation(inRoot(a));
        if (annotation.isValid())
            cloner.clone(annotation, scrap.getObjectId());
    }
    cloner.remapReferences();
    tx.commit();
}

void ScrapGraph::copySegments(const VTQUILL::Diagram& scrap,
                              const std::vector<vtSegment*>& segments,
                              const std::set<QUILL::ObjectId>& blocks, ObjectCloner& cloner) {
    std::vector<VTQUILL::ImmutableLine> lines;
    std::set<QUILL::ObjectId> kept;  // the segments and the solder joints they touch
    for (const vtSegment* s : segments) {
        const VTQUILL::ImmutableSegment segment(inRoot(s));
        if (!segment.isValid() || !endComesAlong(segment.getSrcElement(), blocks) ||
            !endComesAlong(segment.getDstElement(), blocks))
            continue;
        kept.insert(segment.getObjectId());
        kept.insert(segment.getSrcElement().getObjectId());
        kept.insert(segment.getDstElement().getObjectId());
        const VTQUILL::ImmutableLine line = segment.getContainer();
        if (line.isValid() && std::find(lines.begin(), lines.end(), line) == lines.end())
            lines.push_back(line);
    }
    const VTQUILL::Schema& schema = VTQUILL::Schema::get();
    auto filter = [&](const QUILL::ImmutableClassObject& child) {
        const bool partOfLine =
            child.isKindOf(schema.segment) || child.isKindOf(schema.solderJoint);
        return !partOfLine || kept.count(child.getObjectId()) != 0;
    };
    for (const VTQUILL::ImmutableLine& line : lines)
        cloner.clone(line, scrap.getObjectId(), filter);
}

std::shared_ptr<const QUILL::ChangeSet> ScrapGraph::paste(vtGraph* graph) {
    const VTQUILL::Diagram target = graph ? graph->getDiagram() : VTQUILL::Diagram();
    if (!target.isValid())
        return nullptr;
    const VTQUILL::Diagram scrap = getDiagram();
    const double step = kPasteStep * ++pastes_;
    const PARR::GLPoint<double> offset{step, step};
    std::vector<std::string> existing;
    for (const VTQUILL::Block& b : target.getBlocks())
        existing.push_back(b.getName());
    BlockNameAllocator names(existing);

    QUILL::Transaction tx(target.getModel());
    ObjectCloner cloner(*target.getDeviant());
    std::vector<QUILL::ObjectId> pasted;
    for (const auto& child : scrap.getContained())
        pasted.push_back(cloner.clone(child, target.getObjectId()));
    cloner.remapReferences();
    for (QUILL::ObjectId id : pasted)
        placePasted(QUILL::ImmutableClassObject(target.getDeviant(), id), offset, names);
    return tx.commit();
}

void ScrapGraph::placePasted(const QUILL::ImmutableClassObject& copy, PARR::GLPoint<double> offset,
                             BlockNameAllocator& names) {
    if (const VTQUILL::Block block(copy); block.isValid()) {
        const std::string name = names.take(block.getName());
        const VTQUILL::Diagram inner = block.getSubsystemDiagram();
        if (inner.isValid() && inner.getName() == block.getName())
            inner.setName(name);
        block.setName(name);
        block.setPosition(block.getPosition() + offset);
    } else if (const VTQUILL::Line line(copy); line.isValid()) {
        offsetLine(line, offset);
    } else if (const VTQUILL::Annotation annotation(copy); annotation.isValid()) {
        annotation.setPosition(annotation.getPosition() + offset);
    }
}

void copyToScrapGraph(const std::vector<vtBlock*>& blocks, const std::vector<vtSegment*>& segments,
                      const std::vector<vtAnnotation*>& annotations) {
    ScrapGraph::instance().copy(blocks, segments, annotations);
}

std::shared_ptr<const QUILL::ChangeSet> pasteToGraph(vtGraph* graph) {
    return ScrapGraph::instance().paste(graph);
}

}  // namespace VTDove
