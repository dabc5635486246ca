#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "application/Export.h"
#include "parr/Color.h"
#include "parr/GLRect.h"
#include "parr/Holder.h"
#include "quill/ListenerBase.h"
#include "sim/SampleTimes.h"

namespace DOVE2 {
class Editor;
}

namespace ROOK2 {
class Node;
}

namespace Vantor {

// Colours the blocks of an editor's shown diagram by the rate they compute at
// (VTSIM::SampleTimes of the model the editor shows): a translucent rectangle of the rate's
// colour over each block, and a legend box under the diagram's blocks, its top-left corner
// 20 units below the lowest block's bottom edge and level with the leftmost block's left edge,
// listing each rate shown ("constant", "continuous", one entry per discrete rate by rising
// period) beside a swatch of its colour.
//
// The colouring is the editor's decoration, not part of the model: it runs no command and
// leaves the model unchanged (not dirty, nothing saved). While shown it follows the view
// instance's reports (edits, undo, previews): every report recomputes the rates and lays the
// colouring out again. Its nodes are top-level nodes of the scene of their own that the
// pointer passes through (no hit), drawn over the glyphs; the block glyphs and their cached
// images are left alone, so hiding the colouring only takes its nodes out of the scene, and
// the scene's change report repaints where they were.
//
// The editor is not owned and must outlive the overlay; the overlay must be hidden (or
// destroyed) before the editor's scene goes. When the view instance closes, the colouring is
// hidden. User-interface thread only.
class VANTOR_EXPORT SampleTimeOverlay : public QUILL::ListenerBase {
public:
    using Rate = VTSIM::SampleTimes::Rate;

    // One coloured block: its full path, its rate, its box (absolute diagram coordinates, the
    // scene's frame) and the colour over it.
    struct Tint {
        std::string path;
        Rate rate;
        PARR::GLRect<double> box;
        PARR::Color colour;
    };

    explicit SampleTimeOverlay(DOVE2::Editor& editor);
    ~SampleTimeOverlay() override;
    SampleTimeOverlay(const SampleTimeOverlay&) = delete;
    SampleTimeOverlay& operator=(const SampleTimeOverlay&) = delete;

    // Shows the colouring when hidden, hides it when shown.
    void toggle();
    // Colours the blocks and starts following the view instance (again, when shown already).
    // Nothing happens while the editor shows no diagram.
    void show();
    // Takes the colouring out of the scene and stops following the view instance.
    void hide();
    bool isShown() const { return shown_; }

    // The coloured blocks, in the diagram's block order; empty while hidden.
    const std::vector<Tint>& getTints() const { return tints_; }
    // The legend's entries, top to bottom; empty while hidden.
    const std::vector<std::string>& getLegendLabels() const { return legend_; }
    // Number of scene nodes the colouring adds, at every depth (0 while hidden).
    std::size_t nodeCount() const;

    // The colour of `rate`; for a discrete rate, `discreteIndex` is its place among the
    // discrete rates shown, by rising period (the colours repeat after five).
    static PARR::Color colourOf(const Rate& rate, std::size_t discreteIndex = 0);

    // QUILL::ListenerBase: a report of the view instance lays the colouring out again.
    void onCommit(const QUILL::ReportOfChanges<>& report) override;
    void onDeviantDestroyed(QUILL::Deviant& instance) override;

private:
    void refresh();
    void removeNodes();
    void addTint(const Tint& tint);
    void addLegend(const std::vector<std::pair<std::string, PARR::Color>>& entries,
                   const PARR::GLRect<double>& blocks);

    DOVE2::Editor& editor_;
    bool shown_ = false;
    QUILL::Deviant* followed_ = nullptr;
    std::vector<Tint> tints_;
    std::vector<std::string> legend_;
    std::vector<PARR::Holder<ROOK2::Node>> nodes_;  // top-level nodes added to the scene
};

}  // namespace Vantor
