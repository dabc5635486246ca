#pragma once

#include <unordered_map>

#include "quill/ListenerBase.h"
#include "quill/Model.h"
#include "vtquill/VTQuill.h"

namespace CHARTIX {

// The charts of the chart blocks ("Chart" blocks) of the open block-diagram models: each
// chart block owns one chart model (ChartFactory), found by the block's object id, which is
// the same in every instance of the block's model and never reused.
//
// A chart block that has none gets an empty chart named after it on first request (a block
// just taken from the library, or a model file that keeps no chart for it). A chart stays
// with its block while the block is deleted, so that undoing the deletion brings the block
// back with its chart; charts are closed with their block's model. Each chart has a number
// ("chart id", from 1, never reused) by which the scripting functions name it.
//
// A chart is saved with its block's model, so a change committed to a chart marks that model
// as having unsaved changes (DOVE2::UndoHistory::markUnsaved).
//
// A process-wide singleton, never destroyed. User-interface thread only.
class ChartStore : private QUILL::ListenerBase {
public:
    static ChartStore& instance();

    // The chart of `block` (any instance of its model), made empty on first request; an
    // empty model for an invalid block or one that is not a chart block.
    QUILL::Model chartOf(const VTQUILL::ImmutableBlock& block);
    // The chart of the block `blockId` when it has one; an empty model otherwise.
    QUILL::Model findChart(QUILL::ObjectId blockId) const;
    // Gives `block` the chart `chart` (an open chart model, which the store now owns); a chart
    // the block had before is closed. Nothing happens for an invalid block or chart.
    void attach(const VTQUILL::ImmutableBlock& block, const QUILL::Model& chart);

    // The number of the block's chart; -1 when the block has none.
    double chartIdOf(QUILL::ObjectId blockId) const;
    // The chart numbered `id`; an empty model when there is none (or it was closed).
    QUILL::Model chartById(double id) const;
    // The block owning `chart` (any instance of the chart model), bound to the root of the
    // block's model; an empty handle when no block owns it.
    VTQUILL::Block ownerOf(const QUILL::ImmutableModel& chart) const;

private:
    struct Entry {
        QUILL::Model chart;
        double id = 0;
        QUILL::Deviant* blockRoot = nullptr;
        QUILL::ObjectId block = QUILL::kNoObject;
    };

    ChartStore() = default;
    void onCommit(const QUILL::ReportOfChanges<>& report) override;
    void onDeviantDestroyed(QUILL::Deviant& instance) override;

    std::unordered_map<QUILL::ObjectId, Entry> byBlock_;
    double lastId_ = 0;
};

}  // namespace CHARTIX
