#include "PaletteBar.h"

#include <QAction>
#include <QIcon>
#include <QPixmap>
#include <set>
#include <string>

#include "dove2/Editor.h"
#include "tessel/WarningService.h"

namespace VantorStudio {

namespace {

// The icon at `path`; an empty icon (the button shows its text) when there is none to show.
// A named file that is missing or unreadable is told once per path, not at every tab change.
QIcon iconAt(const std::string& path) {
    if (path.empty())
        return QIcon();
    const QPixmap pixmap(QString::fromStdString(path));
    if (!pixmap.isNull())
        return QIcon(pixmap);
    static std::set<std::string> told;
    if (told.insert(path).second)
        TESSEL::warning(PaletteBar::kMissingIcon,
                        "The palette icon " + path + " cannot be read; its button shows its text.");
    return QIcon();
}

}  // namespace

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
        QAction* action =
            addAction(iconAt(target->getIconPath()), QString::fromStdString(target->getLabel()));
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
