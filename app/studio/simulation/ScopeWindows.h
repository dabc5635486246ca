#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>

#include <QPointer>

#include "scope/ScopeWindow.h"

#include "sim/CompiledModel.h"
#include "sim/SimulationResults.h"
#include "vtquill/VTQuill.h"

namespace VantorStudio {

// The scope windows of the studio: one per Scope block (by full path), made when the scope is
// first opened (a double-click on the block, or a run: every scope of a run opens when the
// run starts) and kept, hidden when closed, for the next run. Each shows the run under way
// and, faded, the run before it.
class ScopeWindows {
public:
    // `parent` (may be null) owns the windows; `tell` hears what they have to say to the user
    // (an export written, or why it failed).
    ScopeWindows(QWidget* parent, std::function<void(const std::string&)> tell);
    ~ScopeWindows();

    // At most this many scope windows open by themselves when a run starts.
    static constexpr std::size_t kMostOpenedAtRun = 8;

    // A run starts: its scopes (found from the logged columns, "PATH:k" and "PATH:k[i]") show
    // `current` and `previous` (null: none); `stopTime` bounds the time axis. Every scope's
    // window opens when the model has at most kMostOpenedAtRun scopes; with more, only the
    // windows open already follow the run (a generated model may hold a thousand scopes).
    // Returns the number of the run's scopes.
    std::size_t runStarted(const VTSIM::CompiledModel& compiled, const VTQUILL::Model& model,
                           std::shared_ptr<const VTSIM::SimulationResults> current,
                           std::shared_ptr<const VTSIM::SimulationResults> previous,
                           double stopTime);
    // Shows (or raises) the window of the scope at `path`, showing the last run when it logged
    // the scope, else with `inputPorts` empty axes.
    ScopeWindow& open(const std::string& path, int inputPorts);
    // Whether the window of the scope at `path` is made and shown.
    bool isOpen(const std::string& path) const;
    // Draws what the run logged since the last call.
    void refresh();
    // The window of the scope at `path`; null when none was made.
    ScopeWindow* window(const std::string& path) const;

    // The Scope blocks of `model` whose inputs a compiled model logs, by path, with their
    // number of input ports.
    static std::map<std::string, int> scopesOf(const VTSIM::CompiledModel& compiled,
                                               const VTQUILL::Model& model);

private:
    QWidget* parent_;
    std::map<std::string, int> ports_;
    std::function<void(const std::string&)> tell_;
    std::map<std::string, QPointer<ScopeWindow>> windows_;
    std::shared_ptr<const VTSIM::SimulationResults> current_, previous_;
    double stopTime_ = 0;
};

}  // namespace VantorStudio
