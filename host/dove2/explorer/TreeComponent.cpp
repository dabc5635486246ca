#include "dove2/explorer/TreeComponent.h"

#include <QApplication>
#include <QIcon>
#include <QScrollBar>
#include <QTreeWidget>
#include <algorithm>

#include "dove2/StudioApp.h"
#include "dove2/TreeSelectionChangedEvent.h"
#include "dove2/explorer/TreeComponentDelegate.h"
#include "harbor/Studio.h"
#include "quill/ClassObject.h"

namespace DOVE2 {

namespace {

// Where a node keeps the object it shows, and whether its children were made.
constexpr int kObjectRole = Qt::UserRole;
constexpr int kInstanceRole = Qt::UserRole + 1;
constexpr int kPopulatedRole = Qt::UserRole + 2;

// Sets a flag for the life of the guard and puts its old value back.
class FlagGuard {
public:
    explicit FlagGuard(bool& flag) : flag_(flag), old_(flag) { flag_ = true; }
    FlagGuard(const FlagGuard&) = delete;
    FlagGuard& operator=(const FlagGuard&) = delete;
    ~FlagGuard() { flag_ = old_; }

private:
    bool& flag_;
    bool old_;
};

// Icon paths may be written with backslashes as folder separators; Qt wants slashes.
QIcon iconFromPath(const std::string& path) {
    QString file = QString::fromStdString(path);
    file.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QIcon(file);
}

}  // namespace

TreeComponent::TreeComponent(HARBOR::Studio* studio, const std::string& name)
    : HARBOR::StudioComponentBase(studio, name),
      delegate_(std::make_unique<TreeComponentDelegate>(studio)) {
    delegate_->setTreeComponent(this);
}

TreeComponent::~TreeComponent() {
    WREN::Listener::disconnect();
    updating_ = true;
    delete tree_.data();
}

std::string TreeComponent::staticGetTypeName() {
    return kTypeName;
}

std::string TreeComponent::getTypeName() const {
    return staticGetTypeName();
}

std::string TreeComponent::getFullyQualifiedYarrowTypeName() const {
    return "DOVE2.TreeComponent";
}

QWidget* TreeComponent::getWidget() const {
    // Making the widget on first request is not a change anyone can observe otherwise.
    return const_cast<TreeComponent*>(this)->ensureTree();
}

void TreeComponent::initialize(PARR::ErrorHolder& errors) {
    HARBOR::StudioComponentBase::initialize(errors);
    followStudioApp();
}

void TreeComponent::terminate(PARR::ErrorHolder& errors) {
    transactions_.disconnect();
    followedApp_ = nullptr;
    for (const QUILL::ImmutableModel& model : models_)
        model.unregisterModifierOnCommit(this);
    models_.clear();
    refresh();
    HARBOR::StudioComponentBase::terminate(errors);
}

// --- Models ----------------------------------------------------------------------------------

void TreeComponent::addModel(const QUILL::ImmutableModel& model) {
    if (!model.isValid())
        return;
    const QUILL::ImmutableModel root = model.getRootDeviant();
    if (std::find(models_.begin(), models_.end(), root) != models_.end())
        return;
    models_.push_back(root);
    root.registerModifierOnCommit(this);
    followStudioApp();
    refresh();
}

void TreeComponent::removeModel(const QUILL::ImmutableModel& model) {
    if (!model.isValid())
        return;
    const auto found = std::find(models_.begin(), models_.end(), model.getRootDeviant());
    if (found == models_.end())
        return;
    found->unregisterModifierOnCommit(this);
    models_.erase(found);
    refresh();
}

// --- Delegate --------------------------------------------------------------------------------

void TreeComponent::setDelegate(TreeComponentDelegate* delegate) {
    if (delegate && delegate == delegate_.get())
        return;
    delegate_.reset(delegate ? delegate : new TreeComponentDelegate(getStudio()));
    delegate_->setTreeComponent(this);
    if (tree_)
        tree_->setEditTriggers(QAbstractItemView::EditTriggers(delegate_->getEditTrigger()));
    refresh();
}

// --- Following changes -----------------------------------------------------------------------

void TreeComponent::followStudioApp() {
    StudioApp* app = studioApp();
    if (!app || (app == followedApp_ && transactions_.connected()))
        return;
    transactions_.disconnect();
    transactions_ = app->getTransactionCompletedEventService().subscribe(
        *this, &TreeComponent::handleTransactionCompleted);
    followedApp_ = app;
}

void TreeComponent::handleTransactionCompleted(const TransactionCompletedEvent& event) {
    const TransactionCompletedEvent::Report* report = event.getReport();
    if (!report || !report->getModel().isValid())
        return;
    const QUILL::ImmutableModel root = report->getModel().getRootDeviant();
    if (std::find(models_.begin(), models_.end(), root) == models_.end())
        return;
    if (delegate_->shouldRefreshFromReportOfChanges(*report))
        scheduleRefresh();
}

void TreeComponent::onCommit(const QUILL::ReportOfChanges<>& report) {
    if (delegate_->shouldRefreshFromReportOfChanges(report))
        scheduleRefresh();
}

void TreeComponent::onDeviantDestroyed(QUILL::Deviant& instance) {
    std::erase_if(models_, [&instance](const QUILL::ImmutableModel& model) {
        return model.getDeviantPtr() == &instance;
    });
    scheduleRefresh();
}

void TreeComponent::scheduleRefresh() {
    // Later, not now: the application and the domains bring their own state up to date after
    // the same commit, and the tree reads that state.
    if (!tree_ || refreshPending_)
        return;
    refreshPending_ = true;
    QMetaObject::invokeMethod(
        tree_.data(),
        [this] {
            if (refreshPending_)
                refresh();
        },
        Qt::QueuedConnection);
}

void TreeComponent::refresh() {
    refreshPending_ = false;
    if (tree_)
        rebuild();
}

// --- Building the tree -----------------------------------------------------------------------

QTreeWidget* TreeComponent::ensureTree() {
    if (tree_ || !qobject_cast<QApplication*>(QCoreApplication::instance()))
        return tree_.data();
    tree_ = new QTreeWidget();
    tree_->setColumnCount(1);
    tree_->setHeaderHidden(true);
    tree_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    tree_->setEditTriggers(QAbstractItemView::EditTriggers(delegate_->getEditTrigger()));
    QObject::connect(tree_.data(), &QTreeWidget::itemExpanded, tree_.data(),
                     [this](QTreeWidgetItem* item) { onItemExpanded(item); });
    QObject::connect(tree_.data(), &QTreeWidget::itemChanged, tree_.data(),
                     [this](QTreeWidgetItem* item, int) { onItemChanged(item); });
    QObject::connect(tree_.data(), &QTreeWidget::itemSelectionChanged, tree_.data(),
                     [this] { onSelectionChanged(); });
    rebuild();
    return tree_.data();
}

void TreeComponent::rebuild() {
    FlagGuard guard(updating_);
    std::set<NodePath> expanded;
    for (int i = 0; i < tree_->topLevelItemCount(); ++i)
        collectExpanded(tree_->topLevelItem(i), {}, expanded);
    std::vector<NodePath> selected;
    for (const QTreeWidgetItem* item : picked_)
        selected.push_back(pathOf(item));
    const NodePath current = tree_->currentItem() ? pathOf(tree_->currentItem()) : NodePath();
    const int scrolled = tree_->verticalScrollBar()->value();

    picked_.clear();
    tree_->clear();
    for (const QUILL::ImmutableModel& model : models_) {
        if (!model.isValid())
            continue;
        for (const QUILL::ImmutableClassObject& root : delegate_->getRootsOf(model))
            tree_->addTopLevelItem(makeItem(root));
    }

    for (int i = 0; i < tree_->topLevelItemCount(); ++i)
        restoreExpanded(tree_->topLevelItem(i), {}, expanded);
    for (const NodePath& path : selected) {
        if (QTreeWidgetItem* item = findItem(path)) {
            item->setSelected(true);
            picked_.push_back(item);
        }
    }
    if (QTreeWidgetItem* item = current.empty() ? nullptr : findItem(current))
        tree_->setCurrentItem(item, 0, QItemSelectionModel::NoUpdate);
    tree_->verticalScrollBar()->setValue(scrolled);
}

QTreeWidgetItem* TreeComponent::makeItem(const QUILL::ImmutableClassObject& object) {
    auto* item = new QTreeWidgetItem();
    std::string text;
    delegate_->describeElement(text, object, 0);
    item->setText(0, QString::fromStdString(text));
    std::string icon;
    delegate_->getIconOf(icon, object);
    if (!icon.empty())
        item->setIcon(0, iconFromPath(icon));
    item->setData(0, kObjectRole, QVariant::fromValue<qulonglong>(object.getObjectId()));
    item->setData(0, kInstanceRole,
                  QVariant::fromValue<quintptr>(reinterpret_cast<quintptr>(object.getDeviant())));
    item->setChildIndicatorPolicy(delegate_->hasChildren(object)
                                      ? QTreeWidgetItem::ShowIndicator
                                      : QTreeWidgetItem::DontShowIndicator);
    if (delegate_->isElementEditable(object))
        item->setFlags(item->flags() | Qt::ItemIsEditable);
    return item;
}

void TreeComponent::populate(QTreeWidgetItem* item) {
    if (item->data(0, kPopulatedRole).toBool())
        return;
    FlagGuard guard(updating_);
    item->setData(0, kPopulatedRole, true);
    std::vector<QUILL::ImmutableClassObject> children;
    delegate_->getChildrenOf(objectOf(item), children);
    QList<QTreeWidgetItem*> items;
    for (const QUILL::ImmutableClassObject& child : children)
        items.append(makeItem(child));
    item->addChildren(items);
    if (children.empty())
        item->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicator);
}

