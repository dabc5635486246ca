#include "glyphs/AnnotationGlyph.h"

#include <exception>
#include <mutex>
#include <string>

#include "dove2/Editor.h"
#include "quill/Transaction.h"
#include "rook2/GenericSyntaxHighlighter.h"
#include "rook2/TesselSyntaxHighlighter.h"
#include "wren/GlobalConnectionLock.h"

namespace Vantor {

AnnotationGlyph::AnnotationGlyph(const VTQUILL::ImmutableAnnotation& annotation)
    : DOVE2::Glyph(DOVE2::DiagramElement(annotation)),
      text(new ROOK2::TextNode()),
      clickFunction(annotation.isValid() && annotation.getUseTextAsClickFcn()) {}

AnnotationGlyph::~AnnotationGlyph() {
    WREN::Listener::disconnect();
}

VTQUILL::ImmutableAnnotation AnnotationGlyph::annotation() const {
    return VTQUILL::ImmutableAnnotation(diagramElement());
}

void AnnotationGlyph::create() {
    {
        std::unique_lock lock(WREN::GetGlobalConnectionLock());
        text->getEditCompleteEmitter().connect(static_cast<WREN::Listener&>(*this),
                                               [this](const std::string&) { onEditComplete(); });
    }
    text->setEditable(true);
    text->setSelectable(true);
    text->setMovable(true);
    installHighlighter();
}

void AnnotationGlyph::update() {
    const VTQUILL::ImmutableAnnotation shown = annotation();
    if (!shown.isValid())
        return;
    if (shown.getUseTextAsClickFcn() != clickFunction) {
        clickFunction = !clickFunction;
        installHighlighter();
    }
    text->setPosition(shown.getPosition());
    if (!text->isEditing())
        text->setText(shown.getText());
}

void AnnotationGlyph::installHighlighter() {
    if (clickFunction)
        text->setSyntaxHighlighter(
            PARR::Holder<ROOK2::SyntaxHighlighter>(new ROOK2::TesselSyntaxHighlighter()));
    else
        text->setSyntaxHighlighter(
            PARR::Holder<ROOK2::SyntaxHighlighter>(new ROOK2::GenericSyntaxHighlighter()));
}

void AnnotationGlyph::onEditComplete() {
    DOVE2::Editor* editor = getEditor();
    const VTQUILL::ImmutableAnnotation edited = annotation();
    if (!editor || !edited.isValid())
        return;
    const QUILL::Model root = editor->getDiagram().getRootModel().getRootDeviant();
    try {
        QUILL::Transaction transaction(root);
        const VTQUILL::Annotation target(edited.asDeviant(root));
        target.setText(text->getText());
        target.setPosition(text->getPosition());
        transaction.commit();
    } catch (const std::exception& e) {
        // The model refused the edit (a transaction of someone else is open): the text shows
        // the model's again and the user is told.
        text->setText(edited.getText());
        editor->getCommandErrorEmitter().emit(std::string("The annotation was not changed: ") +
                                              e.what());
    }
}

}  // namespace Vantor
