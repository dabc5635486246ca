#pragma once

#include <string>
#include <vector>

namespace VTDove {

// Opens and closes block parameter dialogs through the installed DialogService, and remembers
// which ones it opened so that closeAllDialogs closes exactly those. One per editor (or per
// query object); a value member, not copyable in spirit but cheap to make.
class BlockDialogUtil {
public:
    // Opens the dialog of the block at `blockPath` (its full path). Returns false, and
    // remembers nothing, when no service is installed or the service shows no dialog.
    bool openDialog(const std::string& blockPath, int openType, bool flag);
    // Closes every dialog this utility opened (each once, in the order first opened) and
    // forgets them. Without a service it only forgets them.
    void closeAllDialogs();
    // The paths of the dialogs opened and not closed yet, in the order first opened.
    const std::vector<std::string>& openDialogs() const { return open_; }

private:
    std::vector<std::string> open_;
};

}  // namespace VTDove