void TreeComponent::collectExpanded(QTreeWidgetItem* item, NodePath path,
                                    std::set<NodePath>& expanded) const {
    path.push_back(objectOf(item).getObjectId());
    if (item->isExpanded())
        expanded.insert(path);
    for (int i = 0; i < item->childCount(); ++i)
        collectExpanded(item->child(i), path, expanded);
}

void TreeComponent::restoreExpanded(QTreeWidgetItem* item, NodePath path,
                                    const std::set<NodePath>& expanded) {
    path.push_back(objectOf(item).getObjectId());
    if (!expanded.contains(path))
        return;
    populate(item);
    item->setExpanded(true);
    for (int i = 0; i < item->childCount(); ++i)
        restoreExpanded(item->child(i), path, expanded);
}

TreeComponent::NodePath TreeComponent::pathOf(const QTreeWidgetItem* item) const {
    NodePath path;
    for (; item; item = item->parent())
        path.push_back(objectOf(item).getObjectId());
    std::reverse(path.begin(), path.end());
    return path;
}

QTreeWidgetItem* TreeComponent::findItem(const NodePath& path) const {
    QTreeWidgetItem* item = nullptr;
    for (QUILL::ObjectId id : path) {
        const int count = item ? item->childCount() : tree_->topLevelItemCount();
        QTreeWidgetItem* next = nullptr;
        for (int i = 0; i < count && !next; ++i) {
            QTreeWidgetItem* candidate = item ? item->child(i) : tree_->topLevelItem(i);
            if (objectOf(candidate).getObjectId() == id)
                next = candidate;
        }
        if (!next)
            return nullptr;
        item = next;
    }
    return item;
}

