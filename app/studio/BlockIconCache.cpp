#include "BlockIconCache.h"

#include <QPainter>
#include <QPixmap>
#include <algorithm>

#include "PainterBlockRenderer.h"
#include "quill/Transaction.h"
#include "vtdove/BlockLibrary.h"
#include "vtdove/BlockPainter.h"
#include "vtquill/VTQuill.h"

namespace VantorStudio {

namespace {

// Blank pixels kept on every side of a drawing.
constexpr double kMargin = 2.0;
// Text height in block units: block labels are about a third of a small block's height.
constexpr int kTextPixelSize = 10;

// Draws `block` (at the origin of its diagram) centred in a transparent square image.
QImage drawBlock(const VTQUILL::ImmutableBlock& block) {
    QImage image(BlockIconCache::kIconSide, BlockIconCache::kIconSide,
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const PARR::GLPoint<double> size = block.getSize();
    if (size.x <= 0 || size.y <= 0)
        return image;
    const double room = BlockIconCache::kIconSide - 2 * kMargin;
    const double scale = std::min(room / size.x, room / size.y);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate((BlockIconCache::kIconSide - size.x * scale) / 2,
                      (BlockIconCache::kIconSide - size.y * scale) / 2);
    painter.scale(scale, scale);
    QFont font = painter.font();
    font.setPixelSize(kTextPixelSize);
    painter.setFont(font);
    // Strokes at least a pixel wide, so that a long block drawn small keeps its outline.
    PainterBlockRenderer renderer(painter, std::max(1.0, 1.0 / scale));
    VTDove::paintBlockGraphics(block, renderer);
    return image;
}

}  // namespace

BlockIconCache::BlockIconCache() {
    const VTDove::BlockLibrary& library = VTDove::BlockLibrary::instance();
    VTQUILL::Model scratch = VTQUILL::Factory::createNewModel("library");
    const VTQUILL::Diagram diagram = scratch.getDiagrams().front();
    {
        QUILL::Transaction transaction(scratch);
        for (const std::string& type : library.typeNames()) {
            const VTQUILL::Block block = library.instantiate(diagram, type, "icon", {0, 0});
            images_.emplace(type, drawBlock(block));
        }
        transaction.rollback();
    }
    scratch.close();
}

QIcon BlockIconCache::iconOf(const std::string& typeName) const {
    const auto it = images_.find(typeName);
    return it == images_.end() ? QIcon() : QIcon(QPixmap::fromImage(it->second));
}

QImage BlockIconCache::imageOf(const std::string& typeName) const {
    const auto it = images_.find(typeName);
    return it == images_.end() ? QImage() : it->second;
}

}  // namespace VantorStudio
