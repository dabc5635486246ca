#include "harbor/AbstractDomainInterface.h"

#include "harbor/AbstractDomain.h"
#include "harbor/Studio.h"
#include "harbor/StudioClipboardAdapter.h"
#include "harbor/StudioComponentBase.h"

namespace HARBOR {

AbstractDomainInterface::~AbstractDomainInterface() = default;

std::string AbstractDomainInterface::getFullyQualifiedYarrowTypeName() const {
    return "HARBOR.AbstractDomainInterface";
}

void AbstractDomainInterface::activate() {
    active_ = true;
}

void AbstractDomainInterface::deactivate() {
    active_ = false;
}

Util::MenuInterface AbstractDomainInterface::getMenuInterface() {
    return getDomain()->getMenuInterface();
}

bool AbstractDomainInterface::canCut() const {
    const StudioClipboardAdapter* adapter = activeClipboardAdapter();
    return adapter && adapter->canCut();
}

bool AbstractDomainInterface::canCopy() const {
    const StudioClipboardAdapter* adapter = activeClipboardAdapter();
    return adapter && adapter->canCopy();
}

bool AbstractDomainInterface::canPaste() const {
    const StudioClipboardAdapter* adapter = activeClipboardAdapter();
    return adapter && adapter->canPaste();
}

void AbstractDomainInterface::doCut() {
    if (StudioClipboardAdapter* adapter = activeClipboardAdapter())
        adapter->cut();
}

void AbstractDomainInterface::doCopy() {
    if (StudioClipboardAdapter* adapter = activeClipboardAdapter())
        adapter->copy();
}

void AbstractDomainInterface::doPaste() {
    StudioClipboardAdapter* adapter = activeClipboardAdapter();
    if (!adapter)
        return;
    // Held for the call, so a copy made by the adapter while pasting cannot pull the data away.
    const PARR::Holder<const PARR::MimeData2> data = StudioClipboardAdapter::getMimeData();
    adapter->paste(data.get());
}

PARR::StringID AbstractDomainInterface::getName() const {
    return getDomain()->getName();
}

PARR::StringID AbstractDomainInterface::getModelClassFullName() const {
    return getDomain()->getModelClassFullName();
}

StudioClipboardAdapter* AbstractDomainInterface::activeClipboardAdapter() const {
    if (!studio_)
        return nullptr;
    const StudioComponentBase* active = studio_->getActiveComponent();
    return active ? active->getClipboardAdapter() : nullptr;
}

}  // namespace HARBOR
