#pragma once

#include <boost/shared_ptr.hpp>
#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <unordered_map>
#include <utility>

#include "application/Export.h"
#include "quill/ChangeSet.h"
#include "quill/ImmutableModel.h"
#include "quill/ListenerBase.h"
#include "quill/ListenerHolder.h"
#include "renderer/BGPainterFacade.h"
#include "renderer/DOVERenderAdapter.h"
#include "vtdove/GraphListener.h"
#include "vtquill/VTQuill.h"

namespace Vantor {
class Editor;
}

namespace VantorRenderer {

// The block render cache of one editor: for every legacy block of the diagram the editor
// shows (a block whose type has no glyph class of its own, state-chart blocks excepted) a
// render entry holding the block's recorded drawing (DOVERenderAdapter) and the scene nodes
// that replay it (BGPainterFacade). Legacy block glyphs hang those nodes under their roots.
//
// Blocks are drawn again only when their drawing may have changed, in batches:
//  - engine edits (a block dialog, setBlockParameter) are told between changeBatchBegin and
//    changeBatchEnd; the blocks they touch are drawn once when the outermost batch ends;
//  - commits to the model's root (commands, undo, redo) are processed at once: new blocks
//    of the diagram get an entry and are drawn, changed blocks are drawn again unless only
//    their position or attachments changed (which leave the recording as it is), deleted
//    blocks lose their entry.
// After drawing a block the glyph the editor shows for it is updated.
//
// Made by the editor on each diagram set, on the diagram's root instance, and held by shared
// pointer; entries are shared with the glyphs, so replacing or releasing the listener leaves
// no glyph pointing at freed memory. The editor is not owned and outlives the listener.
// User-interface thread only.
class VANTOR_EXPORT BlockModifyListener : public QUILL::ListenerBase, public VTDove::GraphListener {
public:
    using RenderEntry =
        std::pair<boost::shared_ptr<DOVERenderAdapter>, boost::shared_ptr<BGPainterFacade>>;

    // Builds entries for the diagram's legacy blocks and queues them; drawQueuedBlocks
    // draws them.
    BlockModifyListener(const QUILL::ImmutableModel& model,
                        const VTQUILL::ImmutableDiagram& diagram, Vantor::Editor* editor);
    ~BlockModifyListener() override;

    // Draws the queued blocks now, in one engine transaction, and updates their glyphs. The
    // editor calls it once it holds the listener, so that the glyphs find their entries.
    void drawQueuedBlocks();

    // --- engine graph -------------------------------------------------------------------
    void blockIsAboutToBeDeleted(vtBlock* block) override;
    void blockHasBeenAdded(vtBlock* block) override;
    void changeBatchBegin() override;
    void changeBatchEnd() override;
    void blockHasChanged(vtBlock* block) override;

    // --- model --------------------------------------------------------------------------
    // One commit of the model's root: queues and processes at once.
    void onCommit(const QUILL::ReportOfChanges<>& report) override;

    // The render entry of `block` (any instance of the model); null when it has none.
    boost::shared_ptr<BGPainterFacade> getRenderEntry(const VTQUILL::ImmutableBlock& block) const;
    // Whether `block` is drawn through the cache here: of the shown diagram, with no glyph
    // class of its own, not a state chart.
    bool isCachedBlock(const VTQUILL::ImmutableBlock& block) const;

    const QUILL::ImmutableModel& getModel() const { return model; }
    const VTQUILL::ImmutableDiagram& getDiagram() const { return diagram; }
    Vantor::Editor* getEditor() const { return editor; }
    // The nesting depth of engine change batches now open; never below 0.
    int getBatchDepth() const { return batchDepth; }
    std::size_t getEntryCount() const { return entries.size(); }
    // How many times a block was drawn by the engine into its adapter so far.
    std::uint64_t getRenderCount() const { return renderCount; }

private:
    // Engine blocks ordered by block identity.
    struct ByIdentity {
        bool operator()(const vtBlock* a, const vtBlock* b) const;
    };
    using BlockQueue = std::set<vtBlock*, ByIdentity>;

    bool createEntry(const VTQUILL::ImmutableBlock& block,
                     boost::shared_ptr<DOVERenderAdapter> recorded = {});
    void render(const VTQUILL::Block& block, DOVERenderAdapter& adapter);
    void refresh(const VTQUILL::Block& block, BGPainterFacade& entry);
    void updateGlyph(const VTQUILL::Block& block) const;
    void processPending();
    // processPending inside an engine transaction on the diagram's graph.
    void processBatch();
    void queueCreated(QUILL::ObjectId id);
    boost::shared_ptr<DOVERenderAdapter> recordingStillRight(QUILL::ObjectId id) const;
    void keepDropped(const QUILL::ChangeSet::Change& change, vtBlock* engine);
    void queueChanged(QUILL::ObjectId id);
    // The engine block of a block id of this model, also for a block the commit deleted.
    vtBlock* engineBlock(QUILL::ObjectId id) const;
    VTQUILL::Block rootBlock(QUILL::ObjectId id) const;

    QUILL::ImmutableModel model;
    VTQUILL::ImmutableDiagram diagram;
    Vantor::Editor* editor;
    std::map<vtBlock*, RenderEntry> entries;
    int batchDepth = 0;
    BlockQueue pending;
    // Queued blocks whose entry reuses a recording that is still right: refreshed, not drawn.
    std::set<vtBlock*> recordedAlready;
    // The recordings of the blocks the last commit deleted, with the block's state then: a
    // commit right after it that creates the same block in the same state (the undo of a
    // delete, the redo of a paste) reuses them instead of drawing thousands of blocks again.
    struct Dropped {
        QUILL::StatePtr state;
        boost::shared_ptr<DOVERenderAdapter> recording;
    };
    std::unordered_map<QUILL::ObjectId, Dropped> lastDropped;
    std::unordered_map<QUILL::ObjectId, Dropped> droppedNow;
    // Recordings of entries dropped since the last commit, by block id.
    std::unordered_map<QUILL::ObjectId, boost::shared_ptr<DOVERenderAdapter>> erasedRecordings;
    BlockQueue toDrop;
    bool processing = false;
    std::uint64_t renderCount = 0;
    std::unique_ptr<QUILL::internal::ListenerHolder<QUILL::ImmutableModel, BlockModifyListener>>
        holder;
};

}  // namespace VantorRenderer
