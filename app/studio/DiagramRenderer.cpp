#include "DiagramRenderer.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "DiagramExporter.h"
#include "dove2/Dove2Domain.h"
#include "dove2/GlyphFactory.h"
#include "rook2/ScenePainter.h"
#include "vtquill/file/ModelFileReader.h"

namespace VantorStudio {

namespace {

DOVE2::GlyphFactory& glyphFactoryFor(const QUILL::ImmutableModel& model) {
    DOVE2::GlyphFactory* factory = DOVE2::Dove2Domain::forModel(model)->getGlyphFactory();
    return factory ? *factory : *DOVE2::Dove2Domain::get()->getGlyphFactory();
}

VTQUILL::Diagram findBelow(const VTQUILL::Diagram& diagram, const std::string& path) {
    if (diagram.getFullName() == path)
        return diagram;
    for (const VTQUILL::Block& block : diagram.getBlocks()) {
        const VTQUILL::Diagram inner = block.getSubsystemDiagram();
        if (!inner.isValid())
            continue;
        const VTQUILL::Diagram found = findBelow(inner, path);
        if (found.isValid())
            return found;
    }
    return VTQUILL::Diagram();
}

// Closes the model it holds when it goes, so every way out of renderFile closes it.
struct ModelCloser {
    VTQUILL::Model model;
    ~ModelCloser() {
        if (model.isValid())
            model.close();
    }
};

}  // namespace

QRectF DiagramRenderer::Framing::toImage(const PARR::GLRect<double>& rect) const {
    return QRectF((rect.x - area.x) * scale, (rect.y - area.y) * scale, rect.width * scale,
                  rect.height * scale);
}

DiagramRenderer::DiagramRenderer(const DOVE2::Diagram& diagram)
    : graphics_(scene_, diagram, glyphFactoryFor(diagram.getRootModel())) {
    PARR::GLRect<double> drawn = scene_.itemsBoundingRect();
    if (drawn.isEmpty())
        drawn = PARR::GLRect<double>(0, 0, 1, 1);
    area_ = PARR::GLRect<double>(drawn.x - kMargin, drawn.y - kMargin, drawn.width + 2 * kMargin,
                                 drawn.height + 2 * kMargin);
}

void DiagramRenderer::paint(QPainter& painter) {
    painter.save();
    painter.fillRect(QRectF(area_.x, area_.y, area_.width, area_.height), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    ROOK2::ScenePainter scenePainter(scene_);
    scenePainter.setSelectionFeedback(false);
    scenePainter.paint(painter, area_);
    painter.restore();
}

bool DiagramRenderer::paintOn(QPaintDevice& device, double scale) {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.scale(scale, scale);
    painter.translate(-area_.x, -area_.y);
    paint(painter);
    return painter.end();
}

QImage DiagramRenderer::toImage(double scale, Framing* framing) {
    scale = std::min(scale, kMaxSide / std::max(area_.width, area_.height));
    QImage image(std::max(1, static_cast<int>(std::ceil(area_.width * scale))),
                 std::max(1, static_cast<int>(std::ceil(area_.height * scale))),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    paintOn(image, scale);
    if (framing)
        *framing = Framing{area_, scale};
    return image;
}

QImage DiagramRenderer::render(const DOVE2::Diagram& diagram, Framing* framing, double scale) {
    return DiagramRenderer(diagram).toImage(scale, framing);
}

VTQUILL::Diagram DiagramRenderer::findDiagram(const VTQUILL::Model& model,
                                              const std::string& path) {
    for (const VTQUILL::Diagram& top : model.getDiagrams()) {
        if (path.empty())
            return top;
        const VTQUILL::Diagram found = findBelow(top, path);
        if (found.isValid())
            return found;
    }
    return VTQUILL::Diagram();
}

std::string DiagramRenderer::renderFile(const std::string& modelPath,
                                        const std::string& diagramPath,
                                        const std::string& outputPath, double scale) {
    VTQUILL::File::ModelFileReader::Result loaded =
        VTQUILL::File::ModelFileReader().load(modelPath);
    if (!loaded.ok())
        return loaded.error->message();
    const ModelCloser closer{loaded.model};
    const VTQUILL::Diagram diagram = findDiagram(loaded.model, diagramPath);
    if (!diagram.isValid()) {
        return modelPath + ": " +
               (diagramPath.empty() ? std::string("the model has no diagram")
                                    : "no diagram has the path \"" + diagramPath + "\"");
    }
    return DiagramExporter::write(diagram, outputPath, scale);
}

}  // namespace VantorStudio
