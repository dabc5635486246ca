#include "LibraryTree.h"

#include <QHeaderView>
#include <QMimeData>

#include "BlockIconCache.h"
#include "vtdove/BlockLibrary.h"

namespace VantorStudio {

namespace {

// Where an entry keeps its type's name.
constexpr int kTypeRole = Qt::UserRole + 1;

}  // namespace

LibraryTree::LibraryTree(const BlockIconCache& icons, QWidget* parent) : QTreeWidget(parent) {
    setHeaderHidden(true);
    setColumnCount(1);
    setIconSize(QSize(BlockIconCache::kIconSide, BlockIconCache::kIconSide));
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    setDefaultDropAction(Qt::CopyAction);
    setSelectionMode(QAbstractItemView::SingleSelection);
    populate(icons);
    expandAll();
}

void LibraryTree::populate(const BlockIconCache& icons) {
    const VTDove::BlockLibrary& library = VTDove::BlockLibrary::instance();
    for (const std::string& group : library.groupNames()) {
        auto* groupItem = new QTreeWidgetItem(this, {QString::fromStdString(group)});
        groupItem->setFlags(Qt::ItemIsEnabled);
        for (const std::string& type : library.typeNamesIn(group)) {
            auto* entry = new QTreeWidgetItem(groupItem, {QString::fromStdString(type)});
            entry->setIcon(0, icons.iconOf(type));
            entry->setData(0, kTypeRole, QString::fromStdString(type));
            entry->setToolTip(0, tr("Drag onto a diagram, or double-click to add at the "
                                    "centre of the view"));
            entry->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled);
        }
    }
}

void LibraryTree::setFilter(const QString& text) {
    const QString wanted = text.trimmed();
    for (int g = 0; g < topLevelItemCount(); ++g) {
        QTreeWidgetItem* group = topLevelItem(g);
        bool anyShown = false;
        for (int e = 0; e < group->childCount(); ++e) {
            QTreeWidgetItem* entry = group->child(e);
            const bool shown = entry->text(0).contains(wanted, Qt::CaseInsensitive);
            entry->setHidden(!shown);
            anyShown = anyShown || shown;
        }
        group->setHidden(!anyShown);
    }
    expandAll();
}

QTreeWidgetItem* LibraryTree::entryOf(const std::string& typeName) const {
    for (int g = 0; g < topLevelItemCount(); ++g) {
        QTreeWidgetItem* group = topLevelItem(g);
        for (int e = 0; e < group->childCount(); ++e) {
            if (typeNameOf(group->child(e)) == typeName)
                return group->child(e);
        }
    }
    return nullptr;
}

std::string LibraryTree::typeNameOf(const QTreeWidgetItem* item) {
    return item ? item->data(0, kTypeRole).toString().toStdString() : std::string();
}

std::vector<std::string> LibraryTree::shownTypeNames() const {
    std::vector<std::string> names;
    for (int g = 0; g < topLevelItemCount(); ++g) {
        const QTreeWidgetItem* group = topLevelItem(g);
        for (int e = 0; e < group->childCount(); ++e) {
            if (!group->isHidden() && !group->child(e)->isHidden())
                names.push_back(typeNameOf(group->child(e)));
        }
    }
    return names;
}

std::string LibraryTree::typeNameIn(const QMimeData& data) {
    return data.hasFormat(kMimeType) ? QString::fromUtf8(data.data(kMimeType)).toStdString()
                                     : std::string();
}

QStringList LibraryTree::mimeTypes() const {
    return {kMimeType};
}

QMimeData* LibraryTree::mimeData(const QList<QTreeWidgetItem*>& items) const {
    const std::string type = items.isEmpty() ? std::string() : typeNameOf(items.front());
    if (type.empty())
        return nullptr;
    auto* data = new QMimeData();
    data->setData(kMimeType, QByteArray::fromStdString(type));
    data->setText(QString::fromStdString(type));
    return data;
}

}  // namespace VantorStudio
