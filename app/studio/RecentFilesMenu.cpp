#include "RecentFilesMenu.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>

#include "RecentFiles.h"

namespace VantorStudio {

RecentFilesMenu::RecentFilesMenu(QMenu& menu, RecentFiles& files, PathCallback open,
                                 PathCallback missing)
    : QObject(&menu),
      menu_(menu),
      files_(files),
      open_(std::move(open)),
      missing_(std::move(missing)) {
    connect(&menu_, &QMenu::aboutToShow, this, [this] { rebuild(); });
    rebuild();
}

void RecentFilesMenu::rebuild() {
    // The entry being chosen may be among them: they go once its signal has been handled.
    for (QAction* entry : menu_.actions()) {
        menu_.removeAction(entry);
        entry->deleteLater();
    }
    const std::vector<std::string> paths = files_.paths();
    int number = 0;
    for (const std::string& path : paths) {
        const QString file = QString::fromStdString(path);
        const QString text = QString("&%1 %2").arg(++number).arg(QFileInfo(file).fileName());
        QAction* entry = menu_.addAction(text, this, [this, path] { choose(path); });
        entry->setStatusTip(file);
        entry->setToolTip(file);
    }
    menu_.addSeparator();
    menu_.addAction(tr("Clear Recent Files"), this, [this] {
        files_.clear();
        rebuild();
    });
    menu_.setEnabled(!paths.empty());
}

void RecentFilesMenu::choose(const std::string& path) {
    if (!QFileInfo::exists(QString::fromStdString(path))) {
        files_.remove(path);
        rebuild();
        if (missing_)
            missing_(path);
        return;
    }
    if (open_)
        open_(path);
}

}  // namespace VantorStudio
