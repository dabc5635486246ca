#include "ComponentDocks.h"

#include <QAction>
#include <QDockWidget>
#include <QMainWindow>
#include <QTreeWidget>

#include "ExplorerFilter.h"

#include "dove2/explorer/TreeComponent.h"
#include "harbor/Studio.h"
#include "harbor/StudioComponentBase.h"

namespace VantorStudio {

namespace {

// The component's display title; the model tree that has no title of its own is the
// "Model Explorer".
QString titleOf(const HARBOR::StudioComponentBase& component, bool isTree) {
    const std::string title = component.getDisplayTitle();
    if (isTree && title == component.getName())
        return QObject::tr("Model Explorer");
    return QString::fromStdString(title);
}

}  // namespace

ComponentDocks::ComponentDocks(QMainWindow& window, HARBOR::Studio& studio)
    : window_(window), studio_(studio) {}

void ComponentDocks::componentAdded(HARBOR::StudioComponentBase& component) {
    QWidget* widget = component.isDocument() ? nullptr : component.getWidget();
    if (!widget || dockOf(component.getName()))
        return;
    const bool isTree = component.getName() == DOVE2::TreeComponent::kComponentName;
    auto* dock = new QDockWidget(titleOf(component, isTree), &window_);
    dock->setObjectName(QString::fromStdString(component.getName()));
    auto* tree = isTree ? qobject_cast<QTreeWidget*>(widget) : nullptr;
    dock->setWidget(tree ? new ExplorerFilter(tree) : widget);
    // A dock that comes after the window restored its layout takes its saved place.
    if (!window_.restoreDockWidget(dock))
        window_.addDockWidget(isTree ? Qt::LeftDockWidgetArea : Qt::RightDockWidgetArea, dock);
    // Shown and hidden through the studio (View menu), so that the studio knows what shows.
    dock->setFeatures(dock->features() & ~QDockWidget::DockWidgetClosable);
    dock->setVisible(!studio_.isHidden(component.getName()));
    docks_[component.getName()] = dock;
    syncToggle(component.getName());
}

void ComponentDocks::componentRemoved(const std::string& name) {
    auto it = docks_.find(name);
    if (it == docks_.end())
        return;
    QPointer<QDockWidget> dock = it->second;
    docks_.erase(it);
    if (!dock)
        return;
    if (auto* filter = dynamic_cast<ExplorerFilter*>(dock->widget()))
        filter->releaseTree();
    else if (QWidget* widget = dock->widget())
        widget->setParent(nullptr);
    window_.removeDockWidget(dock);
    delete dock.data();
}

void ComponentDocks::componentHidden(const std::string& name) {
    if (QDockWidget* dock = dockOf(name))
        dock->hide();
    syncToggle(name);
}

void ComponentDocks::componentShown(const std::string& name) {
    if (QDockWidget* dock = dockOf(name))
        dock->show();
    syncToggle(name);
}

QAction* ComponentDocks::makeToggleAction(const std::string& name, const QString& text,
                                          QObject* parent) {
    auto* action = new QAction(text, parent);
    action->setCheckable(true);
    QObject::connect(action, &QAction::triggered, parent, [this, name](bool shown) {
        if (shown)
            studio_.show(name);
        else
            studio_.hide(name);
    });
    toggles_[name] = action;
    syncToggle(name);
    return action;
}

void ComponentDocks::followRestoredLayout() {
    for (const auto& [name, dock] : docks_) {
        if (!dock || dock->isHidden() == studio_.isHidden(name))
            continue;
        if (dock->isHidden())
            studio_.hide(name);
        else
            studio_.show(name);
    }
}

void ComponentDocks::syncToggle(const std::string& name) {
    const auto it = toggles_.find(name);
    if (it != toggles_.end() && it->second)
        it->second->setChecked(!studio_.isHidden(name));
}

QDockWidget* ComponentDocks::dockOf(const std::string& name) const {
    auto it = docks_.find(name);
    return it == docks_.end() ? nullptr : it->second.data();
}

}  // namespace VantorStudio
