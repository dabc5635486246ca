#pragma once

#include "parr/ReferencedTemplate.h"
#include "parr/StringID.h"
#include "rook2/EventHandler.h"

namespace ROOK2 {

class Scene;

// An interactive tool: receives the scene's events (EventHandler) while it is on the
// scene's tool stack. Tools are reference counted (PARR::Holder<Tool>); the stack holds one
// reference to each tool on it.
//
// A tool made for one gesture reports isDone() once the gesture is over; the scene then
// takes it off the stack after the event that finished it.
class Tool : public EventHandler, public PARR::ReferencedTemplate<unsigned int> {
public:
    Tool() = default;
    ~Tool() override = default;

    // True when the tool has finished and may be taken off the stack. Default: false.
    virtual bool isDone() const { return false; }
    // The role this kind of tool plays unless it is added under another one.
    virtual PARR::StringID getDefaultRole() const { return PARR::StringID(); }

    // The scene whose stack holds the tool; null while it is on none.
    Scene* getScene() const { return scene_; }
    // The role the tool was added under; empty while it is on no stack.
    const PARR::StringID& getRole() const { return role_; }

protected:
    // Called when the tool is put on a scene's stack (getScene() is set) and when it is
    // taken off (before getScene() is cleared). Default: nothing.
    virtual void activated() {}
    virtual void deactivated() {}

private:
    friend class ToolStack;
    Scene* scene_ = nullptr;
    PARR::StringID role_;
};

}  // namespace ROOK2
