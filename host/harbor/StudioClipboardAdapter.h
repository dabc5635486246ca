#pragma once

#include "parr/ErrorHolder.h"
#include "parr/Holder.h"
#include "parr/MimeData2.h"

namespace HARBOR {

class StudioComponentBase;

// Connects the studio's Copy, Cut and Paste actions to one component. A component owns its
// adapter (StudioComponentBase::setClipboardAdapter), so the component outlives it. The
// studio asks the availability queries before offering an action and calls copy(), cut() or
// paste(data) while the component is active (AbstractDomainInterface's hooks).
//
// Derived adapters put their data on the studio clipboard with setMimeData; the base offers
// nothing and does nothing.
class StudioClipboardAdapter {
public:
    explicit StudioClipboardAdapter(StudioComponentBase& component) : component_(component) {}
    StudioClipboardAdapter(const StudioClipboardAdapter&) = delete;
    StudioClipboardAdapter& operator=(const StudioClipboardAdapter&) = delete;
    virtual ~StudioClipboardAdapter();

    // Called by the component after installing the adapter, and before removing it. The base
    // records the state (isInitialized).
    virtual void initialize(PARR::ErrorHolder& errors);
    virtual void terminate(PARR::ErrorHolder& errors);

    virtual bool canCopy() const;
    virtual bool canCut() const;
    virtual bool canPaste() const;
    virtual void copy();
    // `data` is what the studio clipboard holds (getMimeData), null when it holds nothing;
    // valid for the call.
    virtual void paste(const PARR::MimeData2* data);
    virtual void cut();

    StudioComponentBase& getComponent() const { return component_; }
    // True between initialize() and terminate() (as the base implements them).
    bool isInitialized() const { return initialized_; }

    // Puts the items of `data` on the studio clipboard: with `merge` false they replace its
    // content, with `merge` true items under other keys stay (StudioClipboard::setMimeData).
    static void setMimeData(const PARR::MimeData2& data, bool merge);
    // What the studio clipboard holds, or a null Holder (StudioClipboard::mimeData).
    static PARR::Holder<const PARR::MimeData2> getMimeData();

private:
    StudioComponentBase& component_;
    bool initialized_ = false;
};

}  // namespace HARBOR
