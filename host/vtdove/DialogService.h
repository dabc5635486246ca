#pragma once

#include <string>

namespace VTDove {

// What shows block parameter dialogs: the studio window installs one; without one, opening a
// dialog does nothing. A block is named by its full path (Block::getFullPathName).
class DialogService {
public:
    virtual ~DialogService() = default;

    // Shows the parameter dialog of the block (raises it when already open). `openType` and
    // `flag` are passed on from the caller (0 / false: the ordinary dialog). Returns whether a
    // dialog is shown.
    virtual bool openBlockDialog(const std::string& blockPath, int openType, bool flag) = 0;
    // Closes the block's dialog if it is open.
    virtual void closeBlockDialog(const std::string& blockPath) = 0;

    // The installed service (not owned), or null. Installing replaces the previous one;
    // uninstalling a service that is not the installed one does nothing.
    static DialogService* installed();
    static void install(DialogService* service);
    static void uninstall(DialogService* service);
};

}  // namespace VTDove
