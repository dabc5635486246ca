#include "PaletteBar.h"

#include <QAction>
#include <QFileInfo>
#include <QIcon>

#include "dove2/Editor.h"

namespace VantorStudio {

PaletteBar::PaletteBar(QWidget* parent) : QToolBar(tr("Palette"), parent) {
    setObjectName("palette");
    setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    setVisible(false);
}

PaletteBar::~PaletteBar() {
    clearPalette();
}

void PaletteBar::showPaletteOf(const DOVE2::Editor* editor) {
    clearPalette();
    editor_ = editor;
    if (editor) {
        for (PARR::GLWidget2* object : editor->getPaletteObjects())
            objects_.emplace_back(object);
    }
    for (const std::unique_ptr<PARR::GLWidget2>& object : objects_) {
        PARR::GLWidget2* target = object.get();
        const QString iconPath = QString::fromStdString(target->getIconPath());
        const QIcon icon = QFileInfo::exists(iconPath) ? QIcon(iconPath) : QIcon();
        QAction* action = addAction(icon, QString::fromStdString(target->getLabel()));
        action->setToolTip(QString::fromStdString(target->getLabel()));
        connect(action, &QAction::triggered, this, [target] { target->activate(); });
    }
    setVisible(!objects_.empty());
}

std::vector<PARR::GLWidget2*> PaletteBar::objects() const {
    std::vector<PARR::GLWidget2*> shown;
    for (const std::unique_ptr<PARR::GLWidget2>& object : objects_)
        shown.push_back(object.get());
    return shown;
}

void PaletteBar::clearPalette() {
    clear();
    objects_.clear();
    editor_ = nullptr;
}

}  // namespace VantorStudio
