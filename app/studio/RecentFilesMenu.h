#pragma once

#include <functional>
#include <string>

#include <QObject>

class QMenu;

namespace VantorStudio {

class RecentFiles;

// The File > Recent Files submenu: one entry per file of a RecentFiles list, most recent first
// ("&1 pid_loop.vtm", the full path as its status tip), then "Clear Recent Files". The
// entries are made again each time the menu is about to show, and the menu is disabled while
// the list is empty. Choosing an entry opens the file through the open callback; a file that
// no longer exists is taken out of the list instead, and the missing callback tells the user.
//
// The menu and the list are not owned; both must outlive this object.
class RecentFilesMenu : public QObject {
    Q_OBJECT
public:
    using PathCallback = std::function<void(const std::string&)>;

    RecentFilesMenu(QMenu& menu, RecentFiles& files, PathCallback open, PathCallback missing);

    // Makes the entries again from the list (also done before the menu shows).
    void rebuild();
    // Chooses the entry of `path`, as a click on it would.
    void choose(const std::string& path);

private:
    QMenu& menu_;
    RecentFiles& files_;
    PathCallback open_;
    PathCallback missing_;
};

}  // namespace VantorStudio
