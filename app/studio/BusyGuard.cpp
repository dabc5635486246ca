#include "BusyGuard.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QMainWindow>
#include <QStatusBar>
#include <QWidget>
#include <QWindow>

#include "StatusReporter.h"

namespace VantorStudio {

namespace {

// Guards alive; only the first one made filters. One user-interface thread, so no lock.
int depth = 0;

QWidget* widgetOf(QObject* object) {
    for (QObject* o = object; o; o = o->parent()) {
        if (auto* widget = qobject_cast<QWidget*>(o))
            return widget;
    }
    return nullptr;
}

bool belongsTo(QObject* receiver, QWidget* topLevel) {
    if (!topLevel)
        return false;
    if (auto* window = qobject_cast<QWindow*>(receiver))
        return window == topLevel->windowHandle();
    const QWidget* widget = widgetOf(receiver);
    return widget && widget->window() == topLevel;
}

}  // namespace

BusyGuard::BusyGuard(QWidget* window) : window_(window), outermost_(depth == 0) {
    ++depth;
    if (!outermost_)
        return;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    QCoreApplication::instance()->installEventFilter(this);
}

BusyGuard::~BusyGuard() {
    if (outermost_) {
        // Input the window system still holds for the busy period meets the filter here,
        // instead of reaching the window once the work is over.
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        QCoreApplication::instance()->removeEventFilter(this);
        QGuiApplication::restoreOverrideCursor();
        report();
    }
    --depth;
}

bool BusyGuard::active() {
    return depth > 0;
}

QString BusyGuard::busyMessage(int dropped) {
    if (dropped == 1)
        return tr("The studio was busy: 1 click or key press made meanwhile was ignored.");
    return tr("The studio was busy: %1 clicks or key presses made meanwhile were ignored.")
        .arg(dropped);
}

bool BusyGuard::eventFilter(QObject* watched, QEvent* event) {
    if (!isUserInput(*event) || isForOpenQuestion(watched))
        return false;
    if (countsAsPress(*event))
        ++dropped_;
    return true;
}

bool BusyGuard::isUserInput(const QEvent& event) {
    switch (event.type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::NonClientAreaMouseButtonPress:
        case QEvent::NonClientAreaMouseButtonRelease:
        case QEvent::NonClientAreaMouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TabletPress:
        case QEvent::TabletRelease:
            return true;
        default:
            return false;
    }
}

// A press reaches the window first and then, unless dropped there, its widget; dropped at the
// first receiver, each press is counted once. Releases and shortcut events follow presses
// already counted.
bool BusyGuard::countsAsPress(const QEvent& event) {
    switch (event.type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::NonClientAreaMouseButtonPress:
        case QEvent::KeyPress:
        case QEvent::TouchBegin:
        case QEvent::TabletPress:
            return true;
        default:
            return false;
    }
}

// A modal dialog or popup the work opened is a question to the user, not busy time.
bool BusyGuard::isForOpenQuestion(QObject* receiver) {
    return belongsTo(receiver, QApplication::activeModalWidget()) ||
           belongsTo(receiver, QApplication::activePopupWidget());
}

void BusyGuard::report() const {
    if (dropped_ == 0)
        return;
    QWidget* target = window_ ? window_->window() : QApplication::activeWindow();
    if (auto* main = qobject_cast<QMainWindow*>(target))
        main->statusBar()->showMessage(busyMessage(dropped_), StatusReporter::kMessageTimeout);
}

}  // namespace VantorStudio
