#pragma once

#include "application/Export.h"
#include "dove2/Diagram.h"
#include "dove2/Glyph.h"
#include "dove2/TransactionCompletedEvent.h"
#include "parr/GLRect.h"
#include "parr/Holder.h"
#include "quill/Model.h"
#include "rook2/RoundedRectNode.h"
#include "rook2/TextNode.h"
#include "vtquill/VTQuill.h"
#include "wren/Listener.h"

namespace Vantor {

class StudioApp;

// The glyph of a state-chart block: a white rounded box with a drop shadow (the root, at the
// block's position), a live miniature of the chart's diagram inside it, a translucent
// pale-yellow to orange wash over it, and the block's name centred 2 units below. Corner
// resize handles show while it is selected in an editor; a double click opens the chart.
//
// The chart (its model and diagram) is asked of the state-chart side ("cxprivate"
// "is_cx_chart_block" with the block's full path) when the glyph is made, and again at the
// next update after it was emptied: a transaction that deletes the chart's diagram or the
// block empties it, and undoing that deletion finds it again. An empty chart shows an empty
// miniature.
//
// The miniature is fitted by the host (DOVE2::Util::renderDiagramIntoNode scales the
// diagram's content into the miniature node's box, aspect kept, centred), so the glyph only
// gives the miniature a box 4 units inside the block's, and draws it again when that box or
// the chart changes. Node coordinates: relative to the root (the block's position).
//
// Owns its nodes; the subscription to the studio application's transaction events belongs
// to the glyph's listener base and ends with the glyph. User-interface thread only.
class VANTOR_EXPORT ChartixGlyph : public DOVE2::Glyph, public WREN::Listener {
public:
    // Margin between the block's box and the chart's drawing, on every side.
    static constexpr double kMiniatureMargin = 4.0;

    explicit ChartixGlyph(const VTQUILL::Block& block);
    ~ChartixGlyph() override;

    void create() override;
    // The body; empty before `create`.
    PARR::Holder<ROOK2::Node> getRoot() const override { return body; }
    void update() override;
    // Opens the chart through the studio application (nothing without one).
    void handleMouseDoubleClickEvent(ROOK2::MouseEvent& event) override;
    // Corner resize handles on the body while it is selected in an editor.
    virtual void updateResizeControls();
    // 0.166 times the block's shorter side.
    virtual double cornerRadius() const;

    // The chart as last looked up (empty handles when there is none).
    const QUILL::Model& getChartModel() const { return chartModel; }
    const DOVE2::Diagram& getChartDiagram() const { return chartDiagram; }
    // The node the chart's drawing is added to, and the drawing (empty while none is shown).
    const PARR::Holder<ROOK2::RoundedRectNode>& getMiniature() const { return miniature; }
    const PARR::Holder<ROOK2::Node>& getMiniatureDrawing() const { return drawing; }

protected:
    void onSetEditor() override;

private:
    VTQUILL::Block block() const;
    void lookUpChart();
    void onTransactionCompleted(const DOVE2::TransactionCompletedEvent& event);
    void placeLabel(const VTQUILL::Block& shown);
    // The label edited in place renames the block ("Rename Block"), or shows its name again.
    void onLabelEdited();
    void updateMiniature(const PARR::GLPoint<double>& size);

    PARR::Holder<ROOK2::RoundedRectNode> body;
    PARR::Holder<ROOK2::RoundedRectNode> miniature;
    PARR::Holder<ROOK2::RoundedRectNode> overlay;
    PARR::Holder<ROOK2::TextNode> label;
    StudioApp* studioApp = nullptr;
    bool subscribed = false;
    QUILL::Model chartModel;
    DOVE2::Diagram chartDiagram;
    // What the miniature shows: the drawing node, the chart and the box it was made for.
    PARR::Holder<ROOK2::Node> drawing;
    DOVE2::Diagram drawnChart;
    PARR::GLRect<double> drawnBox;
};

}  // namespace Vantor
