#include "LibraryDock.h"

#include <QLineEdit>
#include <QVBoxLayout>
#include <utility>

#include "BlockIconCache.h"
#include "BlockPlacer.h"
#include "CanvasDropTarget.h"
#include "LibraryTree.h"
#include "StatusReporter.h"

namespace VantorStudio {

LibraryDock::LibraryDock(ActiveEditor activeEditor, StatusReporter& status, QWidget* parent)
    : QDockWidget(tr("Library"), parent),
      activeEditor_(std::move(activeEditor)),
      status_(status),
      icons_(std::make_unique<BlockIconCache>()) {
    setObjectName(kObjectName);
    auto* content = new QWidget(this);
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(2, 2, 2, 2);
    filter_ = new QLineEdit(content);
    filter_->setPlaceholderText(tr("Filter blocks"));
    filter_->setClearButtonEnabled(true);
    tree_ = new LibraryTree(*icons_, content);
    layout->addWidget(filter_);
    layout->addWidget(tree_);
    setWidget(content);
    connect(filter_, &QLineEdit::textChanged, tree_, &LibraryTree::setFilter);
    connect(tree_, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { onActivated(item); });
}

LibraryDock::~LibraryDock() = default;

VTQUILL::Block LibraryDock::addToActiveEditor(const std::string& typeName) {
    DOVE2::Editor* editor = activeEditor_ ? activeEditor_() : nullptr;
    if (!editor) {
        status_.showError("Add Block: open a diagram to add \"" + typeName + "\" to it.");
        return VTQUILL::Block();
    }
    return BlockPlacer::addAt(*editor, typeName, BlockPlacer::viewCentre(*editor));
}

void LibraryDock::acceptDropsOn(DOVE2::Editor& editor) {
    CanvasDropTarget::install(editor);
}

void LibraryDock::onActivated(QTreeWidgetItem* item) {
    const std::string type = LibraryTree::typeNameOf(item);
    if (!type.empty())
        addToActiveEditor(type);
}

}  // namespace VantorStudio
