#pragma once

#include <string>
#include <vector>

#include "parr/StringID.h"
#include "rook2/Tool.h"

namespace rook2test {

// A tool that logs the events it receives ("<name>:press@x,y") into a shared log, consumes
// them when told to, and can be made done.
class RecordingTool : public ROOK2::Tool {
public:
    RecordingTool(std::vector<std::string>& log, std::string name, bool consume = false)
        : log_(log), name_(std::move(name)), consume_(consume) {}

    static PARR::StringID staticGetDefaultRole() { return PARR::StringID("test:Recording"); }
    PARR::StringID getDefaultRole() const override { return staticGetDefaultRole(); }
    bool isDone() const override { return done_; }

    void handleMousePressEvent(ROOK2::MouseEvent& e) override { record("press", e); }
    void handleMouseMoveEvent(ROOK2::MouseEvent& e) override { record("move", e); }
    void handleMouseReleaseEvent(ROOK2::MouseEvent& e) override {
        record("release", e);
        if (finishOnRelease)
            done_ = true;
    }
    void handleMouseDoubleClickEvent(ROOK2::MouseEvent& e) override { record("double", e); }
    void handleWheelEvent(ROOK2::WheelEvent& e) override { record("wheel", e); }
    void handleKeyPressEvent(ROOK2::KeyEvent& e) override {
        log_.push_back(name_ + ":key " + std::to_string(e.key()));
        if (consume_)
            e.consume();
    }

    bool finishOnRelease = false;
    ROOK2::MouseEvent lastEvent;

private:
    void record(const char* what, ROOK2::MouseEvent& e) {
        lastEvent = e;
        log_.push_back(name_ + ":" + what + "@" + std::to_string(int(e.scenePos().x)) + "," +
                       std::to_string(int(e.scenePos().y)));
        if (consume_)
            e.consume();
    }

    std::vector<std::string>& log_;
    std::string name_;
    bool consume_;
    bool done_ = false;
};

}  // namespace rook2test
