#include "DocumentTabs.h"

#include <algorithm>

#include "harbor/IntRequest.h"
#include "harbor/Studio.h"
#include "harbor/StudioComponentBase.h"
#include "parr/UndoRedoCommandTarget.h"

namespace VantorStudio {

namespace {

// Sets a flag for the life of the guard.
class FlagGuard {
public:
    explicit FlagGuard(bool& flag) : flag_(flag), before_(flag) { flag_ = true; }
    ~FlagGuard() { flag_ = before_; }

private:
    bool& flag_;
    bool before_;
};

}  // namespace

DocumentTabs::DocumentTabs(HARBOR::Studio& studio, QWidget* parent)
    : QTabWidget(parent), studio_(studio) {
    setTabsClosable(true);
    setMovable(false);
    setDocumentMode(true);
    connect(this, &QTabWidget::currentChanged, this, &DocumentTabs::onCurrentChanged);
    connect(this, &QTabWidget::tabCloseRequested, this, &DocumentTabs::onCloseRequested);
}

void DocumentTabs::componentAdded(HARBOR::StudioComponentBase& component) {
    QWidget* widget = component.isDocument() ? component.getWidget() : nullptr;
    if (!widget || indexOf(component.getName()) >= 0)
        return;
    const FlagGuard following(following_);
    names_.push_back(component.getName());
    const int index = addTab(widget, titleOf(component));
    setTabVisible(index, !studio_.isHidden(component.getName()));
}

void DocumentTabs::componentRemoved(const std::string& name) {
    const int index = indexOf(name);
    if (index < 0)
        return;
    const FlagGuard following(following_);
    QWidget* page = widget(index);
    names_.erase(names_.begin() + index);
    removeTab(index);
    if (page)
        page->setParent(nullptr);
}

void DocumentTabs::componentHidden(const std::string& name) {
    const int index = indexOf(name);
    if (index >= 0)
        setTabVisible(index, false);
}

void DocumentTabs::componentShown(const std::string& name) {
    const int index = indexOf(name);
    if (index >= 0)
        setTabVisible(index, true);
}

void DocumentTabs::activeComponentChanged(const std::string& name) {
    const int index = indexOf(name);
    if (index < 0 || index == currentIndex())
        return;
    const FlagGuard following(following_);
    setCurrentIndex(index);
}

void DocumentTabs::refreshTitles() {
    for (int i = 0; i < count(); ++i) {
        if (HARBOR::StudioComponentBase* component = componentAt(i))
            setTabText(i, titleOf(*component));
    }
}

int DocumentTabs::indexOf(const std::string& name) const {
    auto it = std::find(names_.begin(), names_.end(), name);
    return it == names_.end() ? -1 : static_cast<int>(it - names_.begin());
}

HARBOR::StudioComponentBase* DocumentTabs::componentAt(int index) const {
    if (index < 0 || index >= static_cast<int>(names_.size()))
        return nullptr;
    return studio_.getComponent(names_[static_cast<std::size_t>(index)]);
}

void DocumentTabs::onCurrentChanged(int index) {
    if (following_ || index < 0)
        return;
    studio_.getTabFocusEvents()->send(HARBOR::Util::IntRequest(index));
    if (focused_)
        focused_(index);
}

void DocumentTabs::onCloseRequested(int index) {
    if (HARBOR::StudioComponentBase* component = componentAt(index); component && close_)
        close_(*component);
}

QString DocumentTabs::titleOf(HARBOR::StudioComponentBase& component) const {
    QString title = QString::fromStdString(component.getTabTitle());
    const PARR::UndoRedoCommandTarget* target = component.getUndoRedoTarget();
    if (target && target->isDirty())
        title += " *";
    return title;
}

}  // namespace VantorStudio
