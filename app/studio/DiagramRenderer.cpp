#include "DiagramRenderer.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "dove2/Dove2Domain.h"
#include "dove2/GlyphFactory.h"
#include "dove2/Graphics.h"
#include "rook2/Scene.h"
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

QImage DiagramRenderer::render(const DOVE2::Diagram& diagram, Framing* framing) {
    ROOK2::Scene scene;
    DOVE2::Graphics graphics(scene, diagram, glyphFactoryFor(diagram.getRootModel()));
    PARR::GLRect<double> area = scene.itemsBoundingRect();
    if (area.isEmpty())
        area = PARR::GLRect<double>(0, 0, 1, 1);
    area = PARR::GLRect<double>(area.x - kMargin, area.y - kMargin, area.width + 2 * kMargin,
                                area.height + 2 * kMargin);
    const double scale = std::min(kScale, kMaxSide / std::max(area.width, area.height));
    QImage image(std::max(1, static_cast<int>(std::ceil(area.width * scale))),
                 std::max(1, static_cast<int>(std::ceil(area.height * scale))),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(scale, scale);
    painter.translate(-area.x, -area.y);
    ROOK2::ScenePainter scenePainter(scene);
    scenePainter.setSelectionFeedback(false);
    scenePainter.paint(painter, area);
    painter.end();
    if (framing)
        *framing = Framing{area, scale};
    return image;
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
                                        const std::string& imagePath) {
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
    const QImage image = render(diagram);
    if (!image.save(QString::fromStdString(imagePath)))
        return imagePath + ": the image cannot be written";
    return {};
}

}  // namespace VantorStudio
