#include "harbor/StudioComponentBase.h"

#include <utility>

#include "harbor/AbstractDomainInterface.h"
#include "harbor/StudioClipboardAdapter.h"

namespace HARBOR {

StudioComponentBase::StudioComponentBase(Studio* studio, std::string name)
    : studio_(studio), name_(std::move(name)) {}

// The adapter refers to this component, so it goes first; the domain interface after it.
StudioComponentBase::~StudioComponentBase() {
    clipboardAdapter_.reset();
    domain_.reset();
}

void StudioComponentBase::initialize(PARR::ErrorHolder&) {}

void StudioComponentBase::terminate(PARR::ErrorHolder&) {}

QWidget* StudioComponentBase::getWidget() const {
    return nullptr;
}

std::string StudioComponentBase::getDisplayTitle() const {
    return name_;
}

QWidget* StudioComponentBase::getDefaultFocusWidget() const {
    return getWidget();
}

std::string StudioComponentBase::getFullyQualifiedYarrowTypeName() const {
    return "HARBOR.StudioComponent";
}

bool StudioComponentBase::canAccept(const PARR::MimeData2&) const {
    return false;
}

PARR::UndoRedoCommandTarget* StudioComponentBase::getUndoRedoTarget() {
    return nullptr;
}

void StudioComponentBase::postCreate() {}

std::string StudioComponentBase::getTabTitle() const {
    return getDisplayTitle();
}

void StudioComponentBase::doInitialLayout() {}

bool StudioComponentBase::isDocument() const {
    return false;
}

void StudioComponentBase::setDomain(PARR::Holder<AbstractDomainInterface> domain) {
    domain_ = std::move(domain);
}

void StudioComponentBase::setClipboardAdapter(std::unique_ptr<StudioClipboardAdapter> adapter) {
    clipboardAdapter_ = std::move(adapter);
}

}  // namespace HARBOR
