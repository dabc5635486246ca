#pragma once

#include <map>
#include <string>

#include <QPointer>

class QAction;
class QDockWidget;
class QObject;
class QString;
class QMainWindow;

namespace HARBOR {
class Studio;
class StudioComponentBase;
}  // namespace HARBOR

namespace VantorStudio {

// The dock windows of a studio's tool components (the model tree, the property browser):
// one QDockWidget per component that is not a document and has a widget, titled with the
// component's display title ("Model Explorer" for a model tree without a title of its own).
// The model tree docks on the left below its filter field (ExplorerFilter), everything else on
// the right, unless the window restored a layout that places the dock (its objectName is the
// component's name).
// The window hands it the studio's notices; a hidden component's dock is hidden, and shown
// again with the component.
//
// On removal the component's widget is handed back (no parent) to its component, which owns
// it, and the dock goes (with the filter field of the model tree). The window and the studio must
// outlive the docks.
class ComponentDocks {
public:
    ComponentDocks(QMainWindow& window, HARBOR::Studio& studio);
    ComponentDocks(const ComponentDocks&) = delete;
    ComponentDocks& operator=(const ComponentDocks&) = delete;

    void componentAdded(HARBOR::StudioComponentBase& component);
    void componentRemoved(const std::string& name);
    void componentHidden(const std::string& name);
    void componentShown(const std::string& name);

    // The dock of the component named `name`; null when it has none.
    QDockWidget* dockOf(const std::string& name) const;

    // A checkable action, child of `parent`, that shows or hides the component named `name`
    // through the studio (so the studio's own hide/show requests and the menu agree); checked
    // while the component is shown. The component need not exist yet.
    QAction* makeToggleAction(const std::string& name, const QString& text, QObject* parent);

    // After the window restored a saved layout: each component whose dock the layout shows,
    // respectively hides, is shown, respectively hidden, through the studio, so that the
    // user's layout wins over the components' defaults and the studio knows what shows.
    void followRestoredLayout();

private:
    void syncToggle(const std::string& name);

    QMainWindow& window_;
    HARBOR::Studio& studio_;
    std::map<std::string, QPointer<QDockWidget>> docks_;
    std::map<std::string, QPointer<QAction>> toggles_;
};

}  // namespace VantorStudio