QTreeWidgetItem* TreeComponent::findChild(QTreeWidgetItem* parent,
                                          const QUILL::ImmutableClassObject& object) const {
    const int count = parent ? parent->childCount() : tree_->topLevelItemCount();
    for (int i = 0; i < count; ++i) {
        QTreeWidgetItem* candidate = parent ? parent->child(i) : tree_->topLevelItem(i);
        if (objectOf(candidate) == object)
            return candidate;
    }
    return nullptr;
}

QUILL::ImmutableClassObject TreeComponent::objectOf(const QTreeWidgetItem* item) const {
    if (!item || !tree_ || item->treeWidget() != tree_)
        return {};
    auto* instance =
        reinterpret_cast<QUILL::Deviant*>(item->data(0, kInstanceRole).value<quintptr>());
    return QUILL::ImmutableClassObject(instance, item->data(0, kObjectRole).value<qulonglong>());
}

// --- Reacting to the widget ------------------------------------------------------------------

void TreeComponent::onItemExpanded(QTreeWidgetItem* item) {
    populate(item);
}

void TreeComponent::onItemChanged(QTreeWidgetItem* item) {
    if (updating_)
        return;
    const QUILL::ImmutableClassObject object = objectOf(item);
    if (!object.isValid())
        return;
    delegate_->setDescription(object, item->text(0).toStdString());
    // Show the object's text as the model now has it, whether the edit was taken or not.
    scheduleRefresh();
}

