#pragma once

namespace ROOK2 {
class Tool;
}

namespace DOVE2 {

// What a palette button (PaletteButtonToTool) does when pressed: it makes the button's tool
// the current tool of an editor. A domain derives one factory per kind of button and keeps it
// for as long as its buttons exist; buttons do not own their factory.
class PaletteButtonToolFactory {
public:
    PaletteButtonToolFactory() = default;
    PaletteButtonToolFactory(const PaletteButtonToolFactory&) = delete;
    PaletteButtonToolFactory& operator=(const PaletteButtonToolFactory&) = delete;
    virtual ~PaletteButtonToolFactory();

    // Puts the button's tool on top of the editor's tool stack (Editor::addToolByRole) and
    // returns it; the tool stack holds it. Null when the tool cannot be made.
    virtual ROOK2::Tool* createTool() = 0;
};

}  // namespace DOVE2
