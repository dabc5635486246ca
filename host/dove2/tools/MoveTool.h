#pragma once

#include <vector>

#include "dove2/DiagramElement.h"
#include "dove2/Glyph.h"
#include "dove2/tools/SmartGuideLines.h"
#include "dove2/tools/SmartGuideSnapper.h"
#include "editlayout/AffinityMap.h"
#include "editlayout/GuideLine.h"
#include "parr/GHash.h"
#include "parr/GLPoint.h"
#include "parr/Holder.h"
#include "rook2/MoveTool.h"

namespace DOVE2 {

class Editor;

// The tool of one move gesture in an editor, put on the tool stack by the selection tool once
// a press on a selected movable glyph turns into a drag (role
// ROOK2::MoveTool::staticGetDefaultRole()); it is done after the release.
//
// The gesture calls its hooks in this order:
//   press:    buildMovingSet, then the smart guides are prepared (participatesInSmartGuides,
//             addSmartGuideAffinities);
//   each move: setDelta(displacement from the press), then duringMove;
//   release:  setDelta(displacement from the press), then commitMove.
// getDelta answers, during a drag step, the increment since the previous step (what
// duringMove applies to the state the previous step left in the view instance), and from the
// release on, the whole displacement (what commitMove applies once to the root). Both are
// the snapped displacement: setDelta snaps what it is given to the smart guides.
//
// Default behaviour: the moving set is the selection's movable elements without those inside
// another moving element; each step moves them in the editor's view instance (a preview); the
// release drops the previews and processes one MoveElementsCommand on the root, so undo
// restores the model exactly. Displacements are in diagram units (scene coordinates).
//
// The editor is not owned and must outlive the tool. User-interface thread only.
class MoveTool : public ROOK2::MoveTool {
public:
    explicit MoveTool(Editor& editor);
    ~MoveTool() override;

    Editor& getEditor() const { return editor_; }
    bool isDone() const override { return done_; }

    void handleMousePressEvent(ROOK2::MouseEvent& event) override;
    void handleMouseMoveEvent(ROOK2::MouseEvent& event) override;
    void handleMouseReleaseEvent(ROOK2::MouseEvent& event) override;

    // During a drag step: the increment since the previous step; once the release began: the
    // whole displacement from the press. (0, 0) before the first step.
    virtual PARR::GLPoint<double> getDelta() const;
    // Sets the whole displacement from the press that the gesture asks for; it is snapped to
    // the smart guides (when enabled) before getDelta reports it.
    void setDelta(const PARR::GLPoint<double>& delta) override;

    // The elements the gesture moves, bound to the editor's view instance; filled by
    // buildMovingSet and read-only afterwards.
    const PARR::GHash<DiagramElement>& getMovingSet() const { return movingSet_; }

    // Whether `element` takes part in smart-guide alignment, as a moving or a resting item.
    // Default: a valid element that is not a graph edge.
    virtual bool participatesInSmartGuides(const DiagramElement& element) const;
    // Fills `map` with the affinities of the gesture. Default: the standard rectangle
    // affinities (EditLayout::SmartGuides::AddRectangleAffinities).
    virtual void addSmartGuideAffinities(EditLayout::AffinityMap& map);
    // Smart guides are on by default; turning them off makes setDelta keep what it is given.
    void setSmartGuidesEnabled(bool enabled) { smartGuides_ = enabled; }
    bool areSmartGuidesEnabled() const { return smartGuides_; }
    // The guide lines of the last step (absolute diagram coordinates); empty when nothing
    // snapped.
    const std::vector<EditLayout::GuideLine>& getSmartGuides() const { return snapper_.guides(); }
    // The lines drawing those guides in the scene while the drag runs.
    const SmartGuideLines& getSmartGuideLines() const { return guideLines_; }

protected:
    // Fills the moving set from the editor's selection: the elements whose glyphs are
    // movable, without those inside another such element.
    void buildMovingSet() override;
    // Moves every element of the moving set by getDelta in the editor's view instance, in a
    // transaction of its own there (nested in the caller's when one is open), committed.
    void duringMove() override;
    // Drops the previews and processes one MoveElementsCommand on the root that moves the
    // moving set by getDelta (the whole displacement); nothing when the set is empty or the
    // displacement is (0, 0).
    void commitMove() override;

    // The moving set, for a subclass that builds it itself.
    PARR::GHash<DiagramElement>& movingSet() { return movingSet_; }
    // True when `object` or one of its containers is in the moving set; false for an invalid
    // handle.
    bool isMovingWithAncestors(const QUILL::ImmutableClassObject& object) const;

private:
    void beginSmartGuides();
    void collectResting(const QUILL::ImmutableClassObject& container,
                        std::vector<const EditLayout::Item*>& resting);
    const EditLayout::Item* holdItem(const DiagramElement& element);
    void endGesture();

    Editor& editor_;
    PARR::GHash<DiagramElement> movingSet_;
    PARR::GLPoint<double> start_;
    PARR::GLPoint<double> total_;    // snapped displacement asked for by the last setDelta
    PARR::GLPoint<double> applied_;  // displacement the drag steps have applied so far
    bool pressed_ = false;
    bool finishing_ = false;
    bool done_ = false;
    bool smartGuides_ = true;
    SmartGuideSnapper snapper_;
    // The glyphs whose layout items the snapper refers to, kept alive for the gesture.
    std::vector<PARR::Holder<Glyph>> heldGlyphs_;
    // The guide lines drawn during the drag (removed when it ends).
    SmartGuideLines guideLines_;
};

}  // namespace DOVE2
