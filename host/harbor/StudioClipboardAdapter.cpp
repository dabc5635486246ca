#include "harbor/StudioClipboardAdapter.h"

#include "harbor/StudioClipboard.h"

namespace HARBOR {

StudioClipboardAdapter::~StudioClipboardAdapter() = default;

void StudioClipboardAdapter::initialize(PARR::ErrorHolder&) {
    initialized_ = true;
}

void StudioClipboardAdapter::terminate(PARR::ErrorHolder&) {
    initialized_ = false;
}

bool StudioClipboardAdapter::canCopy() const {
    return false;
}

bool StudioClipboardAdapter::canCut() const {
    return false;
}

bool StudioClipboardAdapter::canPaste() const {
    return false;
}

void StudioClipboardAdapter::copy() {}

void StudioClipboardAdapter::paste(const PARR::MimeData2*) {}

void StudioClipboardAdapter::cut() {}

void StudioClipboardAdapter::setMimeData(const PARR::MimeData2& data, bool merge) {
    StudioClipboard::setMimeData(data, merge);
}

PARR::Holder<const PARR::MimeData2> StudioClipboardAdapter::getMimeData() {
    return StudioClipboard::mimeData();
}

}  // namespace HARBOR
