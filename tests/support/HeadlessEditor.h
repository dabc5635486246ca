#pragma once

#include <cmath>
#include <string>
#include <vector>

#include "dove2/Diagram.h"
#include "dove2/Editor.h"
#include "dove2/Glyph.h"
#include "dove2/Graphics.h"
#include "dove2/tools/GenericTools.h"
#include "harbor/Studio.h"
#include "parr/ErrorHolder.h"
#include "parr/GLPoint.h"
#include "parr/GLRect.h"
#include "parr/Holder.h"
#include "quill/ClassObject.h"
#include "rook2/KeyEvent.h"
#include "rook2/MouseEvent.h"
#include "rook2/Node.h"
#include "rook2/Scene.h"

namespace TestSupport {

// Drives an editor as the canvas would, without a window: synthetic mouse and key events
// through the editor's scene (Scene::deliverMouseEvent / deliverKeyEvent) at zoom 1 without
// panning, so widget positions are the scene positions rounded. Remembers which buttons are
// held between press and release, so moves carry them. Also answers where glyphs are.
//
// The editor is not owned and must outlive the driver's use of it.
class EditorDriver {
public:
    using Point = PARR::GLPoint<double>;
    static constexpr int kLeft = ROOK2::MouseEvent::LeftButton;
    static constexpr int kRight = ROOK2::MouseEvent::RightButton;

    explicit EditorDriver(DOVE2::Editor& editor) : driven_(editor) {}
    EditorDriver(const EditorDriver&) = delete;
    EditorDriver& operator=(const EditorDriver&) = delete;

    ROOK2::Scene& scene() const { return *driven_.getScene(); }
    DOVE2::Graphics& graphics() const { return *driven_.getGraphics(); }

    // --- mouse --------------------------------------------------------------------------
    // A mouse event at `at` (scene) as the canvas would make it, with the buttons now held.
    ROOK2::MouseEvent mouse(ROOK2::MouseEvent::Type type, const Point& at, int button,
                            unsigned modifiers) const {
        const PARR::GLPoint<int> widget(static_cast<int>(std::lround(at.x)),
                                        static_cast<int>(std::lround(at.y)));
        return ROOK2::MouseEvent(type, at, widget, button, held_, modifiers);
    }
    // Each returns the event as delivered (consumed or not).
    ROOK2::MouseEvent press(const Point& at, unsigned modifiers = 0, int button = kLeft) {
        held_ |= button;
        return deliver(mouse(ROOK2::MouseEvent::Press, at, button, modifiers));
    }
    ROOK2::MouseEvent move(const Point& at, unsigned modifiers = 0) {
        return deliver(mouse(ROOK2::MouseEvent::Move, at, ROOK2::MouseEvent::NoButton, modifiers));
    }
    ROOK2::MouseEvent release(const Point& at, unsigned modifiers = 0, int button = kLeft) {
        held_ &= ~button;
        return deliver(mouse(ROOK2::MouseEvent::Release, at, button, modifiers));
    }
    ROOK2::MouseEvent doubleClick(const Point& at, unsigned modifiers = 0, int button = kLeft) {
        return deliver(mouse(ROOK2::MouseEvent::DoubleClick, at, button, modifiers));
    }
    void click(const Point& at, unsigned modifiers = 0) {
        press(at, modifiers);
        release(at, modifiers);
    }
    // Press at `from`, `steps` moves evenly along the way to `to`, release at `to`.
    void drag(const Point& from, const Point& to, unsigned modifiers = 0, int steps = 3) {
        press(from, modifiers);
        for (int i = 1; i <= steps; ++i) {
            const double f = static_cast<double>(i) / steps;
            move(from + (to - from) * f, modifiers);
        }
        release(to, modifiers);
    }

    // --- keys ---------------------------------------------------------------------------
    // A key press then its release; returns the press as delivered.
    ROOK2::KeyEvent key(int code, unsigned modifiers = 0) {
        ROOK2::KeyEvent down(ROOK2::KeyEvent::Press, code, modifiers);
        scene().deliverKeyEvent(down);
        ROOK2::KeyEvent up(ROOK2::KeyEvent::Release, code, modifiers);
        scene().deliverKeyEvent(up);
        return down;
    }

    // --- glyphs -------------------------------------------------------------------------
    PARR::Holder<DOVE2::Glyph> glyphOf(const QUILL::ImmutableClassObject& element) const {
        return graphics().getGlyph(element);
    }
    // The glyph's root node; null when the element has no glyph or the glyph draws nothing.
    ROOK2::Node* nodeOf(const QUILL::ImmutableClassObject& element) const {
        const PARR::Holder<DOVE2::Glyph> glyph = glyphOf(element);
        return glyph ? glyph->getRoot().get() : nullptr;
    }
    // The box the element's glyph covers in the scene (empty when it has none).
    PARR::GLRect<double> sceneBoxOf(const QUILL::ImmutableClassObject& element) const {
        const ROOK2::Node* node = nodeOf(element);
        return node ? node->sceneTransform().mapRect(node->getBounds().boundingRect())
                    : PARR::GLRect<double>();
    }
    Point centreOf(const QUILL::ImmutableClassObject& element) const {
        return sceneBoxOf(element).center();
    }
    // The ids of the selected elements, in selection order.
    std::vector<QUILL::ObjectId> selectedIds() const {
        std::vector<QUILL::ObjectId> ids;
        for (const DOVE2::DiagramElement& element : driven_.getSelection())
            ids.push_back(element.getObjectId());
        return ids;
    }
    // True when the view instance holds no change of its own (no preview).
    bool viewShowsRoot() const {
        return driven_.getViewInstance().getDeviant().ownEntryCount() == 0;
    }

private:
    ROOK2::MouseEvent deliver(ROOK2::MouseEvent event) {
        scene().deliverMouseEvent(event);
        return event;
    }

    DOVE2::Editor& driven_;
    int held_ = ROOK2::MouseEvent::NoButton;
};

// The studio and editor a HeadlessEditor owns; a base so that both exist before the driver.
class EditorHolder {
protected:
    explicit EditorHolder(const std::string& name) : editor_(new DOVE2::Editor(&studio_, name)) {}

    HARBOR::Studio studio_;
    PARR::Holder<DOVE2::Editor> editor_;
};

// A DOVE2 editor without a window, for driving tools with synthetic events (EditorDriver): a
// studio, an editor made directly on it (not added to the studio) showing `diagram`,
// initialized, with the framework's generic tools installed unless asked otherwise.
//
// The editor is terminated and let go when the fixture goes; the model (held elsewhere, e.g.
// by a BlockDiagramBuilder) must outlive the fixture.
class HeadlessEditor : private EditorHolder, public EditorDriver {
public:
    explicit HeadlessEditor(const DOVE2::Diagram& diagram, bool withGenericTools = true,
                            const std::string& name = "editor")
        : EditorHolder(name), EditorDriver(*editor_) {
        editor_->setDiagram(diagram);
        PARR::ErrorHolder errors;
        editor_->initialize(errors);
        if (withGenericTools)
            DOVE2::installGenericTools(*editor_);
    }
    ~HeadlessEditor() {
        PARR::ErrorHolder errors;
        editor_->terminate(errors);
    }

    DOVE2::Editor& editor() const { return *editor_; }
    HARBOR::Studio& studio() { return studio_; }
};

}  // namespace TestSupport
