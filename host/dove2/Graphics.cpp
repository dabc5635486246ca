#include "dove2/Graphics.h"

#include <utility>

#include "dove2/DI.h"
#include "dove2/GlyphFactory.h"
#include "dove2/GraphNode.h"
#include "dove2/NullGlyph.h"
#include "quill/Deviant.h"
#include "quill/ReportOfChanges.h"
#include "rook2/Node.h"
#include "rook2/Scene.h"

namespace DOVE2 {

namespace {

ImmutableDiagramElement asElement(const QUILL::ImmutableClassObject& object) {
    return ImmutableDiagramElement(object);
}

}  // namespace

Graphics::Graphics(ROOK2::Scene& scene, const Diagram& diagram, GlyphFactory& factory,
                   Editor* editor)
    : scene_(scene), diagram_(diagram), factory_(factory), editor_(editor) {
    scene_.getSelectionChangedEmitter().connect(*this, &Graphics::onNodeSelectionChanged);
    if (QUILL::Deviant* instance = diagram_.getDeviant()) {
        instance->registerModifierOnCommit(this);
        // Room for every object of the model: the tables are then never rehashed while a
        // large diagram is populated (a rehash touches every entry, and cache misses are most
        // of what opening costs).
        const std::size_t objects = instance->getRootDeviant().ownEntryCount();
        glyphs_.reserve(objects);
        populate(diagram_);
    }
}

Graphics::~Graphics() {
    WREN::Listener::disconnect();
    destroyAll();
}

PARR::Holder<Glyph> Graphics::getGlyph(const QUILL::ImmutableClassObject& element) const {
    auto it = glyphs_.find(element.getObjectId());
    return it == glyphs_.end() ? PARR::Holder<Glyph>() : it->second;
}

PARR::Holder<Glyph> Graphics::getGlyph(const ROOK2::Node* node) const {
    for (; node; node = node->getParent()) {
        if (Glyph* glyph = glyphRootedAt(node))
            return PARR::Holder<Glyph>(glyph);
    }
    return {};
}

void Graphics::invalidateGlyph(const QUILL::ImmutableClassObject& element) {
    const QUILL::ImmutableClassObject here(diagram_.getDeviant(), element.getObjectId());
    if (!glyphs_.count(here.getObjectId()) || !isShown(here))
        return;
    // The children's roots hang under the old glyph's nodes; keep them in the scene while
    // the old glyph goes, then move them under the new one.
    detachChildrenOf(here.getObjectId());
    destroyGlyph(here.getObjectId());
    makeGlyph(here);
    reattachChildrenOf(here.getObjectId());
}

void Graphics::onCommit(const QUILL::ReportOfChanges<>& report) {
    // Deleted first: a container's glyph may be replaced by one made for a created element.
    // Their roots leave the scene together: a deletion of most of a large diagram would
    // otherwise search the scene's lists once per glyph.
    std::vector<PARR::Holder<ROOK2::Node>> deletedRoots;
    for (const QUILL::ImmutableClassObject& object : report.getDeleted()) {
        if (PARR::Holder<ROOK2::Node> root = releaseGlyph(object.getObjectId()))
            deletedRoots.push_back(std::move(root));
    }
    scene_.removeNodes(deletedRoots);
    for (const QUILL::ImmutableClassObject& object : report.getCreated()) {
        if (isShown(object))
            makeGlyph(object);
    }
    if (batches_ == 0) {
        updateModified(report.getModified());
        return;
    }
    for (const QUILL::ImmutableClassObject& object : report.getModified()) {
        if (held_.insert(object.getObjectId()).second)
            heldModified_.push_back(object);
    }
}

void Graphics::updateModified(const std::vector<QUILL::ImmutableClassObject>& modified) {
    std::unordered_set<QUILL::ObjectId> updated;
    for (const QUILL::ImmutableClassObject& object : modified) {
        auto it = glyphs_.find(object.getObjectId());
        const bool shown = isShown(object);
        if (it != glyphs_.end() && shown)
            updateGlyph(*it->second);
        else if (it != glyphs_.end())
            destroyGlyph(object.getObjectId());
        else if (shown)
            makeGlyph(object);
        updated.insert(object.getObjectId());
    }
    for (const QUILL::ImmutableClassObject& object : modified)
        updateAttachedEdges(object, updated);
}

Graphics::UpdateBatch::UpdateBatch(Graphics* graphics) : graphics_(graphics) {
    if (graphics_)
        ++graphics_->batches_;
}

// Elements deleted since they were held have no glyph and are no longer valid: skipped.
Graphics::UpdateBatch::~UpdateBatch() {
    if (!graphics_ || --graphics_->batches_ > 0)
        return;
    std::vector<QUILL::ImmutableClassObject> held;
    held.swap(graphics_->heldModified_);
    graphics_->held_.clear();
    std::erase_if(held,
                  [](const QUILL::ImmutableClassObject& object) { return !object.isValid(); });
    graphics_->updateModified(held);
}

// An edge's glyph is drawn from the positions of its ends: when a node (or a node inside it,
// such as a block's port) changed, the glyphs of the edges attached there are redrawn too.
void Graphics::updateAttachedEdges(const QUILL::ImmutableClassObject& object,
                                   std::unordered_set<QUILL::ObjectId>& updated) {
    const ImmutableGraphNode node(object);
    if (!node.isValid())
        return;
    for (const QUILL::ImmutableClassObject& edge : node.getEdges()) {
        auto it = glyphs_.find(edge.getObjectId());
        if (it != glyphs_.end() && updated.insert(edge.getObjectId()).second)
            updateGlyph(*it->second);
    }
    for (const QUILL::ImmutableClassObject& child : node.getContained())
        updateAttachedEdges(child, updated);
}

void Graphics::onDeviantDestroyed(QUILL::Deviant&) {
    destroyAll();
}

bool Graphics::isShown(const QUILL::ImmutableClassObject& object) const {
    if (!asElement(object).isValid())
        return false;
    for (QUILL::ImmutableClassObject c = object.getContainer(); c.isValid(); c = c.getContainer()) {
        if (c.getObjectId() == diagram_.getObjectId())
            return true;
        if (!asElement(c).isValid())
            return false;
    }
    return false;
}

void Graphics::populate(const QUILL::ImmutableClassObject& container) {
    for (const QUILL::ImmutableClassObject& child : container.getContained()) {
        if (!asElement(child).isValid())
            continue;
        makeGlyph(child);
        populate(child);
    }
}

Glyph* Graphics::makeGlyph(const QUILL::ImmutableClassObject& object) {
    if (auto it = glyphs_.find(object.getObjectId()); it != glyphs_.end())
        return it->second.get();
    // A container's glyph comes first, so that this root has its parent node to go under.
    const QUILL::ImmutableClassObject container = object.getContainer();
    if (container.getObjectId() != diagram_.getObjectId() && asElement(container).isValid())
        makeGlyph(container);

    const DiagramElement element(object);
    PARR::Holder<Glyph> glyph = factory_.makeGlyph(element);
    if (!glyph)
        glyph = PARR::Holder<Glyph>(new NullGlyph(element));
    glyphs_[object.getObjectId()] = glyph;
    glyph->setScene(&scene_);
    glyph->setEditor(editor_);
    glyph->create();
    attachRoot(*glyph, object);
    updateGlyph(*glyph);
    return glyph.get();
}

void Graphics::attachRoot(Glyph& glyph, const QUILL::ImmutableClassObject& object) {
    const PARR::Holder<ROOK2::Node> root = glyph.getRoot();
    if (!root)
        return;
    const PARR::Holder<Glyph> parentGlyph = getGlyph(object.getContainer());
    const PARR::Holder<ROOK2::Node> parent =
        parentGlyph ? parentGlyph->getChildContainer() : PARR::Holder<ROOK2::Node>();
    if (parent)
        root->setParent(parent);
    else if (root->getScene() != &scene_ || root->getParent())
        scene_.addNode(root);
    root->setEventHandler(&glyph);
}

void Graphics::updateGlyph(Glyph& glyph) {
    glyph.update();
    refreshLayoutRects(glyph.diagramElement());
}

void Graphics::refreshLayoutRects(const QUILL::ImmutableClassObject& object) {
    // Layout rectangles are absolute: a moved container moves those of everything it holds,
    // although their elements did not change.
    const PARR::Holder<Glyph> glyph = getGlyph(object);
    if (!glyph)
        return;
    glyph->setRect(DI::boundingRect(asElement(object)));
    for (const QUILL::ImmutableClassObject& child : object.getContained())
        refreshLayoutRects(child);
}

void Graphics::destroyGlyph(QUILL::ObjectId id) {
    if (const PARR::Holder<ROOK2::Node> root = releaseGlyph(id))
        root->remove();
}

PARR::Holder<ROOK2::Node> Graphics::releaseGlyph(QUILL::ObjectId id) {
    auto it = glyphs_.find(id);
    if (it == glyphs_.end())
        return {};
    const PARR::Holder<Glyph> glyph = it->second;
    glyphs_.erase(it);
    PARR::Holder<ROOK2::Node> root = glyph->getRoot();
    if (!root)
        return {};
    if (root->getEventHandler() == glyph.get())
        root->setEventHandler(nullptr);
    return root->isRemoved() ? PARR::Holder<ROOK2::Node>() : root;
}

void Graphics::detachChildrenOf(QUILL::ObjectId id) {
    for (const auto& [childId, glyph] : glyphs_) {
        const PARR::Holder<ROOK2::Node> root = glyph->getRoot();
        if (root && glyph->diagramElement().getContainer().getObjectId() == id)
            scene_.addNode(root);
    }
}

void Graphics::reattachChildrenOf(QUILL::ObjectId id) {
    for (const auto& [childId, glyph] : glyphs_) {
        const DiagramElement element = glyph->diagramElement();
        if (element.getContainer().getObjectId() != id)
            continue;
        attachRoot(*glyph, element);
        updateGlyph(*glyph);
    }
}

void Graphics::destroyAll() {
    // Most of a big scene goes: its index is dropped at once rather than node by node.
    if (glyphs_.size() > kDropIndexFrom)
        scene_.dropIndex();
    // Top-level glyphs first, the latest added first, so that the scene lets go of each in
    // constant time; then whatever is left (glyphs below others).
    std::vector<QUILL::ObjectId> ids;
    ids.reserve(glyphs_.size());
    const std::vector<PARR::Holder<ROOK2::Node>>& topLevel = scene_.getTopLevelNodes();
    for (auto it = topLevel.rbegin(); it != topLevel.rend(); ++it) {
        if (const Glyph* glyph = glyphRootedAt(it->get()))
            ids.push_back(glyph->diagramElement().getObjectId());
    }
    for (QUILL::ObjectId id : ids)
        destroyGlyph(id);
    ids.clear();
    for (const auto& entry : glyphs_)
        ids.push_back(entry.first);
    for (QUILL::ObjectId id : ids)
        destroyGlyph(id);
}

Glyph* Graphics::glyphRootedAt(const ROOK2::Node* node) const {
    // A root's event handler is its glyph (attachRoot); the glyph is this Graphics' own while
    // it is the one shown for its element.
    auto* glyph = node ? dynamic_cast<Glyph*>(node->getEventHandler()) : nullptr;
    if (!glyph)
        return nullptr;
    auto it = glyphs_.find(glyph->diagramElement().getObjectId());
    return it != glyphs_.end() && it->second.get() == glyph ? glyph : nullptr;
}

void Graphics::onNodeSelectionChanged(ROOK2::Node* const& node) {
    if (Glyph* glyph = glyphRootedAt(node))
        glyph->onSelectionChanged();
}

}  // namespace DOVE2
