#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QTabWidget>

namespace HARBOR {
class Studio;
class StudioComponentBase;
}  // namespace HARBOR

namespace VantorStudio {

// The tabs of a studio's documents (its editors): tab i shows the i-th document component of
// the studio, in the order they were added, as the studio framework service counts them; a
// hidden document keeps its tab, invisible. The window hands it the studio's notices about
// documents; the tabs never change the studio by themselves, but:
//  - a tab the user brings to the front sends its index through the studio's
//    "TabFocusEvents" service, then the focused callback runs with the index;
//  - a tab's close button runs the close callback with the tab's component.
// Tab texts are the components' tab titles, with " *" for a document with unsaved changes.
//
// A document's widget is shown while its component is in the studio; on removal the widget
// is handed back (no parent) to its component, which owns it. The studio must outlive the
// tabs. User-interface thread only.
class DocumentTabs : public QTabWidget {
    Q_OBJECT
public:
    using ComponentCallback = std::function<void(HARBOR::StudioComponentBase&)>;
    using IndexCallback = std::function<void(int)>;

    explicit DocumentTabs(HARBOR::Studio& studio, QWidget* parent = nullptr);

    // --- Notices ---
    // Adds the tab of `component` when it is a document with a widget.
    void componentAdded(HARBOR::StudioComponentBase& component);
    void componentRemoved(const std::string& name);
    void componentHidden(const std::string& name);
    void componentShown(const std::string& name);
    // Brings the tab of the component named `name` to the front (no focus event is sent).
    void activeComponentChanged(const std::string& name);

    // Sets every tab's text again (titles and unsaved-changes marks).
    void refreshTitles();

    // The tab of the component named `name`; -1 when it has none.
    int indexOf(const std::string& name) const;
    // The component of tab `index`; null for an index outside the tabs.
    HARBOR::StudioComponentBase* componentAt(int index) const;

    void setFocusedCallback(IndexCallback callback) { focused_ = std::move(callback); }
    void setCloseCallback(ComponentCallback callback) { close_ = std::move(callback); }

private:
    void onCurrentChanged(int index);
    void onCloseRequested(int index);
    QString titleOf(HARBOR::StudioComponentBase& component) const;

    HARBOR::Studio& studio_;
    // The component name of each tab, in tab order.
    std::vector<std::string> names_;
    // Set while the tabs follow the studio: index changes then are not the user's.
    bool following_ = false;
    IndexCallback focused_;
    ComponentCallback close_;
};

}  // namespace VantorStudio