void TreeComponent::onSelectionChanged() {
    if (updating_)
        return;
    const QList<QTreeWidgetItem*> selected = tree_->selectedItems();
    std::vector<QTreeWidgetItem*> order;
    for (QTreeWidgetItem* item : picked_) {
        if (selected.contains(item))
            order.push_back(item);
    }
    QTreeWidgetItem* current = tree_->currentItem();
    const auto listed = [&order](QTreeWidgetItem* item) {
        return std::find(order.begin(), order.end(), item) != order.end();
    };
    for (QTreeWidgetItem* item : selected) {
        if (item != current && !listed(item))
            order.push_back(item);
    }
    if (current && selected.contains(current) && !listed(current))
        order.push_back(current);
    picked_ = std::move(order);
    sendSelection(kUserSelection);
}

// --- Selection -------------------------------------------------------------------------------

bool TreeComponent::revealObject(const QUILL::ImmutableClassObject& object) {
    if (!tree_)
        return false;
    const PARR::GList<QUILL::ImmutableClassObject> path = delegate_->getPathFromRoot(object);
    if (path.empty())
        return false;
    QTreeWidgetItem* item = nullptr;
    for (const QUILL::ImmutableClassObject& node : path) {
        if (item)
            populate(item);
        item = findChild(item, node);
        if (!item)
            return false;
    }
    selectOnly(item);
    sendSelection(kProgramSelection);
    return true;
}

void TreeComponent::selectOnly(QTreeWidgetItem* item) {
    FlagGuard guard(updating_);
    for (QTreeWidgetItem* parent = item->parent(); parent; parent = parent->parent())
        parent->setExpanded(true);
    tree_->clearSelection();
    tree_->setCurrentItem(item);
    item->setSelected(true);
    tree_->scrollToItem(item);
    picked_ = {item};
}

std::vector<QUILL::ImmutableClassObject> TreeComponent::getSelection() const {
    std::vector<QUILL::ImmutableClassObject> objects;
    for (const QTreeWidgetItem* item : picked_)
        objects.push_back(objectOf(item));
    return objects;
}

void TreeComponent::sendSelection(int kind) const {
    StudioApp* app = studioApp();
    if (!app)
        return;
    std::vector<QUILL::ClassObject> objects;
    for (const QUILL::ImmutableClassObject& object : getSelection()) {
        if (object.isValid())
            objects.emplace_back(object);
    }
    app->getTreeSelectionChangedEventService().send(
        TreeSelectionChangedEvent(getName(), kind, std::move(objects)));
}

StudioApp* TreeComponent::studioApp() const {
    return getStudio() ? dynamic_cast<StudioApp*>(getStudio()->getApp()) : nullptr;
}

}  // namespace DOVE2
