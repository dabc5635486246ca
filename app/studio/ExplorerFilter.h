#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace VantorStudio {

// The model explorer's filter: a text field above the model tree. While it holds text, the
// tree shows only the nodes whose text contains it (case ignored) and the nodes above them;
// nodes not yet filled (never expanded) are not searched. The filter is applied again after
// each change of the tree's contents (a rebuild after a commit, a node filled on expanding),
// at the next turn of the event loop.
//
// Takes the tree as its child; releaseTree hands it back (no parent) to whoever owns it (the
// tree component). User-interface thread only.
class ExplorerFilter : public QWidget {
public:
    explicit ExplorerFilter(QTreeWidget* tree, QWidget* parent = nullptr);
    // Stops following the tree's model first: the tree, a child, tells of its reset while
    // QWidget's destructor deletes it, when this filter is no longer one.
    ~ExplorerFilter() override;

    QLineEdit* field() const { return field_; }
    // The filtered tree; null after releaseTree.
    QTreeWidget* tree() const { return tree_.data(); }
    // Takes the tree out of this widget (no parent) and returns it.
    QTreeWidget* releaseTree();
    // Shows and hides the nodes for the field's text now.
    void apply();

private:
    void applySoon();
    bool filterItem(QTreeWidgetItem* item, const QString& text);

    QLineEdit* field_;
    QPointer<QTreeWidget> tree_;
    bool pending_ = false;
};

}  // namespace VantorStudio
