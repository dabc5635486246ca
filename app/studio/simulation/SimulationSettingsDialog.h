#pragma once

#include <map>
#include <string>

#include <QDialog>

#include "quill/Value.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace VantorStudio {

// Simulation > Settings...: the run settings of a model, one field per setting of its file's
// "simulation" member; an empty field means the setting's default (shown greyed in it). OK is
// refused, with the reason under the fields, while a value is not valid; the settings the
// dialog gives are then what the model would store.
class SimulationSettingsDialog : public QDialog {
    Q_OBJECT
public:
    // `current`: the model's settings (key -> value text).
    explicit SimulationSettingsDialog(const QUILL::StringMap& current, QWidget* parent = nullptr);

    // The settings the fields give, in the model's key order, without the empty ones.
    QUILL::StringMap settings() const;
    // Why the fields cannot be stored; empty when they can.
    std::string problem() const;

    // The field of a numeric setting ("stopTime", "relTol", ...) and the solver selector.
    QLineEdit* field(const std::string& key) const;
    QComboBox* solverBox() const { return solver_; }

    void accept() override;

private:
    std::map<std::string, QLineEdit*> fields_;
    QComboBox* solver_ = nullptr;
    QLabel* problemLabel_ = nullptr;
};

}  // namespace VantorStudio
