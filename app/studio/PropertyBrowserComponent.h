#pragma once

#include <string>

#include <QPointer>

#include "harbor/StudioComponentBase.h"
#include "quill/ImmutableClassObject.h"
#include "quill/ListenerBase.h"

class QTableWidget;

namespace VantorStudio {

// The studio's property browser: a dock component listing the attributes of one model
// element, read-only (name and value as text; the element's class as the tool tip). Points
// show as coordinates; references to other objects (a segment's ends) by name, never by
// internal id (ReferenceNames: "Gain/In1", "branch point at (x, y)", "free end"). The window
// shows the element selected in the active editor (showElement) and clears it when nothing is
// selected. It follows commits of the element's model instance, so the values shown stay
// current, and forgets an element that is deleted or whose model closes.
//
// The widget (a QTableWidget) is made on first request, only while a QApplication exists; the
// component owns it. Made by its component factory (registerFactory), held by the studio,
// which must outlive it. User-interface thread only.
class PropertyBrowserComponent : public HARBOR::StudioComponentBase, private QUILL::ListenerBase {
public:
    static constexpr const char* kTypeName = "VantorStudio:PropertyBrowser";
    // The name the studio window gives its property browser.
    static constexpr const char* kComponentName = "DOVE2 PropBrowser component";

    PropertyBrowserComponent(HARBOR::Studio* studio, const std::string& name);
    ~PropertyBrowserComponent() override;

    static std::string staticGetTypeName() { return kTypeName; }
    std::string getTypeName() const override { return kTypeName; }
    std::string getDisplayTitle() const override { return "Properties"; }
    QWidget* getWidget() const override;
    void terminate(PARR::ErrorHolder& errors) override;

    // Shows the attributes of `element` (an empty handle clears the browser).
    void showElement(const QUILL::ImmutableClassObject& element);
    const QUILL::ImmutableClassObject& shownElement() const { return element_; }
    // The text shown for attribute `name`; empty when no such row is shown.
    std::string valueText(const std::string& name) const;

    // Registers the component factory under kTypeName (once; later calls do nothing).
    static void registerFactory();
    // The text the browser shows for a value; references name objects of `instance` (without
    // one, every reference is a "missing element").
    static std::string formatValue(const QUILL::Value& value, QUILL::Deviant* instance = nullptr);

private:
    void onCommit(const QUILL::ReportOfChanges<>& report) override;
    void onDeviantDestroyed(QUILL::Deviant& instance) override;
    void fill() const;
    void stopFollowing();

    QUILL::ImmutableClassObject element_;
    QUILL::Deviant* followed_ = nullptr;
    mutable QPointer<QTableWidget> table_;
};

}  // namespace VantorStudio
