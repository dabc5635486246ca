#include "simulation/DiagnosticsDock.h"

#include <cmath>
#include <utility>

#include <QHeaderView>
#include <QTreeWidget>

namespace VantorStudio {

DiagnosticsDock::DiagnosticsDock(Locate locate, QWidget* parent)
    : QDockWidget(tr("Diagnostics"), parent), locate_(std::move(locate)) {
    setObjectName(kObjectName);
    list_ = new QTreeWidget(this);
    list_->setColumnCount(3);
    list_->setHeaderLabels({tr("Kind"), tr("Time (s)"), tr("Message")});
    list_->setRootIsDecorated(false);
    list_->setWordWrap(true);
    list_->header()->setStretchLastSection(true);
    setWidget(list_);
    connect(list_, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { activate(list_->indexOfTopLevelItem(item)); });
    connect(list_, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { activate(list_->indexOfTopLevelItem(item)); });
}

void DiagnosticsDock::clear() {
    diagnostics_.clear();
    list_->clear();
}

void DiagnosticsDock::add(const VTSIM::Diagnostic& diagnostic) {
    diagnostics_.push_back(diagnostic);
    const QString time =
        std::isnan(diagnostic.time) ? QString() : QString::number(diagnostic.time, 'g', 10);
    auto* item = new QTreeWidgetItem({diagnostic.isError() ? tr("error") : tr("warning"), time,
                                      QString::fromStdString(diagnostic.message)});
    item->setToolTip(2, QString::fromStdString(diagnostic.message));
    list_->addTopLevelItem(item);
}

void DiagnosticsDock::activate(int row) {
    if (row < 0 || row >= count() || !locate_)
        return;
    list_->setCurrentItem(list_->topLevelItem(row));
    locate_(diagnostics_[row]);
}

}  // namespace VantorStudio
