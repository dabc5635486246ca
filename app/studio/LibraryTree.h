#pragma once

#include <string>
#include <vector>

#include <QTreeWidget>

class QMimeData;

namespace VantorStudio {

class BlockIconCache;

// The block library as a tree: one top-level item per library group, in library order, and
// under it one entry per block type with the type's name and engine-drawn icon. Entries can
// be dragged: their MIME data carries the type's name under kMimeType.
class LibraryTree : public QTreeWidget {
    Q_OBJECT
public:
    // The MIME type of a dragged entry; the data is the type's name in UTF-8.
    static constexpr const char* kMimeType = "application/x-vantor-block-type";

    // `icons` gives each entry its icon; it is read here only, not kept.
    explicit LibraryTree(const BlockIconCache& icons, QWidget* parent = nullptr);

    // Shows only the entries whose type name contains `text` (ignoring case), and the groups
    // holding one; an empty text shows everything. Groups are expanded.
    void setFilter(const QString& text);
    // The entry of `typeName`; null when the library has no such type.
    QTreeWidgetItem* entryOf(const std::string& typeName) const;
    // The type an item stands for; empty for a group item or null.
    static std::string typeNameOf(const QTreeWidgetItem* item);
    // The type names of the entries shown, in the tree's order.
    std::vector<std::string> shownTypeNames() const;
    // The type name a MIME payload carries; empty when it carries none.
    static std::string typeNameIn(const QMimeData& data);

protected:
    QStringList mimeTypes() const override;
    // Entries are only ever copied out: a drop taken as a move would remove the entry.
    Qt::DropActions supportedDropActions() const override { return Qt::CopyAction; }
    QMimeData* mimeData(const QList<QTreeWidgetItem*>& items) const override;

private:
    void populate(const BlockIconCache& icons);
};

}  // namespace VantorStudio
