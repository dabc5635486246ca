#pragma once

#include <functional>
#include <string>
#include <vector>

class QPainter;

namespace IconGen {

// One icon: where it goes below the resources folder ("vantor/zoom_out.png"), its width and
// height in pixels (icons are square), and how it is drawn on a transparent image of that
// size (pixel coordinates, origin at the top-left corner, antialiasing on).
struct Icon {
    std::string path;
    int size;
    std::function<void(QPainter&)> draw;
};

// Every icon the studio shows from "toolbox/shared/ferstudio/resources": the editor's palette
// buttons, the library-link indicators of blocks and the model explorer's icons.
class IconSet {
public:
    static std::vector<Icon> all();

private:
    static std::vector<Icon> paletteButtons();
    static std::vector<Icon> libraryLinks();
    static std::vector<Icon> explorerIcons();
};

}  // namespace IconGen
