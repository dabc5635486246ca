#pragma once

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>
#include <deque>
#include <string>
#include <vector>

#include "StudioPrompts.h"
#include "support/ProjectRoot.h"
#include "support/QtTestApplication.h"
#include "tessel/InstallationFolder.h"
#include "vtquill/InitializeDatamodel.h"

namespace StudioTest {

// The one QApplication of the test program, with the data model initialised.
inline QApplication& qtApplication() {
    QApplication& app = TestSupport::qtApplication();
    initialize_vt_datamodel();
    return app;
}

// Runs the events posted so far (deferred refreshes, zero-time timers).
inline void processEvents() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

// The path of a bundled example model ("pid_loop.vtm").
inline std::string examplePath(const std::string& fileName) {
    return (TestSupport::projectRoot() / "examples" / fileName).string();
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
// with an empty file name).
class ScriptedPrompts : public VantorStudio::StudioPrompts {
public:
    std::deque<UnsavedChangesAnswer> answers;
    std::deque<std::string> files;
    std::vector<std::string> askedAbout;
    std::vector<std::string> errors;

    UnsavedChangesAnswer askUnsavedChanges(const std::string& modelName) override {
        askedAbout.push_back(modelName);
        if (answers.empty())
            return UnsavedChangesAnswer::Cancel;
        const UnsavedChangesAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::string chooseFileToOpen() override { return nextFile(); }
    std::string chooseFileToSave(const std::string&, const std::string&) override {
        return nextFile();
    }
    void showError(const std::string& title, const std::string& message) override {
        errors.push_back(title + ": " + message);
    }

private:
    std::string nextFile() {
        if (files.empty())
            return {};
        const std::string file = files.front();
        files.pop_front();
        return file;
    }
};

}  // namespace StudioTest
