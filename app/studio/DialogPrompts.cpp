#include "DialogPrompts.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace VantorStudio {

namespace {

const char* const kModelFilter = "Vantor models (*.vtm);;All files (*)";

// The suffix a file filter such as "PNG image (*.png)" asks for: "png".
QString suffixOfFilter(const QString& filter) {
    return filter.section("*.", 1).section(')', 0, 0);
}

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

StudioPrompts::PictureChoice DialogPrompts::choosePictureFile(const std::string& diagramName) {
    const QString png = QObject::tr("PNG image (*.png)");
    QString selected = png;
    QString path = QFileDialog::getSaveFileName(
        parent_, QObject::tr("Export Diagram"), QString::fromStdString(diagramName) + ".png",
        png + ";;" + QObject::tr("PDF document (*.pdf);;SVG drawing (*.svg)"), &selected);
    if (path.isEmpty())
        return {};
    if (QFileInfo(path).suffix().isEmpty())
        path += "." + suffixOfFilter(selected);
    PictureChoice choice{path.toStdString()};
    if (QFileInfo(path).suffix().compare("png", Qt::CaseInsensitive) != 0)
        return choice;
    bool chosen = false;
    const QString scale = QInputDialog::getItem(parent_, QObject::tr("Export PNG"),
                                                QObject::tr("Pixels per diagram unit:"),
                                                {"1x", "2x", "4x"}, 1, false, &chosen);
    if (!chosen)
        return {};
    choice.scale = scale.chopped(1).toDouble();
    return choice;
}

void DialogPrompts::showError(const std::string& title, const std::string& message) {
    QMessageBox::critical(parent_, QString::fromStdString(title), QString::fromStdString(message));
}

}  // namespace VantorStudio
