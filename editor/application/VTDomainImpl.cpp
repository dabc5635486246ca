#include "application/VTDomainImpl.h"

#include "application/Application.h"
#include "application/VTDomain.h"
#include "application/VTDomainInterface.h"
#include "dove2/FailureWarning.h"
#include "dove2/StudioApp.h"
#include "harbor/Studio.h"
#include "studio/Editor.h"
#include "vtquill/Schema.h"

namespace Vantor {

namespace {

bool isBlockDiagramModel(const QUILL::Model& model) {
    return model.isValid() && model.getModelObject().getMetaClass().isKindOf(
                                  QUILL::ImmutableType(VTQUILL::Schema::get().model));
}

}  // namespace

const char* const VTDomainImpl::key = "Vantor:VTDomain";

VTDomainImpl::VTDomainImpl(HARBOR::Studio* studio) : DOVE2::AbstractDove2DomainImpl(studio) {}

VTDomainImpl::~VTDomainImpl() = default;

void VTDomainImpl::activate() {}

void VTDomainImpl::deactivate() {}

bool VTDomainImpl::isSubDomain(HARBOR::AbstractDomainInterface* other) const {
    return dynamic_cast<VTDomainInterface*>(other) != nullptr;
}

PARR::Holder<DOVE2::Application> VTDomainImpl::createApplication(const QUILL::Model& model,
                                                                 PARR::ErrorHolder& errors) {
    if (isBlockDiagramModel(model))
        return PARR::makeHeld<Application>(VTQUILL::Model(model), getStudio());
    errors.setError(kIncompatibleDomain, kIncompatibleDomainCode,
                    {VTDomain::get()->getName().str()}, {"application/VTDomainImpl", 51});
    return {};
}

DOVE2::Editor* VTDomainImpl::createEditor(const DOVE2::Diagram& diagram, std::string name,
                                          PARR::ErrorHolder& errors) {
    HARBOR::Studio* studio = getStudio();
    auto* app = studio ? dynamic_cast<DOVE2::StudioApp*>(studio->getApp()) : nullptr;
    if (!app) {
        errors.setError(kNoEditor, kNoEditorCode, {name});
        return nullptr;
    }
    const std::string editorName = name;
    DOVE2::Editor* made = app->createEditorOfType(studio, diagram, Editor::staticGetTypeName(),
                                                  std::move(name), errors);
    auto* editor = dynamic_cast<Editor*>(made);
    if (!editor) {
        // The framework made something else (or nothing): an editor that would lack the
        // block-diagram tools and glyph handling is closed again rather than shown.
        if (made) {
            PARR::ErrorHolder closing;
            app->closeEditor(made, closing);
            DOVE2::warnOfFailure("Closing an editor of the wrong kind", closing);
        }
        if (!errors.hasError())
            errors.setError(kNoEditor, kNoEditorCode, {editorName});
        return nullptr;
    }
    editor->setDomain(VTDomain::get()->createInterface(studio));
    VTDomain::get()->installTools(editor);
    return editor;
}

}  // namespace Vantor
