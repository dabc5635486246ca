#pragma once

#include <string>

#include <QObject>

#include "tessel/WarningService.h"
#include "wren/Listener.h"

class QStatusBar;

namespace DOVE2 {
class Editor;
}

namespace VantorStudio {

// Shows in the window's status bar what the user must hear about without a dialog: the
// scripting environment's warnings (from any thread; shown on the user-interface thread) and
// the editors' command errors (a failed edit, undo or redo). Subscribes to the warnings for
// its own life. The status bar must outlive the reporter.
class StatusReporter : public QObject, private WREN::Listener {
    Q_OBJECT
public:
    // How long a message stays, in milliseconds.
    static constexpr int kMessageTimeout = 15000;

    explicit StatusReporter(QStatusBar& bar);
    ~StatusReporter() override;

    // Shows the command errors of `editor` from now on (until the editor goes).
    void watchEditor(DOVE2::Editor& editor);
    void showWarning(const std::string& text);
    void showError(const std::string& text);
    void showInfo(const std::string& text);
    // The last message shown (without its timeout); empty before any.
    const std::string& lastMessage() const { return last_; }

private:
    void show(const std::string& text);

    QStatusBar& bar_;
    TESSEL::WarningService::Token warnings_ = 0;
    std::string last_;
};

}  // namespace VantorStudio
