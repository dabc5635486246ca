#include "simulation/ScopeWindows.h"

#include <algorithm>

#include "BlockPathIndex.h"
#include "scope/LoggedColumn.h"

namespace VantorStudio {

ScopeWindows::ScopeWindows(QWidget* parent, std::function<void(const std::string&)> tell)
    : parent_(parent), tell_(std::move(tell)) {}

ScopeWindows::~ScopeWindows() = default;

std::map<std::string, int> ScopeWindows::scopesOf(const VTSIM::CompiledModel& compiled,
                                                  const VTQUILL::Model& model) {
    std::map<std::string, int> scopes;
    std::map<std::string, bool> isScope;
    const BlockPathIndex blocks(model);
    for (const std::string& name : compiled.columnNames) {
        const std::optional<LoggedColumn> column = LoggedColumn::parse(name);
        if (!column)
            continue;
        auto known = isScope.find(column->blockPath);
        if (known == isScope.end()) {
            const VTQUILL::Block block = blocks.at(column->blockPath);
            known =
                isScope.emplace(column->blockPath, block.isValid() && block.getType() == "Scope")
                    .first;
        }
        if (known->second)
            scopes[column->blockPath] = std::max(scopes[column->blockPath], column->input);
    }
    return scopes;
}

std::size_t ScopeWindows::runStarted(const VTSIM::CompiledModel& compiled,
                                     const VTQUILL::Model& model,
                                     std::shared_ptr<const VTSIM::SimulationResults> current,
                                     std::shared_ptr<const VTSIM::SimulationResults> previous,
                                     double stopTime) {
    ports_ = scopesOf(compiled, model);
    current_ = std::move(current);
    previous_ = std::move(previous);
    stopTime_ = stopTime;
    const bool openAll = ports_.size() <= kMostOpenedAtRun;
    for (const auto& [path, ports] : ports_) {
        if (!openAll && !isOpen(path))
            continue;
        open(path, ports);
    }
    return ports_.size();
}

bool ScopeWindows::isOpen(const std::string& path) const {
    const auto it = windows_.find(path);
    return it != windows_.end() && it->second && it->second->isVisible();
}

ScopeWindow& ScopeWindows::open(const std::string& path, int inputPorts) {
    QPointer<ScopeWindow>& slot = windows_[path];
    const auto logged = ports_.find(path);
    const int ports = logged != ports_.end() ? logged->second : inputPorts;
    if (slot && slot->axisCount() != ports)
        delete slot.data();  // its scope gained or lost ports since
    const bool ran = logged != ports_.end();
    if (!slot) {
        slot =
            new ScopeWindow(path, ports, ScopeWindow::Results(), ScopeWindow::Results(), parent_);
        slot->setWindowFlag(Qt::Window);
        slot->setAttribute(Qt::WA_DeleteOnClose, false);
        slot->resize(ScopeWindow::kPictureWidth, 120 + ScopeWindow::kPictureAxisHeight * ports);
        QObject::connect(slot.data(), &ScopeWindow::statusMessage,
                         [tell = tell_](const QString& message) {
                             if (tell)
                                 tell(message.toStdString());
                         });
    }
    if (ran) {
        // The last run, also for a window made or hidden before it.
        slot->setStopTime(stopTime_);
        slot->setRun(current_, previous_);
    }
    slot->show();
    slot->raise();
    return *slot;
}

void ScopeWindows::refresh() {
    for (const auto& [path, window] : windows_) {
        if (window && window->isVisible())
            window->refresh();
    }
}

ScopeWindow* ScopeWindows::window(const std::string& path) const {
    const auto it = windows_.find(path);
    return it == windows_.end() ? nullptr : it->second.data();
}

}  // namespace VantorStudio
