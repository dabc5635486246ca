#pragma once

#include <string>
#include <utility>

#include "rook2/Event.h"

namespace ROOK2 {

// A key press or release: the key code (Qt::Key values, e.g. 0x01000007 for Delete), the
// text it types (UTF-8, empty for keys that type nothing), auto-repeat, and the modifiers
// (Event::modifiers). A plain value.
class KeyEvent : public Event {
public:
    enum Type { Press, Release };

    KeyEvent() = default;
    KeyEvent(Type type, int key, unsigned modifiers, std::string text = {}, bool autoRepeat = false)
        : Event(modifiers),
          type_(type),
          key_(key),
          text_(std::move(text)),
          autoRepeat_(autoRepeat) {}

    Type type() const { return type_; }
    int key() const { return key_; }
    const std::string& text() const { return text_; }
    bool isAutoRepeat() const { return autoRepeat_; }

private:
    Type type_ = Press;
    int key_ = 0;
    std::string text_;
    bool autoRepeat_ = false;
};

}  // namespace ROOK2
