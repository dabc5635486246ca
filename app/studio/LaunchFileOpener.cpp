#include "LaunchFileOpener.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>
#include <QTimer>

#include "BusyGuard.h"
#include "StudioWindow.h"

namespace VantorStudio {

LaunchFileOpener::LaunchFileOpener(StudioWindow& window, std::vector<std::string> paths)
    : window_(window), paths_(std::move(paths)) {}

LaunchFileOpener::~LaunchFileOpener() {
    window_.files().setLoadProgressCallback({});
    removeProgress();
}

void LaunchFileOpener::start() {
    if (started_)
        return;
    started_ = true;
    if (!window_.isVisible() || window_.isMinimized()) {
        queueOpening();
        return;
    }
    // A window painted already paints again, so the wait always ends.
    window_.installEventFilter(this);
    window_.update();
}

QString LaunchFileOpener::progressText() const {
    return label_ ? label_->text() : QString();
}

QString LaunchFileOpener::describe(const ModelFileController::LoadProgress& progress, int index,
                                   int count) {
    const QString name = QFileInfo(QString::fromStdString(progress.file)).fileName();
    const QString step =
        progress.next.empty() ? tr("opened") : QString::fromStdString(progress.next);
    return tr("Loading %1 (%2 of %3): %4").arg(name).arg(index + 1).arg(count).arg(step);
}

bool LaunchFileOpener::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::Paint) {
        window_.removeEventFilter(this);
        queueOpening();
    }
    return false;
}

// Queued, the opening starts once the paint that was waited for is on screen.
void LaunchFileOpener::queueOpening() {
    if (queued_)
        return;
    queued_ = true;
    QTimer::singleShot(0, this, [this] { openAll(); });
}

void LaunchFileOpener::openAll() {
    window_.recoverUnsavedWork();
    {
        BusyGuard busy(&window_);
        for (std::size_t i = 0; i < paths_.size(); ++i) {
            const int index = static_cast<int>(i);
            window_.files().setLoadProgressCallback(
                [this, index](const ModelFileController::LoadProgress& progress) {
                    showProgress(progress, index);
                });
            window_.files().openFile(paths_[i]);
        }
        window_.files().setLoadProgressCallback({});
        removeProgress();
    }
    done_ = true;
    Q_EMIT opened();
}

// Runs the events the step's text and bar need to paint; user input stays queued for the
// busy guard, which drops it.
void LaunchFileOpener::showProgress(const ModelFileController::LoadProgress& progress, int index) {
    const int total = ModelFileController::kLoadSteps * static_cast<int>(paths_.size());
    const int done = ModelFileController::kLoadSteps * index + progress.done;
    const QString text = describe(progress, index, static_cast<int>(paths_.size()));
    if (!label_) {
        label_ = new QLabel(&window_);
        bar_ = new QProgressBar(&window_);
        window_.statusBar()->addPermanentWidget(label_);
        window_.statusBar()->addPermanentWidget(bar_);
    }
    label_->setText(text);
    bar_->setRange(0, total);
    bar_->setValue(done);
    label_->show();
    bar_->show();
    Q_EMIT progressed(done, total, text);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void LaunchFileOpener::removeProgress() {
    delete label_.data();
    delete bar_.data();
}

}  // namespace VantorStudio
