#pragma once

namespace ROOK2 {

// Base of the events the scene delivers to node event handlers and tools. A receiver that
// acts on an event consumes it; delivery stops at the first receiver that does.
// `modifiers` holds PARR::Modifier flags (Shift 0x02000000, Control 0x04000000, Alt
// 0x08000000), or-ed together.
class Event {
public:
    Event() = default;
    explicit Event(unsigned modifiers) : modifiers_(modifiers) {}
    virtual ~Event() = default;

    void consume() { consumed_ = true; }
    bool isConsumed() const { return consumed_; }
    // Makes a consumed event deliverable again (used when an event is replayed).
    void resetConsumed() { consumed_ = false; }

    unsigned modifiers() const { return modifiers_; }
    void setModifiers(unsigned modifiers) { modifiers_ = modifiers; }

private:
    unsigned modifiers_ = 0;
    bool consumed_ = false;
};

}  // namespace ROOK2
