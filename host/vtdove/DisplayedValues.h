#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "quill/Deviant.h"
#include "quill/ImmutableModel.h"
#include "quill/ObjectId.h"
#include "vtquill/VTQuill.h"

namespace VTDove {

// The values Display blocks show on the diagram while a model runs: per block, the text its
// icon draws instead of its usual look (BlockIcons::display reads it). The values belong to
// the run, not to the model: setting or clearing one makes no transaction, no undo entry and
// no change of the model or of its saved file; it only makes the block's engine-drawn look
// redraw, through the graph listeners of the block's diagram (one change batch telling
// blockHasChanged for that block alone, see GraphListener), so an editor refreshes that
// block's render entry and no other, at once (or when the model's open transaction commits).
//
// Values are kept by block identity, the same in every instance of the model. A value stays
// until it is cleared, also while its block is deleted (an undo brings the block back with
// it); clearing drops it whether the block still exists or not. Values of a model that
// closed without being cleared are never drawn again (ids are not reused) and go with the
// next clear of that model.
//
// Process-wide, like the block library whose drawing code reads it (the icons get no other
// context than the block). User-interface thread only.
class DisplayedValues {
public:
    static DisplayedValues& instance();

    DisplayedValues(const DisplayedValues&) = delete;
    DisplayedValues& operator=(const DisplayedValues&) = delete;

    // `display` shows `text` from now on (formatted by the caller, e.g. "1.2346" or
    // "[0.5 1.25]"); its look is redrawn unless it already showed that text. `display` may be
    // bound to any instance of its model; its root block is the one meant. Returns false,
    // keeping and telling nothing, when the block does not exist in the model's root (deleted,
    // or its model closed) or is not a "Display" block.
    bool set(const VTQUILL::ImmutableBlock& display, std::string text);
    // The text `display` shows; nullopt when it shows its usual look.
    std::optional<std::string> find(const VTQUILL::ImmutableBlock& display) const;

    // Every Display block of `model` (any instance of it, open or closed) back to its usual
    // look: the values are dropped and the blocks that still exist are redrawn, one change
    // batch per diagram.
    void clear(const QUILL::ImmutableModel& model);
    // The same for one block; nothing when it shows no value.
    void clear(const VTQUILL::ImmutableBlock& display);

    // How many blocks show a value now (of every model).
    std::size_t size() const { return values_.size(); }

private:
    struct Shown {
        QUILL::Deviant* root;  // the root instance of the block's model (not owned)
        std::string text;
    };

    DisplayedValues() = default;

    // The look of these blocks of `root` changed: tells the listeners of their diagrams.
    static void tellRedraw(QUILL::Deviant& root, const std::vector<QUILL::ObjectId>& blocks);

    std::map<QUILL::ObjectId, Shown> values_;
};

}  // namespace VTDove
