#pragma once

#include <string>
#include <unordered_map>

#include <QIcon>
#include <QImage>

namespace VantorStudio {

// The icons of the engine's block library: every type drawn once, at construction, by the
// engine's own drawing code (VTDove::paintBlockGraphics through a PainterBlockRenderer) for a
// block of that type with its default size and parameters, scaled to fit a square of
// kIconSide pixels with its aspect kept, on a transparent background. Needs a running
// QGuiApplication (fonts). The blocks drawn live in a scratch model made and closed here.
class BlockIconCache {
public:
    static constexpr int kIconSide = 40;

    BlockIconCache();

    // The icon of `typeName`; a null icon when the library has no such type.
    QIcon iconOf(const std::string& typeName) const;
    // The drawing behind the icon; a null image when the library has no such type.
    QImage imageOf(const std::string& typeName) const;
    std::size_t size() const { return images_.size(); }

private:
    std::unordered_map<std::string, QImage> images_;
};

}  // namespace VantorStudio
