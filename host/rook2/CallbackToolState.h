#pragma once

#include "rook2/Tool.h"
#include "rook2/ToolState.h"

namespace ROOK2 {

// A tool state whose behaviour is a set of member functions of its tool T (a Tool): one
// optional callback per event (press, release, move, double click, key press, key release).
// An event whose callback is not set is ignored.
template <class T>
class CallbackToolState : public ToolState {
public:
    using MouseCallback = void (T::*)(MouseEvent&);
    using KeyCallback = void (T::*)(KeyEvent&);

    explicit CallbackToolState(T& tool, MouseCallback press = nullptr,
                               MouseCallback release = nullptr, MouseCallback move = nullptr,
                               MouseCallback doubleClick = nullptr, KeyCallback keyPress = nullptr,
                               KeyCallback keyRelease = nullptr)
        : ToolState(tool),
          press_(press),
          release_(release),
          move_(move),
          doubleClick_(doubleClick),
          keyPress_(keyPress),
          keyRelease_(keyRelease) {}

    void handleMousePressEvent(MouseEvent& e) override { call(press_, e); }
    void handleMouseReleaseEvent(MouseEvent& e) override { call(release_, e); }
    void handleMouseMoveEvent(MouseEvent& e) override { call(move_, e); }
    void handleMouseDoubleClickEvent(MouseEvent& e) override { call(doubleClick_, e); }
    void handleKeyPressEvent(KeyEvent& e) override { call(keyPress_, e); }
    void handleKeyReleaseEvent(KeyEvent& e) override { call(keyRelease_, e); }

    // The owning tool as its own class.
    virtual T& tool() const { return static_cast<T&>(baseTool()); }

    void setPressCallback(MouseCallback c) { press_ = c; }
    void setReleaseCallback(MouseCallback c) { release_ = c; }
    void setMoveCallback(MouseCallback c) { move_ = c; }
    void setDoubleClickCallback(MouseCallback c) { doubleClick_ = c; }
    void setKeyPressCallback(KeyCallback c) { keyPress_ = c; }
    void setKeyReleaseCallback(KeyCallback c) { keyRelease_ = c; }

private:
    template <class Callback, class E>
    void call(Callback callback, E& event) {
        if (callback)
            (tool().*callback)(event);
    }

    MouseCallback press_;
    MouseCallback release_;
    MouseCallback move_;
    MouseCallback doubleClick_;
    KeyCallback keyPress_;
    KeyCallback keyRelease_;
};

}  // namespace ROOK2
