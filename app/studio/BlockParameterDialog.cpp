#include "BlockParameterDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <functional>
#include <vector>

#include "BlockPathIndex.h"
#include "dove2/QUILLCommand.h"
#include "dove2/UndoHistory.h"
#include "quill/Deviant.h"
#include "vtdove/EngineTransaction.h"
#include "vtquill/Schema.h"

namespace VantorStudio {

namespace {

bool isBlockDiagramModel(QUILL::Deviant* root) {
    return QUILL::ImmutableClassObject(root, root->getModelObject())
        .isKindOf(VTQUILL::Schema::get().model);
}

}  // namespace

BlockParameterDialog::BlockParameterDialog(const VTQUILL::ImmutableBlock& block, QWidget* parent)
    : QDialog(parent), block_(block.getRootDeviant()) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Block Parameters: %1").arg(QString::fromStdString(block_.getName())));
    root_ = block_.getDeviant();
    root_->registerModifierOnCommit(this);
    buildFields();
}

BlockParameterDialog::~BlockParameterDialog() {
    if (root_ && root_->isOpen())
        root_->unregisterModifierOnCommit(this);
}

VTQUILL::ImmutableBlock BlockParameterDialog::findBlock(const std::string& blockPath) {
    for (QUILL::Deviant* root : QUILL::Deviant::openModels()) {
        if (!isBlockDiagramModel(root))
            continue;
        const VTQUILL::Model model{QUILL::ImmutableModel(root)};
        if (const VTQUILL::Block found = BlockPathIndex::find(model, blockPath); found.isValid())
            return found;
    }
    return VTQUILL::ImmutableBlock();
}

std::string BlockParameterDialog::fieldText(const std::string& name) const {
    auto it = fields_.find(name);
    return it == fields_.end() ? std::string() : it->second.first->text().toStdString();
}

bool BlockParameterDialog::setFieldText(const std::string& name, const std::string& text) {
    auto it = fields_.find(name);
    if (it == fields_.end())
        return false;
    it->second.first->setText(QString::fromStdString(text));
    return true;
}

bool BlockParameterDialog::apply() {
    error_->clear();
    if (!block_.isValid())
        return false;
    std::vector<std::pair<std::string, std::string>> changed;
    for (const auto& [name, field] : fields_) {
        const std::string text = field.first->text().toStdString();
        if (text != block_.getParameter(name))
            changed.emplace_back(name, text);
    }
    if (changed.empty())
        return true;
    const QUILL::Model root(block_.getModel());
    PARR::Holder<DOVE2::QUILLCommand> command(new DOVE2::QUILLCommand(root, "Edit Parameters"));
    const VTQUILL::ImmutableBlock block = block_;
    command->addAction([block, changed](const QUILL::Model& model, PARR::ErrorHolder&) {
        const VTQUILL::ImmutableBlock target(block.asDeviant(model));
        for (const auto& [name, value] : changed)
            VTDove::setBlockParameter(target, name, value);
    });
    PARR::ErrorHolder errors;
    const std::shared_ptr<DOVE2::UndoHistory> history = DOVE2::UndoHistory::forModel(root);
    if (history && history->process(command, errors))
        return true;
    error_->setText(QString::fromStdString(errors.hasError() ? errors.message()
                                                             : "The parameters were not set."));
    return false;
}

std::string BlockParameterDialog::lastError() const {
    return error_->text().toStdString();
}

void BlockParameterDialog::buildFields() {
    auto* form = new QFormLayout();
    for (const auto& [name, value] : block_.getParameters()) {
        auto* field = new QLineEdit(QString::fromStdString(value), this);
        form->addRow(QString::fromStdString(name), field);
        fields_[name] = {field, value};
    }
    if (fields_.empty())
        form->addRow(new QLabel(tr("This block has no parameters."), this));
    error_ = new QLabel(this);
    error_->setStyleSheet("color: #b00000");
    error_->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Apply | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &BlockParameterDialog::acceptChanges);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons->button(QDialogButtonBox::Apply), &QPushButton::clicked, this,
            [this] { apply(); });
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(error_);
    layout->addWidget(buttons);
}

void BlockParameterDialog::reloadUntouchedFields() {
    for (auto& [name, field] : fields_) {
        const std::string now = block_.getParameter(name);
        if (field.first->text().toStdString() == field.second)
            field.first->setText(QString::fromStdString(now));
        field.second = now;
    }
}

void BlockParameterDialog::onCommit(const QUILL::ReportOfChanges<>&) {
    if (!block_.isValid()) {
        close();
        return;
    }
    reloadUntouchedFields();
}

void BlockParameterDialog::onDeviantDestroyed(QUILL::Deviant&) {
    root_ = nullptr;
    close();
}

void BlockParameterDialog::acceptChanges() {
    if (apply())
        accept();
}

}  // namespace VantorStudio
