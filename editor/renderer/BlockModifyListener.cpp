#include "renderer/BlockModifyListener.h"

#include <algorithm>
#include <boost/make_shared.hpp>
#include <iterator>

#include "dove2/Graphics.h"
#include "dove2/ModelSchema.h"
#include "glyphs/BlockGlyphCreationRegistry.h"
#include "quill/ImmutableType.h"
#include "studio/Editor.h"
#include "vtdove/EngineHandles.h"
#include "vtdove/EngineRegistry.h"
#include "vtdove/EngineTransaction.h"
#include "vtquill/Schema.h"

namespace VantorRenderer {

namespace {

bool isBlockState(const QUILL::ObjectState& state) {
    return QUILL::ImmutableType(state.type).isKindOf(VTQUILL::Block::MetaClass());
}

// Whether a change of a block can change what the engine draws for it. The position, the
// attached lines and the name (drawn by the glyph, not by the engine) do not.
bool changesDrawing(const QUILL::ObjectState& before, const QUILL::ObjectState& after) {
    const std::size_t ignored[] = {DOVE2::ModelSchema::get().position.getIndex(),
                                   DOVE2::ModelSchema::get().edges.getIndex(),
                                   VTQUILL::Schema::get().blockName.getIndex()};
    if (before.childCount != after.childCount || before.firstChild != after.firstChild ||
        before.values.size() != after.values.size())
        return true;
    for (std::size_t i = 0; i < before.values.size(); ++i) {
        if (std::find(std::begin(ignored), std::end(ignored), i) != std::end(ignored))
            continue;
        if (!(before.values[i] == after.values[i]))
            return true;
    }
    return false;
}

}  // namespace

bool BlockModifyListener::ByIdentity::operator()(const vtBlock* a, const vtBlock* b) const {
    return a->getObjectId() < b->getObjectId();
}

BlockModifyListener::BlockModifyListener(const QUILL::ImmutableModel& model,
                                         const VTQUILL::ImmutableDiagram& diagram,
                                         Vantor::Editor* editor)
    : VTDove::GraphListener(diagram.isValid() ? VTQUILL::getVtGraph(diagram) : nullptr),
      model(model),
      diagram(diagram),
      editor(editor) {
    if (!diagram.isValid())
        return;
    holder = std::make_unique<
        QUILL::internal::ListenerHolder<QUILL::ImmutableModel, BlockModifyListener>>(model, this);
    for (const VTQUILL::ImmutableBlock& block : diagram.getBlocks()) {
        if (createEntry(block))
            pending.insert(VTQUILL::getVtBlock(block));
    }
}

void BlockModifyListener::drawQueuedBlocks() {
    if (!processing)
        processBatch();
}

BlockModifyListener::~BlockModifyListener() {
    holder.reset();
    pending.clear();
    toDrop.clear();
    entries.clear();
}

// --- entries --------------------------------------------------------------------------------

bool BlockModifyListener::isCachedBlock(const VTQUILL::ImmutableBlock& block) const {
    if (!block.isValid() || block.isChartix())
        return false;
    // Reports cover the whole model; only the shown diagram's blocks are drawn here.
    if (block.getDiagram().getObjectId() != diagram.getObjectId())
        return false;
    const VTQUILL::Block asBlock(block.getDeviant(), block.getObjectId());
    return !Vantor::BlockGlyphCreationRegistry::getInstance()->hasRegisteredBlockGlyph(asBlock);
}

bool BlockModifyListener::createEntry(const VTQUILL::ImmutableBlock& block,
                                      boost::shared_ptr<DOVERenderAdapter> recorded) {
    if (!isCachedBlock(block))
        return false;
    vtBlock* engine = VTQUILL::getVtBlock(block);
    if (!engine || entries.count(engine))
        return false;
    const PARR::GLPoint<double> size = block.getSize();
    auto adapter =
        recorded ? std::move(recorded) : boost::make_shared<DOVERenderAdapter>(size.x, size.y);
    auto entry =
        boost::make_shared<BGPainterFacade>(editor ? editor->getScene() : nullptr, size, adapter);
    entries.emplace(engine, RenderEntry(adapter, entry));
    return true;
}

boost::shared_ptr<BGPainterFacade> BlockModifyListener::getRenderEntry(
    const VTQUILL::ImmutableBlock& block) const {
    const auto found = entries.find(VTQUILL::getVtBlock(block));
    return found == entries.end() ? boost::shared_ptr<BGPainterFacade>() : found->second.second;
}

// --- drawing --------------------------------------------------------------------------------

void BlockModifyListener::render(const VTQUILL::Block& block, DOVERenderAdapter& adapter) {
    adapter.renderBlock(block);
    ++renderCount;
}

void BlockModifyListener::refresh(const VTQUILL::Block& block, BGPainterFacade& entry) {
    const PARR::GLPoint<double> size = block.getSize();
    entry.refresh(size.x, size.y);
}

void BlockModifyListener::updateGlyph(const VTQUILL::Block& block) const {
    DOVE2::Graphics* graphics = editor ? editor->getGraphics() : nullptr;
    if (!graphics)
        return;
    if (const PARR::Holder<DOVE2::Glyph> glyph = graphics->getGlyph(block))
        glyph->update();
}

void BlockModifyListener::processPending() {
    while (!pending.empty()) {
        vtBlock* engine = *pending.begin();
        pending.erase(pending.begin());
        const VTQUILL::Block block = VTQUILL::getQUILLBlock(engine, model);
        const auto found = entries.find(engine);
        // Blocks of other diagrams, and blocks given a glyph class meanwhile, are skipped.
        if (found == entries.end() || !isCachedBlock(block))
            continue;
        const RenderEntry entry = found->second;
        if (!recordedAlready.erase(engine))
            render(block, *entry.first);
        refresh(block, *entry.second);
        updateGlyph(block);
    }
    for (vtBlock* engine : toDrop) {
        // The engine tells of a deletion before the model's commit reports it.
        const auto found = entries.find(engine);
        if (found == entries.end())
            continue;
        erasedRecordings[engine->getObjectId()] = found->second.first;
        entries.erase(found);
    }
    if (entries.empty())
        entries = {};
    toDrop.clear();
    recordedAlready.clear();
}

void BlockModifyListener::processBatch() {
    processing = true;
    vtGraph* graph = VTQUILL::getVtGraph(diagram);
    VTDove::beginTransaction(graph);
    processPending();
    VTDove::commitTransaction(graph);
    processing = false;
}

// --- engine graph -----------------------------------------------------------------------------

void BlockModifyListener::changeBatchBegin() {
    ++batchDepth;
}

void BlockModifyListener::changeBatchEnd() {
    // A listener made in the middle of a batch hears its end without its beginning.
    if (batchDepth > 0)
        --batchDepth;
    // Edits made inside a transaction of the model (a command) are drawn when its commit is
    // reported, once.
    if (batchDepth == 0 && !processing && !model.getDeviant().inTransaction())
        processBatch();
}

void BlockModifyListener::blockHasChanged(vtBlock* block) {
    if (block)
        pending.insert(block);
}

void BlockModifyListener::blockHasBeenAdded(vtBlock* block) {
    if (block)
        queueCreated(block->getObjectId());
}

void BlockModifyListener::blockIsAboutToBeDeleted(vtBlock* block) {
    if (!block)
        return;
    toDrop.insert(block);
    pending.erase(block);
}

// --- model --------------------------------------------------------------------------------

vtBlock* BlockModifyListener::engineBlock(QUILL::ObjectId id) const {
    VTDove::EngineModel* engine =
        VTDove::EngineRegistry::instance().modelOfRoot(model.getDeviant());
    return engine ? engine->block(id) : nullptr;
}

VTQUILL::Block BlockModifyListener::rootBlock(QUILL::ObjectId id) const {
    return VTQUILL::Block(model.getDeviantPtr(), id);
}

void BlockModifyListener::queueCreated(QUILL::ObjectId id) {
    const VTQUILL::Block block = rootBlock(id);
    boost::shared_ptr<DOVERenderAdapter> recorded = recordingStillRight(id);
    const bool reused = recorded != nullptr;
    if (!createEntry(block, std::move(recorded)))
        return;
    vtBlock* engine = VTQUILL::getVtBlock(block);
    pending.insert(engine);
    if (reused)
        recordedAlready.insert(engine);
}

// The recording the block had when the last commit deleted it, if its state in the model's
// root draws the same.
boost::shared_ptr<DOVERenderAdapter> BlockModifyListener::recordingStillRight(
    QUILL::ObjectId id) const {
    const auto dropped = lastDropped.find(id);
    if (dropped == lastDropped.end())
        return {};
    const QUILL::ObjectState* now = model.getDeviant().find(id);
    if (!now || changesDrawing(*dropped->second.state, *now))
        return {};
    return dropped->second.recording;
}

void BlockModifyListener::keepDropped(const QUILL::ChangeSet::Change& change, vtBlock* engine) {
    if (const auto found = entries.find(engine); found != entries.end())
        droppedNow[change.id] = {change.before, found->second.first};
    else if (const auto erased = erasedRecordings.find(change.id); erased != erasedRecordings.end())
        droppedNow[change.id] = {change.before, erased->second};
}

void BlockModifyListener::queueChanged(QUILL::ObjectId id) {
    if (vtBlock* engine = engineBlock(id))
        pending.insert(engine);
}

void BlockModifyListener::onCommit(const QUILL::ReportOfChanges<>& report) {
    ++batchDepth;
    for (const QUILL::ChangeSet::Change& change : report.getChangeSet().changes()) {
        const QUILL::ObjectState& state = change.after ? *change.after : *change.before;
        if (!isBlockState(state))
            continue;
        if (change.isCreation()) {
            queueCreated(change.id);
        } else if (change.isDeletion()) {
            vtBlock* engine = engineBlock(change.id);
            keepDropped(change, engine);
            if (engine) {
                toDrop.insert(engine);
                pending.erase(engine);
            }
        } else if (change.isModification() && changesDrawing(*change.before, *change.after)) {
            queueChanged(change.id);
        }
    }
    processPending();
    // Only the next commit may take the recordings back: any later one may find the blocks
    // changed in ways their own states do not show.
    lastDropped = std::move(droppedNow);
    droppedNow.clear();
    erasedRecordings.clear();
    if (batchDepth > 0)
        --batchDepth;
}

}  // namespace VantorRenderer
