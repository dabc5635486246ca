#pragma once

#include <functional>
#include <vector>

#include "parr/Holder.h"
#include "parr/StringID.h"
#include "rook2/BaseToolConstructor.h"
#include "rook2/Tool.h"

namespace ROOK2 {

class Scene;

// The tools of one scene, bottom to top, and the constructors that make tools by role.
// Events go to the top tool first and down the stack until one consumes them; the bottom
// tool (usually the selection tool) sees whatever the others leave. The stack holds one
// reference to each tool and to each constructor.
class ToolStack {
public:
    explicit ToolStack(Scene& scene) : scene_(scene) {}
    ~ToolStack();
    ToolStack(const ToolStack&) = delete;
    ToolStack& operator=(const ToolStack&) = delete;

    // Registers `constructor` for its role; a later registration for the same role
    // replaces the earlier one. An empty holder is ignored.
    void addToolConstructor(const PARR::Holder<BaseToolConstructor>& constructor);
    bool hasToolConstructor(const PARR::StringID& role) const;

    // Makes a tool with the constructor registered for `role` and puts it on top, under
    // that role. Returns the tool, or null when no constructor has that role.
    Tool* addToolByRole(const PARR::StringID& role);
    // Puts `tool` on top under `role` (its default role when `role` is empty). A tool
    // already on the stack is moved to the top. Returns the tool (null for an empty holder).
    Tool* addTool(const PARR::Holder<Tool>& tool, const PARR::StringID& role = {});
    // Takes `tool` off the stack; false when it was not on it.
    bool removeTool(const Tool* tool);
    // Takes the topmost tool of `role` off the stack; false when there is none.
    bool removeToolByRole(const PARR::StringID& role);
    void clearToolStack();

    // The topmost tool of `role`, or null.
    Tool* getToolByRole(const PARR::StringID& role) const;
    // The role `tool` was added under; empty when it is not on the stack.
    PARR::StringID getRoleByTool(const Tool* tool) const;
    bool hasTool(const Tool* tool) const;
    // The top tool, or null when the stack is empty.
    Tool* currentTool() const;
    std::size_t size() const { return tools_.size(); }
    // The tools, bottom first.
    std::vector<Tool*> tools() const;

    // Calls `deliver` on each tool from the top down until `event` is consumed; tools taken
    // off the stack meanwhile are skipped. Then takes off the tools reporting isDone().
    void deliver(Event& event, const std::function<void(Tool&)>& deliver);
    // Takes every tool that reports isDone() off the stack.
    void removeDoneTools();

private:
    struct Entry {
        PARR::Holder<Tool> tool;
        PARR::StringID role;
    };
    void detach(Entry& entry);

    Scene& scene_;
    std::vector<Entry> tools_;
    std::vector<PARR::Holder<BaseToolConstructor>> constructors_;
};

}  // namespace ROOK2
