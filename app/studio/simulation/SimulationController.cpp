#include "simulation/SimulationController.h"

#include <cmath>
#include <sstream>
#include <stdexcept>
#include <utility>

#include <QAction>
#include <QComboBox>
#include <QDoubleValidator>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QProgressBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include "OpenModels.h"
#include "StatusReporter.h"
#include "dove2/Editor.h"
#include "dove2/StudioApp.h"
#include "parr/ErrorHolder.h"
#include "sim/ModelCompiler.h"
#include "simulation/DiagnosticLocator.h"
#include "simulation/DiagnosticsDock.h"
#include "simulation/DisplayValues.h"
#include "simulation/ScopeWindows.h"
#include "simulation/SimulationSettingsCommand.h"
#include "simulation/SimulationSettingsDialog.h"

namespace VantorStudio {

namespace {

// How often the window follows a run: about 30 frames a second.
constexpr int kPollMilliseconds = 33;
// The progress bar's resolution.
constexpr int kProgressSteps = 1000;

std::string secondsText(double t) {
    std::ostringstream out;
    out.precision(6);
    out << t;
    return out.str();
}

}  // namespace

SimulationController::SimulationController(QMainWindow& window, StatusReporter& status, Hooks hooks)
    : status_(status), hooks_(std::move(hooks)) {
    buildActions();
    buildToolBar(window);
    buildStatusWidgets(window);
    dock_ = new DiagnosticsDock([this](const VTSIM::Diagnostic& d) { locate(d); }, &window);
    window.addDockWidget(Qt::BottomDockWidgetArea, dock_);
    dock_->hide();
    scopes_ = std::make_unique<ScopeWindows>(
        &window, [this](const std::string& message) { status_.showInfo(message); });
    displays_ = std::make_unique<DisplayValues>();
    timer_ = new QTimer(this);
    timer_->setInterval(kPollMilliseconds);
    connect(timer_, &QTimer::timeout, this, [this] { poll(); });
    thread_.setFinishedCallback([this](VTSIM::RunThread::State) {
        // On the worker: the handling goes to this object's thread (dropped if it is gone).
        QMetaObject::invokeMethod(
            this, [this] { onRunEnded(); }, Qt::QueuedConnection);
    });
    setRunningState(false);
}

SimulationController::~SimulationController() {
    thread_.control().stop();
    thread_.wait();
    displays_->clear();
}

void SimulationController::buildActions() {
    run_ = new QAction(tr("&Run"), this);
    run_->setShortcut(QKeySequence(Qt::Key_F5));
    run_->setToolTip(tr("Run the model (F5)"));
    connect(run_, &QAction::triggered, this, [this] { run(); });
    pause_ = new QAction(tr("&Pause"), this);
    pause_->setToolTip(tr("Pause the run, or continue it"));
    connect(pause_, &QAction::triggered, this, [this] { togglePause(); });
    stop_ = new QAction(tr("&Stop"), this);
    stop_->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F5));
    stop_->setToolTip(tr("Stop the run (Shift+F5)"));
    connect(stop_, &QAction::triggered, this, [this] { stop(); });
    settings_ = new QAction(tr("Se&ttings..."), this);
    connect(settings_, &QAction::triggered, this, [this] { editSettings(); });
}

void SimulationController::addActionsTo(QMenu& menu) const {
    menu.addAction(run_);
    menu.addAction(pause_);
    menu.addAction(stop_);
    menu.addSeparator();
    menu.addAction(settings_);
    menu.addAction(dock_->toggleViewAction());
}

