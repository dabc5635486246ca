#include "DialogPrompts.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace VantorStudio {

namespace {

const char* const kModelFilter = "Vantor models (*.vtm);;All files (*)";

}  // namespace

StudioPrompts::UnsavedChangesAnswer DialogPrompts::askUnsavedChanges(const std::string& modelName) {
    QMessageBox box(
        QMessageBox::Warning, QObject::tr("Unsaved changes"),
        QObject::tr("The model \"%1\" has unsaved changes.").arg(QString::fromStdString(modelName)),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent_);
    box.setInformativeText(QObject::tr("Save them before it closes?"));
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
        case QMessageBox::Save:
            return UnsavedChangesAnswer::Save;
        case QMessageBox::Discard:
            return UnsavedChangesAnswer::Discard;
        default:
            return UnsavedChangesAnswer::Cancel;
    }
}

StudioPrompts::RecoveryAnswer DialogPrompts::askRecoverUnsavedWork(const std::string& modelName,
                                                                   const std::string& modelFile) {
    QMessageBox box(QMessageBox::Question, QObject::tr("Recover unsaved work"),
                    QObject::tr("The studio ended without saving the changes to the model \"%1\".")
                        .arg(QString::fromStdString(modelName)),
                    QMessageBox::NoButton, parent_);
    box.setInformativeText(modelFile.empty()
                               ? QObject::tr("The model was never saved. Open the recovered work?")
                               : QObject::tr("Open the recovered work instead of %1?")
                                     .arg(QString::fromStdString(modelFile)));
    QPushButton* recover = box.addButton(QObject::tr("Recover"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(QObject::tr("Discard"), QMessageBox::DestructiveRole);
    box.addButton(QObject::tr("Ask Again Later"), QMessageBox::RejectRole);
    box.setDefaultButton(recover);
    box.exec();
    if (box.clickedButton() == recover)
        return RecoveryAnswer::Recover;
    return box.clickedButton() == discard ? RecoveryAnswer::Discard : RecoveryAnswer::Keep;
}

std::string DialogPrompts::chooseFileToOpen() {
    return QFileDialog::getOpenFileName(parent_, QObject::tr("Open Model"), QString(),
                                        QObject::tr(kModelFilter))
        .toStdString();
}

std::string DialogPrompts::chooseFileToSave(const std::string& modelName,
                                            const std::string& suggestedPath) {
    const QString proposal = suggestedPath.empty() ? QString::fromStdString(modelName) + ".vtm"
                                                   : QString::fromStdString(suggestedPath);
    QString path = QFileDialog::getSaveFileName(parent_, QObject::tr("Save Model As"), proposal,
                                                QObject::tr(kModelFilter));
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
        path += ".vtm";
    return path.toStdString();
}

void DialogPrompts::showError(const std::string& title, const std::string& message) {
    QMessageBox::critical(parent_, QString::fromStdString(title), QString::fromStdString(message));
}

}  // namespace VantorStudio
