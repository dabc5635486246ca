#pragma once

#include <string>

#include "harbor/MenuInterface.h"
#include "parr/ReferencedTemplate.h"
#include "parr/StringID.h"

namespace HARBOR {

class AbstractDomain;
class StudioClipboardAdapter;
class Studio;

// A domain as one studio sees it: what the studio and its scripting layer talk to. Made by
// AbstractDomain::createInterface for a studio, which must outlive it. Reference counted
// (count starts at 0): components hold theirs through StudioComponentBase::setDomain.
//
// The cut, copy and paste hooks serve the studio's Edit actions. By default they reach the
// clipboard adapter of the studio's active component (Studio::getActiveComponent): the
// queries answer that adapter's availability, and false when there is no active component or
// it has no adapter; the actions do nothing then. Paste hands the adapter the data on the
// studio clipboard (StudioClipboardAdapter::getMimeData).
class AbstractDomainInterface : public PARR::ReferencedTemplate<unsigned int> {
public:
    explicit AbstractDomainInterface(Studio* studio) : studio_(studio) {}
    ~AbstractDomainInterface() override;

    // The scripting type name of the interface; the base answers "HARBOR.AbstractDomainInterface".
    virtual std::string getFullyQualifiedYarrowTypeName() const;
    // Mark the interface as the studio's current one, or no longer current.
    virtual void activate();
    virtual void deactivate();
    // The domain's menu interface (getDomain()->getMenuInterface()).
    virtual Util::MenuInterface getMenuInterface();
    // The domain this interface belongs to; never null.
    virtual AbstractDomain* getDomain() const = 0;

    virtual bool canCut() const;
    virtual bool canCopy() const;
    virtual bool canPaste() const;
    virtual void doCut();
    virtual void doCopy();
    virtual void doPaste();

    // The domain's name and model class (getDomain()'s).
    virtual PARR::StringID getName() const;
    virtual PARR::StringID getModelClassFullName() const;

    Studio* getStudio() const { return studio_; }
    // True between activate() and deactivate() (as the base implements them).
    bool isActive() const { return active_; }

private:
    // The clipboard adapter of the studio's active component, or null.
    StudioClipboardAdapter* activeClipboardAdapter() const;

    Studio* studio_;
    bool active_ = false;
};

}  // namespace HARBOR
