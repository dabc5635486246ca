#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <string>
#include <vector>

#include "ModelFileController.h"

class QLabel;
class QProgressBar;

namespace VantorStudio {

class StudioWindow;

// Opens the model files named on the command line after the studio window is on screen, so
// that a big model does not keep the window from showing: start() returns at once; once the
// window has painted, a queued call first offers the unsaved work to recover
// (StudioWindow::recoverUnsavedWork) and then opens the files in order
// (ModelFileController::openFile), under one BusyGuard. While they load, the window's status
// bar shows which file loads, what step runs and a bar of the steps done, painted between the
// steps; the bar goes when all files are open. A file that cannot be loaded is told as any
// open is (the window's prompts) and the others still open.
//
// The window must outlive the opener. User-interface thread only.
class LaunchFileOpener : public QObject {
    Q_OBJECT
public:
    LaunchFileOpener(StudioWindow& window, std::vector<std::string> paths);
    ~LaunchFileOpener() override;

    // Starts the work described above; a later call does nothing. A window that is hidden or
    // minimized has no paint to wait for: the queued call is made at once.
    void start();
    // True once every file was tried (opened or refused).
    bool isDone() const { return done_; }
    // The progress text now shown in the status bar; empty when none.
    QString progressText() const;

    // "Loading NAME (I of N): STEP" for step `done` of ModelFileController::kLoadSteps of the
    // file `index` (0-based) of `count`, NAME being the file's name without its folder.
    static QString describe(const ModelFileController::LoadProgress& progress, int index,
                            int count);

Q_SIGNALS:
    // A loading step was reached: `done` of `total` steps of all files are finished.
    void progressed(int done, int total, const QString& text);
    // Every file was tried.
    void opened();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void queueOpening();
    void openAll();
    void showProgress(const ModelFileController::LoadProgress& progress, int index);
    void removeProgress();

    StudioWindow& window_;
    std::vector<std::string> paths_;
    bool started_ = false;
    bool queued_ = false;
    bool done_ = false;
    QPointer<QLabel> label_;
    QPointer<QProgressBar> bar_;
};

}  // namespace VantorStudio
