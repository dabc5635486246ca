#include "simulation/SimulationSettingsDialog.h"

#include <stdexcept>
#include <utility>
#include <vector>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "sim/SimulationSettings.h"
#include "simulation/SimulationSettingsCommand.h"

namespace VantorStudio {

namespace {

struct NumericSetting {
    const char* key;
    const char* label;
    const char* defaultText;
};

// In the order the model keeps them, the solver between the stop time and the tolerances.
const std::vector<NumericSetting>& numericSettings() {
    static const std::vector<NumericSetting> settings = {
        {"stopTime", "Stop time (s):", "10"},
        {"relTol", "Relative tolerance:", "1e-3"},
        {"absTol", "Absolute tolerance:", "1e-6"},
        {"maxStep", "Largest step (s):", "stop time / 50"},
        {"fixedStep", "Fixed step (s):", "stop time / 1000"},
        {"outputStep", "Output every (s):", "every solver step"},
    };
    return settings;
}

}  // namespace

SimulationSettingsDialog::SimulationSettingsDialog(const QUILL::StringMap& current, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Run Settings"));
    auto* form = new QFormLayout;
    solver_ = new QComboBox(this);
    for (const std::string& name : VTSIM::SimulationSettings::solverNames())
        solver_->addItem(QString::fromStdString(name));
    if (const std::string* solver = SimulationSettingsCommand::valueOf(current, "solver"))
        solver_->setCurrentText(QString::fromStdString(*solver));
    for (const NumericSetting& s : numericSettings()) {
        auto* edit = new QLineEdit(this);
        edit->setPlaceholderText(s.defaultText);
        if (const std::string* value = SimulationSettingsCommand::valueOf(current, s.key))
            edit->setText(QString::fromStdString(*value));
        fields_[s.key] = edit;
        form->addRow(tr(s.label), edit);
        if (std::string(s.key) == "stopTime")
            form->addRow(tr("Solver:"), solver_);
    }
    problemLabel_ = new QLabel(this);
    problemLabel_->setWordWrap(true);
    problemLabel_->setStyleSheet("color: #b00020");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(problemLabel_);
    layout->addWidget(buttons);
}

QUILL::StringMap SimulationSettingsDialog::settings() const {
    QUILL::StringMap map;
    const auto add = [&](const std::string& key, const QString& text) {
        const QString trimmed = text.trimmed();
        if (!trimmed.isEmpty())
            map.emplace_back(key, trimmed.toStdString());
    };
    for (const NumericSetting& s : numericSettings()) {
        add(s.key, fields_.at(s.key)->text());
        if (std::string(s.key) == "stopTime" && solver_->currentText() != "auto")
            add("solver", solver_->currentText());
    }
    return map;
}

std::string SimulationSettingsDialog::problem() const {
    try {
        return VTSIM::SimulationSettings::fromTexts(settings()).validate();
    } catch (const std::invalid_argument& e) {
        return e.what();
    }
}

QLineEdit* SimulationSettingsDialog::field(const std::string& key) const {
    const auto it = fields_.find(key);
    return it == fields_.end() ? nullptr : it->second;
}

void SimulationSettingsDialog::accept() {
    const std::string why = problem();
    problemLabel_->setText(QString::fromStdString(why));
    if (why.empty())
        QDialog::accept();
}

}  // namespace VantorStudio
