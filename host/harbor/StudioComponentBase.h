#pragma once

#include <memory>
#include <string>

#include "harbor/AbstractDomainInterface.h"
#include "parr/ErrorHolder.h"
#include "parr/Holder.h"
#include "parr/ReferencedTemplate.h"

class QWidget;

namespace PARR {
class MimeData2;
class UndoRedoCommandTarget;
}  // namespace PARR

namespace HARBOR {

class StudioClipboardAdapter;
class Studio;

// A window of a studio: an editor, the model tree, a property browser. Made by the component
// factory registered under its type name (StudioComponentFactory), then added to its studio
// under its name (Studio::addComponent); the studio must outlive it. Reference counted (count
// starts at 0); the studio holds its components through PARR::Holder.
//
// A component holds a reference to its domain interface (setDomain) and owns its clipboard
// adapter (setClipboardAdapter); both go with the component.
class StudioComponentBase : public PARR::ReferencedTemplate<unsigned int> {
public:
    StudioComponentBase(Studio* studio, std::string name);
    StudioComponentBase(const StudioComponentBase&) = delete;
    StudioComponentBase& operator=(const StudioComponentBase&) = delete;
    ~StudioComponentBase() override;

    // Called by the framework after the component was made and configured, and before it goes.
    // The base does nothing.
    virtual void initialize(PARR::ErrorHolder& errors);
    virtual void terminate(PARR::ErrorHolder& errors);
    // The component's widget, owned by the component; the base has none (null).
    virtual QWidget* getWidget() const;
    // The title shown for the component; the base answers its name.
    virtual std::string getDisplayTitle() const;
    // The widget to focus when the component is shown; the base answers getWidget().
    virtual QWidget* getDefaultFocusWidget() const;
    // The scripting type name; the base answers "HARBOR.StudioComponent".
    virtual std::string getFullyQualifiedYarrowTypeName() const;
    // True when the component takes `data` (dropped or pasted); the base takes nothing.
    virtual bool canAccept(const PARR::MimeData2& data) const;
    // The undo history the studio's Undo and Redo act on while the component is active, owned
    // by the component; the base has none (null).
    virtual PARR::UndoRedoCommandTarget* getUndoRedoTarget();
    // The type name the component's factory is registered under ("Vantor:Editor").
    virtual std::string getTypeName() const = 0;
    // Called once the component is in its studio; the base does nothing.
    virtual void postCreate();
    // The text of the component's tab; the base answers getDisplayTitle().
    virtual std::string getTabTitle() const;
    // Lays out the component's widget when first shown; the base does nothing.
    virtual void doInitialLayout();
    // True for a document (an editor), false for a tool window (tree, property browser). A
    // studio without documents is empty (Studio::hasOpenDocuments). The base answers false.
    virtual bool isDocument() const;

    Studio* getStudio() const { return studio_; }
    // The name given at construction; unique within the studio.
    const std::string& getName() const { return name_; }

    // Holds `domain` (empty clears) and lets go of the one held before.
    void setDomain(PARR::Holder<AbstractDomainInterface> domain);
    // The held domain interface, or null.
    AbstractDomainInterface* getDomain() const { return domain_.get(); }

    // Installs `adapter` (null removes) and destroys the one installed before; the component
    // owns it. The caller initializes and terminates it.
    void setClipboardAdapter(std::unique_ptr<StudioClipboardAdapter> adapter);
    // The installed adapter, or null.
    StudioClipboardAdapter* getClipboardAdapter() const { return clipboardAdapter_.get(); }

private:
    Studio* studio_;
    std::string name_;
    PARR::Holder<AbstractDomainInterface> domain_;
    std::unique_ptr<StudioClipboardAdapter> clipboardAdapter_;
};

}  // namespace HARBOR
