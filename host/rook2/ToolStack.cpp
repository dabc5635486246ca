#include "rook2/ToolStack.h"

#include <algorithm>

namespace ROOK2 {

ToolStack::~ToolStack() {
    clearToolStack();
}

void ToolStack::addToolConstructor(const PARR::Holder<BaseToolConstructor>& constructor) {
    if (!constructor)
        return;
    const PARR::StringID role = constructor->role();
    std::erase_if(constructors_, [&](const auto& c) { return c->role() == role; });
    constructors_.push_back(constructor);
}

bool ToolStack::hasToolConstructor(const PARR::StringID& role) const {
    return std::any_of(constructors_.begin(), constructors_.end(),
                       [&](const auto& c) { return c->role() == role; });
}

Tool* ToolStack::addToolByRole(const PARR::StringID& role) {
    const auto at = std::find_if(constructors_.begin(), constructors_.end(),
                                 [&](const auto& c) { return c->role() == role; });
    if (at == constructors_.end())
        return nullptr;
    // Hold the constructor: making a tool may register or replace constructors.
    const PARR::Holder<BaseToolConstructor> constructor = *at;
    return addTool(constructor->create(), role);
}

Tool* ToolStack::addTool(const PARR::Holder<Tool>& tool, const PARR::StringID& role) {
    if (!tool)
        return nullptr;
    const PARR::StringID usedRole = role.empty() ? tool->getDefaultRole() : role;
    const auto at =
        std::find_if(tools_.begin(), tools_.end(), [&](const Entry& e) { return e.tool == tool; });
    if (at != tools_.end()) {
        Entry entry = *at;
        tools_.erase(at);
        entry.role = usedRole;
        entry.tool->role_ = usedRole;
        tools_.push_back(entry);
        return tool.get();
    }
    tools_.push_back({tool, usedRole});
    tool->scene_ = &scene_;
    tool->role_ = usedRole;
    tool->activated();
    return tool.get();
}

void ToolStack::detach(Entry& entry) {
    entry.tool->deactivated();
    entry.tool->scene_ = nullptr;
    entry.tool->role_ = PARR::StringID();
}

bool ToolStack::removeTool(const Tool* tool) {
    const auto at = std::find_if(tools_.begin(), tools_.end(),
                                 [&](const Entry& e) { return e.tool.get() == tool; });
    if (at == tools_.end())
        return false;
    Entry entry = *at;  // keeps the tool alive through deactivated()
    tools_.erase(at);
    detach(entry);
    return true;
}

bool ToolStack::removeToolByRole(const PARR::StringID& role) {
    return removeTool(getToolByRole(role));
}

void ToolStack::clearToolStack() {
    while (!tools_.empty())
        removeTool(tools_.back().tool.get());
}

Tool* ToolStack::getToolByRole(const PARR::StringID& role) const {
    for (auto it = tools_.rbegin(); it != tools_.rend(); ++it) {
        if (it->role == role)
            return it->tool.get();
    }
    return nullptr;
}

PARR::StringID ToolStack::getRoleByTool(const Tool* tool) const {
    for (const Entry& e : tools_) {
        if (e.tool.get() == tool)
            return e.role;
    }
    return PARR::StringID();
}

bool ToolStack::hasTool(const Tool* tool) const {
    return std::any_of(tools_.begin(), tools_.end(),
                       [&](const Entry& e) { return e.tool.get() == tool; });
}

Tool* ToolStack::currentTool() const {
    return tools_.empty() ? nullptr : tools_.back().tool.get();
}

std::vector<Tool*> ToolStack::tools() const {
    std::vector<Tool*> out;
    out.reserve(tools_.size());
    for (const Entry& e : tools_)
        out.push_back(e.tool.get());
    return out;
}

void ToolStack::deliver(Event& event, const std::function<void(Tool&)>& deliver) {
    std::vector<PARR::Holder<Tool>> snapshot;
    snapshot.reserve(tools_.size());
    for (auto it = tools_.rbegin(); it != tools_.rend(); ++it)
        snapshot.push_back(it->tool);
    for (const auto& tool : snapshot) {
        if (event.isConsumed())
            break;
        if (hasTool(tool.get()))
            deliver(*tool);
    }
    removeDoneTools();
}

void ToolStack::removeDoneTools() {
    std::vector<Tool*> done;
    for (const Entry& e : tools_) {
        if (e.tool->isDone())
            done.push_back(e.tool.get());
    }
    for (Tool* tool : done)
        removeTool(tool);
}

}  // namespace ROOK2
