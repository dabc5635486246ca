#pragma once

#include <QApplication>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QRectF>
#include <QTemporaryDir>
#include <cstdlib>
#include <deque>
#include <string>
#include <vector>

#include "StudioPrompts.h"
#include "dove2/QUILLCommand.h"
#include "dove2/StudioApp.h"
#include "dove2/UndoHistory.h"
#include "support/ProjectRoot.h"
#include "support/QtTestApplication.h"
#include "tessel/InstallationFolder.h"
#include "vtquill/InitializeDatamodel.h"
#include "vtquill/VTQuill.h"

namespace StudioTest {

// Points the user's data folder ($XDG_DATA_HOME, where the autosave keeps unsaved work) at a
// temporary folder of its own while it lives, then back.
class UserDataFolder {
public:
    UserDataFolder() : previous_(qgetenv("XDG_DATA_HOME")) {
        qputenv("XDG_DATA_HOME", dir_.path().toUtf8());
    }
    ~UserDataFolder() { qputenv("XDG_DATA_HOME", previous_); }
    UserDataFolder(const UserDataFolder&) = delete;
    UserDataFolder& operator=(const UserDataFolder&) = delete;
    std::string path() const { return dir_.path().toStdString(); }

private:
    QTemporaryDir dir_;
    QByteArray previous_;
};

// The one QApplication of the test program, with the data model initialised. The user's data
// folder is a temporary one of the test program: no test sees or leaves unsaved work in the
// real one.
inline QApplication& qtApplication() {
    static UserDataFolder userData;
    QApplication& app = TestSupport::qtApplication();
    initialize_vt_datamodel();
    return app;
}

// A framework studio application that opens no diagram (openEditor fails with
// DOVE2::StudioApp::kCannotOpenDiagram).
class RefusingStudioApp : public DOVE2::StudioApp {
public:
    bool canThisDiagramBeOpened(const DOVE2::Diagram&) const override { return false; }
};

// Runs the events posted so far (deferred refreshes, zero-time timers).
inline void processEvents() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

// The path of a bundled example model ("pid_loop.vtm").
inline std::string examplePath(const std::string& fileName) {
    return (TestSupport::projectRoot() / "examples" / fileName).string();
}

// The block named `name` in the first top-level diagram of `model`; an empty handle when there
// is none.
inline VTQUILL::Block topLevelBlock(const VTQUILL::Model& model, const std::string& name) {
    for (const VTQUILL::Block& block : model.getDiagrams().front().getBlocks()) {
        if (block.getName() == name)
            return block;
    }
    return VTQUILL::Block();
}

// Moves the block named `blockName` of the first top-level diagram of `model` (a root) by
// `by`, as an undoable command of the model's history: the model then has unsaved changes.
// False when the history refused the command.
inline bool moveTopLevelBlock(const VTQUILL::Model& model, const std::string& blockName,
                              const PARR::GLPoint<double>& by) {
    PARR::Holder<DOVE2::QUILLCommand> move(new DOVE2::QUILLCommand(model, "Move"));
    move->addAction([blockName, by](const QUILL::Model& instance, PARR::ErrorHolder&) {
        const VTQUILL::Block block = topLevelBlock(VTQUILL::Model(instance), blockName);
        block.setPosition(block.getPosition() + by);
    });
    PARR::ErrorHolder errors;
    const std::shared_ptr<DOVE2::UndoHistory> history = DOVE2::UndoHistory::forModel(model);
    return history && history->process(move, errors);
}

// Sets the time the file at `path` was last modified; false when it cannot.
inline bool setLastModified(const std::string& path, const QDateTime& when) {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadWrite) &&
           file.setFileTime(when, QFileDevice::FileModificationTime);
}

// A copy of a bundled example in a temporary folder of its own, removed with the object.
class ExampleCopy {
public:
    explicit ExampleCopy(const std::string& fileName)
        : path_(dir_.filePath(QString::fromStdString(fileName)).toStdString()) {
        QFile::copy(QString::fromStdString(examplePath(fileName)), QString::fromStdString(path_));
        QFile(QString::fromStdString(path_)).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    }
    const std::string& path() const { return path_; }
    std::string sibling(const std::string& fileName) const {
        return dir_.filePath(QString::fromStdString(fileName)).toStdString();
    }

private:
    QTemporaryDir dir_;
    std::string path_;
};

// Prompts that answer from a script and record what they were asked, so tests drive the
// window's questions without modal dialogs. An unscripted question is answered Cancel (or
// with an empty file name; an unscripted recovery is kept for later).
class ScriptedPrompts : public VantorStudio::StudioPrompts {
public:
    std::deque<UnsavedChangesAnswer> answers;
    std::deque<RecoveryAnswer> recoveryAnswers;
    std::deque<std::string> files;
    std::vector<std::string> askedAbout;
    // "<model name> <model file>" of each recovery offered.
    std::vector<std::string> recoveriesOffered;
    std::vector<std::string> errors;

    UnsavedChangesAnswer askUnsavedChanges(const std::string& modelName) override {
        askedAbout.push_back(modelName);
        return next(answers, UnsavedChangesAnswer::Cancel);
    }
    RecoveryAnswer askRecoverUnsavedWork(const std::string& modelName,
                                         const std::string& modelFile) override {
        recoveriesOffered.push_back(modelName + " " + modelFile);
        return next(recoveryAnswers, RecoveryAnswer::Keep);
    }
    std::string chooseFileToOpen() override { return next(files, std::string()); }
    std::string chooseFileToSave(const std::string&, const std::string&) override {
        return next(files, std::string());
    }
    void showError(const std::string& title, const std::string& message) override {
        errors.push_back(title + ": " + message);
    }

private:
    template <class T>
    static T next(std::deque<T>& script, T unscripted) {
        if (script.empty())
            return unscripted;
        T answer = std::move(script.front());
        script.pop_front();
        return answer;
    }
};

// Pixels inside `box` (image pixels) that are not the white background.
inline int inkInside(const QImage& image, const QRectF& box) {
    const QRect inside = box.toAlignedRect() & image.rect();
    int ink = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x)
            ink += image.pixel(x, y) != qRgb(255, 255, 255) ? 1 : 0;
    }
    return ink;
}

}  // namespace StudioTest
