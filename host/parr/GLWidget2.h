#pragma once

#include <string>

namespace PARR {

// An object a window shows as a widget of its own (a palette button): the toolkit-neutral
// side that the window turns into a real widget. `activate` runs what pressing it does.
class GLWidget2 {
public:
    GLWidget2() = default;
    GLWidget2(const GLWidget2&) = delete;
    GLWidget2& operator=(const GLWidget2&) = delete;
    virtual ~GLWidget2() = default;

    // The text shown on it or as its tool tip.
    virtual std::string getLabel() const = 0;
    // The file path of its icon; empty for none.
    virtual std::string getIconPath() const = 0;
    // What pressing it does.
    virtual void activate() = 0;
};

}  // namespace PARR
