#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace VantorStudio {

// Keeps the studio from queueing user input behind a long piece of work (a big Delete,
// Select All, Undo, a model file loading). While a guard is alive, the mouse presses,
// releases, double clicks and wheel turns, the key presses and releases, shortcuts, context
// menu requests, touch and tablet events that reach the application are dropped, and the
// cursor shows the application is busy. Paint events, timers, moves and every other event go
// through as usual. Input for a modal dialog or a popup opened while the guard lives (a
// question the work asks) goes through too: the work is then waiting on the user.
//
// Input that arrived during the work may still wait in the window system's queue when the
// work ends; the outermost guard runs the pending events before it goes, so that this input
// meets the filter and is dropped instead of starting the next long command.
//
// Guards nest: only the outermost one filters, drains and reports. When it dropped clicks or
// key presses, it says so in the status bar of the main window given (or, with none, of the
// active window when that is a QMainWindow): see busyMessage. User-interface thread only.
class BusyGuard : public QObject {
    Q_OBJECT
public:
    // `window` (not owned; may be null or go first) is where the status bar message goes.
    explicit BusyGuard(QWidget* window = nullptr);
    ~BusyGuard() override;
    BusyGuard(const BusyGuard&) = delete;
    BusyGuard& operator=(const BusyGuard&) = delete;

    // True while some guard is alive.
    static bool active();
    // The clicks and key presses (mouse button presses and double clicks, key presses, touch
    // and tablet presses) dropped so far by the outermost guard; 0 in a nested guard.
    int dropped() const { return dropped_; }
    // The status bar text for `dropped` inputs dropped (at least 1).
    static QString busyMessage(int dropped);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static bool isUserInput(const QEvent& event);
    static bool countsAsPress(const QEvent& event);
    static bool isForOpenQuestion(QObject* receiver);
    void report() const;

    QPointer<QWidget> window_;
    bool outermost_;
    int dropped_ = 0;
};

}  // namespace VantorStudio
