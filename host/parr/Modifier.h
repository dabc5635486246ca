#pragma once

namespace PARR {

// Keyboard modifier flags of mouse and key events, or-ed together; the values are those of
// the Qt::KeyboardModifier flags, so Qt's modifiers convert by a plain cast.
enum Modifier : unsigned {
    NoModifier = 0,
    ShiftModifier = 0x02000000,
    ControlModifier = 0x04000000,
    AltModifier = 0x08000000,
};

}  // namespace PARR