void SimulationController::buildToolBar(QMainWindow& window) {
    toolBar_ = new QToolBar(tr("Simulation"), &window);
    toolBar_->setObjectName("SimulationToolBar");
    toolBar_->addAction(run_);
    toolBar_->addAction(pause_);
    toolBar_->addAction(stop_);
    toolBar_->addSeparator();
    toolBar_->addWidget(new QLabel(tr(" Stop time: "), toolBar_));
    stopTime_ = new QLineEdit(toolBar_);
    stopTime_->setMaximumWidth(80);
    stopTime_->setToolTip(tr("The simulated time the run ends at, in seconds"));
    auto* validator = new QDoubleValidator(stopTime_);
    validator->setBottom(0);
    validator->setLocale(QLocale::c());
    stopTime_->setValidator(validator);
    toolBar_->addWidget(stopTime_);
    connect(stopTime_, &QLineEdit::editingFinished, this, [this] { onStopTimeEdited(); });
    toolBar_->addWidget(new QLabel(tr(" Solver: "), toolBar_));
    solver_ = new QComboBox(toolBar_);
    for (const std::string& name : VTSIM::SimulationSettings::solverNames())
        solver_->addItem(QString::fromStdString(name));
    toolBar_->addWidget(solver_);
    connect(solver_, &QComboBox::activated, this, [this] { onSolverChosen(); });
    window.addToolBar(Qt::TopToolBarArea, toolBar_);
}

void SimulationController::buildStatusWidgets(QMainWindow& window) {
    progressLabel_ = new QLabel(&window);
    progressBar_ = new QProgressBar(&window);
    progressBar_->setRange(0, kProgressSteps);
    progressBar_->setMaximumWidth(160);
    progressBar_->setTextVisible(false);
    window.statusBar()->addPermanentWidget(progressLabel_);
    window.statusBar()->addPermanentWidget(progressBar_);
    progressLabel_->hide();
    progressBar_->hide();
}

void SimulationController::setRunningState(bool running) {
    running_ = running;
    run_->setEnabled(!running);
    pause_->setEnabled(running);
    pause_->setText(tr("&Pause"));
    stop_->setEnabled(running);
    stopTime_->setEnabled(!running);
    solver_->setEnabled(!running);
    settings_->setEnabled(!running);
    progressLabel_->setVisible(running);
    progressBar_->setVisible(running);
}

// --- Running ----------------------------------------------------------------------------------

bool SimulationController::run() {
    if (running_)
        return false;
    OpenModel* model = hooks_.activeModel ? hooks_.activeModel() : nullptr;
    if (!model) {
        status_.showError("There is no model to run: open or make one first.");
        return false;
    }
    dock_->clear();
    displays_->clear();
    try {
        runSettings_ = VTSIM::SimulationSettings::fromTexts(model->root.getSimulationSettings());
    } catch (const std::invalid_argument& e) {
        status_.showError(std::string("The run settings cannot be used: ") + e.what() + ".");
        return false;
    }
    std::shared_ptr<VTSIM::CompiledModel> compiled;
    try {
        compiled = VTSIM::ModelCompiler().compile(model->root);
    } catch (const VTSIM::SimulationError& error) {
        reportCompileError(error);
        return false;
    } catch (const std::exception& e) {
        status_.showError(std::string("The model cannot be compiled: ") + e.what());
        return false;
    }
    showDiagnostics(compiled->warnings);
    const bool sameModel = runModel_ == model;
    previous_ = sameModel ? results_ : nullptr;
    auto results = std::make_shared<VTSIM::SimulationResults>(compiled->columnNames);
    results_ = results;
    compiled_ = compiled;
    runModel_ = model;
    historyCount_ = model->history ? model->history->count() : 0;
    historyIndex_ = model->history ? model->history->index() : 0;
    stoppedByEdit_ = false;
    runDiagnostics_.clear();
    outcome_ = {};
    const std::size_t scopes =
        scopes_->runStarted(*compiled, model->root, results_, previous_, runSettings_.stopTime);
    if (scopes > ScopeWindows::kMostOpenedAtRun)
        status_.showInfo("The model has " + std::to_string(scopes) +
                         " scopes: their windows do not all open; double-click one to see it.");
    displays_->runStarted(*compiled, model->root);
    const VTSIM::SimulationSettings settings = runSettings_;
    started_ = std::chrono::steady_clock::now();
    setRunningState(true);
    thread_.start([this, compiled, results, settings](VTSIM::RunControl& control) {
        try {
            const auto start = std::chrono::steady_clock::now();
            const VTSIM::RunOutcome outcome =
                VTSIM::Simulator(*compiled, settings, *results, &control).run();
            std::lock_guard<std::mutex> lock(outcomeMutex_);
            outcome_ = outcome;
            runSeconds_ =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        } catch (const VTSIM::SimulationError& error) {
            std::lock_guard<std::mutex> lock(outcomeMutex_);
            runDiagnostics_ = error.diagnostics();
            throw;
        }
    });
    timer_->start();
    poll();
    return true;
}

