#include "StatusReporter.h"

#include <QMetaObject>
#include <QPointer>
#include <QStatusBar>

#include "dove2/Editor.h"

namespace VantorStudio {

StatusReporter::StatusReporter(QStatusBar& bar) : bar_(bar) {
    QPointer<StatusReporter> self(this);
    warnings_ = TESSEL::WarningService::instance().subscribe(
        [self](const std::string&, const std::string& text) {
            // Warnings may come from any thread; the bar is shown on the user-interface thread.
            if (self)
                QMetaObject::invokeMethod(self.data(), [self, text] {
                    if (self)
                        self->showWarning(text);
                });
        });
}

StatusReporter::~StatusReporter() {
    TESSEL::WarningService::instance().unsubscribe(warnings_);
    WREN::Listener::disconnect();
}

void StatusReporter::watchEditor(DOVE2::Editor& editor) {
    editor.getCommandErrorEmitter().connect(static_cast<WREN::Listener&>(*this),
                                            [this](const std::string& text) { showError(text); });
}

void StatusReporter::showWarning(const std::string& text) {
    show("Warning: " + text);
}

void StatusReporter::showError(const std::string& text) {
    show("Error: " + text);
}

void StatusReporter::showInfo(const std::string& text) {
    show(text);
}

void StatusReporter::show(const std::string& text) {
    last_ = text;
    bar_.showMessage(QString::fromStdString(text), kMessageTimeout);
}

}  // namespace VantorStudio
