#pragma once

#include "application/Export.h"
#include "dove2/Glyph.h"
#include "parr/Holder.h"
#include "rook2/TextNode.h"
#include "vtquill/VTQuill.h"
#include "wren/Listener.h"

namespace Vantor {

// The glyph of a free text annotation: an editable, selectable, movable text at the
// annotation's position (relative to the diagram). Finishing an in-place edit writes the text
// and the text's position back to the model in one plain root transaction, not an undoable
// command; the model's undo history counts it as an unsaved change (DOVE2::UndoHistory).
//
// The text is coloured by a highlighter chosen by the annotation's click-function flag: the
// scripting language's (ROOK2::TesselSyntaxHighlighter) when the text is a click function,
// plain (ROOK2::GenericSyntaxHighlighter) otherwise; the matching one is installed by
// `create` and replaced when the flag changes.
//
// Owns its text node from construction; the connection to the text's edit-complete signal
// belongs to the glyph's listener base and is cut when the glyph goes. User-interface
// thread only.
class VANTOR_EXPORT AnnotationGlyph : public DOVE2::Glyph, public WREN::Listener {
public:
    explicit AnnotationGlyph(const VTQUILL::ImmutableAnnotation& annotation);
    ~AnnotationGlyph() override;

    // Listens to the text's edits and makes it editable, selectable and movable.
    void create() override;
    // The text node (made with the glyph).
    PARR::Holder<ROOK2::Node> getRoot() const override { return text; }
    // Highlighter (when the click-function flag changed), position and text from the
    // annotation; the text is left alone while the user is editing it.
    void update() override;

    // The annotation's click-function flag as the glyph last applied it.
    bool usesClickFunctionHighlighter() const { return clickFunction; }

private:
    VTQUILL::ImmutableAnnotation annotation() const;
    void installHighlighter();
    // The user finished editing: text and position go to the model (only in an editor).
    void onEditComplete();

    PARR::Holder<ROOK2::TextNode> text;
    bool clickFunction;
};

}  // namespace Vantor