double SimulationController::lastRunSeconds() {
    std::lock_guard<std::mutex> lock(outcomeMutex_);
    return runSeconds_;
}

void SimulationController::togglePause() {
    if (!running_)
        return;
    VTSIM::RunControl& control = thread_.control();
    if (control.isPaused()) {
        control.resume();
        pause_->setText(tr("&Pause"));
    } else {
        control.pause();
        pause_->setText(tr("&Continue"));
    }
}

void SimulationController::stop() {
    if (running_)
        thread_.control().stop();
}

void SimulationController::poll() {
    if (!results_)
        return;
    const double t = thread_.control().simulatedTime();
    const double stopTime = runSettings_.stopTime;
    const bool held = running_ && thread_.control().isHeld();
    progressLabel_->setText(QString::fromStdString((held ? "paused at t = " : "t = ") +
                                                   secondsText(t) + " of " + secondsText(stopTime) +
                                                   " s"));
    progressBar_->setValue(
        stopTime > 0 ? static_cast<int>(std::lround(kProgressSteps * std::min(1.0, t / stopTime)))
                     : kProgressSteps);
    scopes_->refresh();
    displays_->refresh(*results_);
}

void SimulationController::onRunEnded() {
    if (!running_)
        return;
    thread_.wait();
    timer_->stop();
    poll();
    lastState_ = thread_.state();
    setRunningState(false);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started_).count();
    using State = VTSIM::RunThread::State;
    std::vector<VTSIM::Diagnostic> failure;
    VTSIM::RunOutcome outcome;
    {
        std::lock_guard<std::mutex> lock(outcomeMutex_);
        failure = runDiagnostics_;
        outcome = outcome_;
    }
    const std::string wall = secondsText(seconds);
    switch (lastState_) {
        case State::Finished:
        case State::Stopped:
            if (lastState_ == State::Finished && !outcome.stopped)
                status_.showInfo("The run reached t = " + secondsText(outcome.endTime) + " s in " +
                                 std::to_string(outcome.steps) + " steps (" + wall + " s).");
            else
                status_.showInfo("The run stopped at t = " + secondsText(outcome.endTime) + " s" +
                                 (stoppedByEdit_ ? " because the model was edited" : "") +
                                 "; its traces stay.");
            break;
        case State::Failed:
            if (failure.empty())
                failure.push_back(VTSIM::Diagnostic::error(thread_.errorMessage()));
            showDiagnostics(failure);
            status_.showError("The run failed: " + failure.front().message);
            locate(failure.front());
            break;
        case State::Idle:
        case State::Running:
            break;
    }
}

void SimulationController::reportCompileError(const VTSIM::SimulationError& error) {
    showDiagnostics(error.diagnostics());
    for (const VTSIM::Diagnostic& d : error.diagnostics()) {
        if (!d.isError())
            continue;
        status_.showError("The model cannot run: " + d.message);
        locate(d);
        return;
    }
}

void SimulationController::showDiagnostics(const std::vector<VTSIM::Diagnostic>& diagnostics) {
    for (const VTSIM::Diagnostic& d : diagnostics)
        dock_->add(d);
    if (!diagnostics.empty())
        dock_->show();
}

void SimulationController::locate(const VTSIM::Diagnostic& diagnostic) {
    DOVE2::StudioApp* application = hooks_.application ? hooks_.application() : nullptr;
    OpenModel* model = hooks_.activeModel ? hooks_.activeModel() : nullptr;
    if (runModel_)
        model = const_cast<OpenModel*>(runModel_);
    if (!application || !model || diagnostic.blocks.empty())
        return;
    PARR::ErrorHolder errors;
    if (!DiagnosticLocator::show(*application, model->root, diagnostic.blocks, errors) &&
        errors.hasError())
        status_.showError("The diagram of " + diagnostic.blocks.front() + " cannot be opened.");
}

// --- Editing while running, closing -------------------------------------------------------

