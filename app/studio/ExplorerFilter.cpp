#include "ExplorerFilter.h"

#include <QAbstractItemModel>
#include <QLineEdit>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace VantorStudio {

ExplorerFilter::ExplorerFilter(QTreeWidget* tree, QWidget* parent)
    : QWidget(parent), field_(new QLineEdit(this)), tree_(tree) {
    field_->setPlaceholderText(tr("Filter"));
    field_->setClearButtonEnabled(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(field_);
    layout->addWidget(tree);
    connect(field_, &QLineEdit::textChanged, this, [this] { apply(); });
    QAbstractItemModel* model = tree->model();
    connect(model, &QAbstractItemModel::rowsInserted, this, [this] { applySoon(); });
    connect(model, &QAbstractItemModel::modelReset, this, [this] { applySoon(); });
}

ExplorerFilter::~ExplorerFilter() {
    if (tree_)
        disconnect(tree_->model(), nullptr, this, nullptr);
}

QTreeWidget* ExplorerFilter::releaseTree() {
    QTreeWidget* tree = tree_.data();
    if (tree) {
        layout()->removeWidget(tree);
        tree->setParent(nullptr);
    }
    tree_.clear();
    return tree;
}

void ExplorerFilter::applySoon() {
    // A rebuild inserts rows one by one: filter once, when it is done.
    if (pending_)
        return;
    pending_ = true;
    QTimer::singleShot(0, this, [this] {
        pending_ = false;
        apply();
    });
}

void ExplorerFilter::apply() {
    if (!tree_)
        return;
    const QString text = field_->text().trimmed();
    for (int i = 0; i < tree_->topLevelItemCount(); ++i)
        filterItem(tree_->topLevelItem(i), text);
}

// Shows `item` when it or a node below it matches; returns whether it is shown.
bool ExplorerFilter::filterItem(QTreeWidgetItem* item, const QString& text) {
    bool shown = text.isEmpty() || item->text(0).contains(text, Qt::CaseInsensitive);
    for (int i = 0; i < item->childCount(); ++i)
        shown = filterItem(item->child(i), text) || shown;
    item->setHidden(!shown);
    return shown;
}

}  // namespace VantorStudio
