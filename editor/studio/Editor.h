#pragma once

#include <memory>
#include <string>
#include <vector>

#include <boost/shared_ptr.hpp>

#include "application/Export.h"
#include "dove2/Diagram.h"
#include "dove2/Editor.h"
#include "harbor/StudioComponentBase.h"
#include "parr/ErrorHolder.h"
#include "parr/GLWidget2.h"
#include "parr/GLWidgetEvent2.h"
#include "parr/Holder.h"
#include "vtdove/BlockDialogUtil.h"

namespace VantorRenderer {
class BlockModifyListener;
}

namespace Vantor {

class PaletteActionToolFactory;
class SampleTimeOverlay;

// The editor of one block diagram in a studio. The framework's editor supplies the canvas,
// scene, tool dispatch, selection and undo; this class adds the block-diagram editor's type
// name ("Vantor:Editor"), its tab title (the leaf of its system path), four palette buttons
// that select the do-nothing tool and act at once (zoom out, fit to view, align the selected
// blocks' left edges, colour the blocks by rate), the explorer bar, the clipboard adapter, the
// block parameter dialogs opened from its blocks, and the listener on the engine graph of the shown
// diagram (made on each diagram set while the canvas renders on a thread of its own).
//
// Made by the component factory registered under "Vantor:Editor" and configured by
// VTDomainImpl::createEditor (domain interface, tools). The studio holds it (reference
// counted); `terminate` before it goes. User-interface thread only.
class VANTOR_EXPORT Editor : public DOVE2::Editor {
public:
    Editor(HARBOR::Studio* studio, const std::string& name);
    ~Editor() override;

    // A new editor on `studio` named `name`, held by the caller alone.
    static PARR::Holder<Editor> create(HARBOR::Studio* studio, const std::string& name);
    // "Vantor:Editor".
    static std::string staticGetTypeName();
    std::string getTypeName() const override;

    // The framework's initialization, then the palette tool factory, the clipboard adapter
    // and (when a canvas exists) the canvas's hide and close connections.
    void initialize(PARR::ErrorHolder& errors) override;
    // The clipboard adapter's termination, the listener released, the framework's
    // termination, and every parameter dialog opened from this editor closed.
    void terminate(PARR::ErrorHolder& errors) override;

    // The leaf of the editor's system path: m/a/b shows "b", m/a//b shows "a//b".
    std::string getDisplayTitle() const override;

    // The framework's palette followed by "zoom out", "fit to view", "align edges" and
    // "sample time", each a button that makes the "DoNothing" tool current and then runs its
    // action: zoomOutOneStep, fitDiagramToView, alignSelectedLeftEdges, toggleSampleTimes.
    // The caller owns the widgets; every call makes new ones. Buttons made before initialize
    // do nothing.
    std::vector<PARR::GLWidget2*> getPaletteObjects() const override;

    // --- Palette actions ------------------------------------------------------------------
    // Zooms the canvas out one step (ROOK2::Canvas::zoomOut); nothing without a canvas.
    void zoomOutOneStep();
    // Zooms and scrolls the canvas so the whole diagram shows (ROOK2::Canvas::fitToView);
    // nothing without a canvas.
    void fitDiagramToView();
    // Moves the selected blocks so that their left edges lie on the leftmost one's, with
    // their lines following, in one undoable command ("Align Left Edges"). True when the
    // command was recorded; false, with nothing recorded, when fewer than two blocks are
    // selected, their left edges are aligned already or the command failed (the failure goes
    // to the command error emitter).
    bool alignSelectedLeftEdges();
    // Shows the colouring of the blocks by rate, or hides it when shown (SampleTimeOverlay).
    void toggleSampleTimes();
    // The colouring by rate; null until sample times were first toggled.
    SampleTimeOverlay* getSampleTimeOverlay() const { return sampleTimes.get(); }

    // The explorer bar component of this editor, made (and added to the studio) on the first
    // call; the studio holds it. Null with the error when it cannot be made.
    HARBOR::StudioComponentBase* getExplorerBar(PARR::ErrorHolder& errors);

    // The listener on the shown diagram's engine graph; null while none is held.
    VantorRenderer::BlockModifyListener* getModifyListener() const;

    // Opens the parameter dialog of the block with full path `blockPath`.
    void openDefaultBlockDialog(const std::string& blockPath);

    // Receiver of the diagram-set signal: a new engine-graph listener for `diagram`'s root
    // instance replaces the one held before.
    void onSetDiagram(DOVE2::Diagram diagram);
    // Receiver of the canvas's hide and close signals: does nothing.
    void handleHideOrClose(PARR::GLWidgetEvent2 event);
    void postCreate() override;

    // The dialogs opened from this editor (for tests and for the studio's dialog handling).
    const VTDove::BlockDialogUtil& getDialogs() const { return dialogs; }

    // The folder of the editor's palette icons, ending in a separator; computed once.
    static const std::string& paletteIconFolder();

private:
    void connectCanvasSignals();

    boost::shared_ptr<VantorRenderer::BlockModifyListener> modifyListener;
    HARBOR::StudioComponentBase* explorerBar = nullptr;
    VTDove::BlockDialogUtil dialogs;
    // One per extra palette button, in kPaletteEntries order; made by initialize.
    std::vector<std::unique_ptr<PaletteActionToolFactory>> paletteToolFactories;
    std::unique_ptr<SampleTimeOverlay> sampleTimes;
};

}  // namespace Vantor