void SimulationController::modelChanged(const OpenModel& model) {
    if (&model == hooks_.activeModel())
        refreshSettingsFields();
    if (!running_ || &model != runModel_ || !model.history)
        return;
    if (model.history->count() == historyCount_ && model.history->index() == historyIndex_)
        return;  // marked saved: not an edit
    stoppedByEdit_ = true;
    thread_.control().stop();
}

void SimulationController::modelClosing(const OpenModel& model) {
    if (&model != runModel_)
        return;
    thread_.control().stop();
    thread_.wait();
    onRunEnded();
    displays_->clear();
    runModel_ = nullptr;
}

void SimulationController::openScope(const std::string& path, int inputPorts) {
    scopes_->open(path, inputPorts);
}

// --- Settings ---------------------------------------------------------------------------------

void SimulationController::editSettings() {
    OpenModel* model = hooks_.activeModel ? hooks_.activeModel() : nullptr;
    if (!model) {
        status_.showError("There is no model whose run settings to change.");
        return;
    }
    SimulationSettingsDialog dialog(model->root.getSimulationSettings(), toolBar_->window());
    if (dialog.exec() != QDialog::Accepted)
        return;
    applySettings(dialog.settings());
}

bool SimulationController::applySettings(const QUILL::StringMap& settings) {
    OpenModel* model = hooks_.activeModel ? hooks_.activeModel() : nullptr;
    DOVE2::Editor* editor = hooks_.activeEditor ? hooks_.activeEditor() : nullptr;
    if (!model || !editor || !model->root.isValid() ||
        editor->getRootDeviant().getDeviantPtr() != model->root.getDeviantPtr()) {
        status_.showError("Open a diagram of the model to change its run settings.");
        return false;
    }
    if (model->root.getSimulationSettings() == settings)
        return true;
    PARR::Holder<SimulationSettingsCommand> command(
        new SimulationSettingsCommand(editor->getRootDeviant(), settings));
    PARR::ErrorHolder errors;
    if (!editor->processCommand(command, errors)) {
        status_.showError("The run settings were not changed: the model refused them.");
        refreshSettingsFields();
        return false;
    }
    refreshSettingsFields();
    return true;
}

QUILL::StringMap SimulationController::withSetting(QUILL::StringMap settings,
                                                   const std::string& key,
                                                   const std::string& value) {
    for (auto it = settings.begin(); it != settings.end(); ++it) {
        if (it->first == key) {
            if (value.empty())
                settings.erase(it);
            else
                it->second = value;
            return settings;
        }
    }
    if (!value.empty())
        settings.emplace_back(key, value);
    return settings;
}

void SimulationController::onStopTimeEdited() {
    OpenModel* model = hooks_.activeModel ? hooks_.activeModel() : nullptr;
    if (!model)
        return;
    const std::string text = stopTime_->text().trimmed().toStdString();
    const QUILL::StringMap settings = model->root.getSimulationSettings();
    try {
        // Leaving the field unchanged (the default shown, say) is no edit.
        if (!text.empty() &&
            VTSIM::SimulationSettings::fromTexts(settings).stopTime ==
                VTSIM::SimulationSettings::fromTexts({{"stopTime", text}}).stopTime)
            return;
    } catch (const std::invalid_argument&) {
        // Not a number: the model refuses it below, and says why.
    }
    applySettings(withSetting(settings, "stopTime", text));
}

void SimulationController::onSolverChosen() {
    OpenModel* model = hooks_.activeModel ? hooks_.activeModel() : nullptr;
    if (!model)
        return;
    const std::string name = solver_->currentText().toStdString();
    applySettings(
        withSetting(model->root.getSimulationSettings(), "solver", name == "auto" ? "" : name));
}

void SimulationController::refreshSettingsFields() {
    OpenModel* model = hooks_.activeModel ? hooks_.activeModel() : nullptr;
    const QUILL::StringMap settings =
        model && model->root.isValid() ? model->root.getSimulationSettings() : QUILL::StringMap{};
    const std::string* stopTime = SimulationSettingsCommand::valueOf(settings, "stopTime");
    stopTime_->setText(QString::fromStdString(stopTime ? *stopTime : "10"));
    const std::string* solver = SimulationSettingsCommand::valueOf(settings, "solver");
    solver_->setCurrentText(QString::fromStdString(solver ? *solver : "auto"));
}

}  // namespace VantorStudio
