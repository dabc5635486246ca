#include "dove2/Dove2DomainImpl.h"

#include "dove2/Application.h"
#include "dove2/Dove2Domain.h"
#include "dove2/Editor.h"
#include "dove2/StudioApp.h"
#include "harbor/AbstractDomainInterface.h"
#include "harbor/Studio.h"

namespace DOVE2 {

Dove2DomainImpl::Dove2DomainImpl(HARBOR::Studio* studio) : AbstractDove2DomainImpl(studio) {}

bool Dove2DomainImpl::isSubDomain(HARBOR::AbstractDomainInterface* other) const {
    return other && other->getDomain() == Dove2Domain::get();
}

PARR::Holder<Application> Dove2DomainImpl::createApplication(const QUILL::Model& model,
                                                             PARR::ErrorHolder& errors) {
    if (!model.isValid()) {
        errors.setError(kCannotServeModel, kCannotServeModelCode, {Dove2Domain::kName});
        return {};
    }
    return PARR::makeHeld<Application>(model, getStudio());
}

Editor* Dove2DomainImpl::createEditor(const Diagram& diagram, std::string name,
                                      PARR::ErrorHolder& errors) {
    HARBOR::Studio* studio = getStudio();
    auto* app = studio ? dynamic_cast<StudioApp*>(studio->getApp()) : nullptr;
    if (!app) {
        errors.setError(kNoStudioApp, kNoStudioAppCode, {});
        return nullptr;
    }
    Editor* editor = app->createEditorOfType(studio, diagram, Editor::staticGetTypeName(),
                                             std::move(name), errors);
    if (!editor)
        return nullptr;
    editor->setDomain(Dove2Domain::get()->createInterface(studio));
    Dove2Domain::get()->installTools(editor);
    return editor;
}

}  // namespace DOVE2
