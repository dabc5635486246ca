#pragma once

#include <functional>
#include <vector>

#include <QDockWidget>

#include "sim/Diagnostic.h"

class QTreeWidget;

namespace VantorStudio {

// The "Diagnostics" dock: every message of the last compile and run (errors and warnings),
// with the simulated time of run-time messages; clicking one shows its blocks on the diagram
// (through `locate`). Cleared when the next run starts.
class DiagnosticsDock : public QDockWidget {
    Q_OBJECT
public:
    // The dock's object name (the window keeps dock layouts by it).
    static constexpr const char* kObjectName = "DiagnosticsDock";
    using Locate = std::function<void(const VTSIM::Diagnostic&)>;

    explicit DiagnosticsDock(Locate locate, QWidget* parent = nullptr);

    void clear();
    void add(const VTSIM::Diagnostic& diagnostic);
    int count() const { return static_cast<int>(diagnostics_.size()); }
    const VTSIM::Diagnostic& diagnostic(int row) const { return diagnostics_.at(row); }
    // What clicking row `row` does.
    void activate(int row);
    QTreeWidget& list() const { return *list_; }

private:
    Locate locate_;
    QTreeWidget* list_;
    std::vector<VTSIM::Diagnostic> diagnostics_;
};

}  // namespace VantorStudio
