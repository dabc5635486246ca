#include "glyphs/ChartixGlyph.h"

#include <algorithm>
#include <mutex>
#include <vector>

#include "dove2/DiagramMiniaturePainter.h"
#include "dove2/Editor.h"
#include "dove2/Util.h"
#include "glyphs/BlockRename.h"
#include "parr/Gradient.h"
#include "rook2/EffectShadow.h"
#include "rook2/ResizeControls.h"
#include "rook2/Scene.h"
#include "studio/StudioApp.h"
#include "tessel/FunctionRegistry.h"
#include "tessel/Value.h"
#include "wren/GlobalConnectionLock.h"
#include "wren/Thread.h"

namespace Vantor {

namespace {

constexpr double kCornerFactor = 0.166;
constexpr double kLabelGap = 2.0;

PARR::Color black() {
    return {0, 0, 0, 1};
}

ROOK2::Stroke outline() {
    return ROOK2::Stroke(black(), 1.0, ROOK2::Stroke::Solid, 0, 0);
}

// One shadow for every chart glyph, made by the first `create` and let go when the module
// unloads.
const PARR::Holder<ROOK2::Effect>& sharedShadow() {
    static const PARR::Holder<ROOK2::Effect> shadow(new ROOK2::EffectShadow());
    return shadow;
}

// A vertical wash from pale yellow at the top to orange at the bottom, over the node's box.
PARR::Gradient wash() {
    PARR::Gradient gradient;
    gradient.setType(PARR::Gradient::Linear);
    gradient.setFlag(true);
    gradient.addStop(0.2, PARR::Color(1.0, 0.97, 0.892, 0.7));
    gradient.addStop(1.0, PARR::Color(1.0, 0.87, 0.568, 0.7));
    gradient.setStart({0, 0});
    gradient.setEnd({0, 1});
    gradient.setCoordinateMode(PARR::Gradient::ObjectBoundingMode);
    return gradient;
}

void antialias(ROOK2::Node& node) {
    ROOK2::DrawStyle style = node.getDrawStyle();
    style.antialiased = true;
    node.setDrawStyle(style);
}

// The state-chart side's answer for a chart block: the chart's model and diagram, or empty
// handles when the block is no chart block or the side cannot be asked.
struct ChartPair {
    QUILL::Model model;
    DOVE2::Diagram diagram;
};

ChartPair askChartSide(const std::string& fullPath) {
    std::vector<TESSEL::Value> results;
    const std::vector<TESSEL::Value> args{TESSEL::Value::string("is_cx_chart_block"),
                                          TESSEL::Value::string(fullPath)};
    if (TESSEL::inCallFcnWithTrap(2, results, args, "cxprivate") != 0 ||
        !results[0].isLogicalTrue())
        return {};
    const TESSEL::Value* diagram = results[1].findField("diagram");
    const TESSEL::Value* model = results[1].findField("model");
    if (!diagram || !model || !diagram->isObject() || !model->isObject() ||
        diagram->interfaceName() != "DOVE2.Diagram" || model->interfaceName() != "QUILL.Model")
        return {};
    return {*model->asObject<QUILL::Model>("QUILL.Model"),
            *diagram->asObject<DOVE2::Diagram>("DOVE2.Diagram")};
}

}  // namespace

ChartixGlyph::ChartixGlyph(const VTQUILL::Block& block)
    : DOVE2::Glyph(DOVE2::DiagramElement(block)) {
    lookUpChart();
}

ChartixGlyph::~ChartixGlyph() {
    WREN::Listener::disconnect();
}

VTQUILL::Block ChartixGlyph::block() const {
    return VTQUILL::Block(diagramElement());
}

void ChartixGlyph::lookUpChart() {
    const VTQUILL::Block shown = block();
    const ChartPair chart = shown.isValid() ? askChartSide(shown.getFullPathName()) : ChartPair();
    chartModel = chart.model;
    chartDiagram = chart.diagram;
}

void ChartixGlyph::create() {
    ROOK2::Scene* scene = getScene();
    if (!scene)
        return;
    body = scene->createNode<ROOK2::RoundedRectNode>();
    body->setSelectable(true);
    body->setMovable(true);
    body->setStroke(outline());
    body->setFill(ROOK2::Fill(PARR::Color(1, 1, 1, 1)));
    antialias(*body);
    body->getEffects().add(sharedShadow());

    label = scene->createNode<ROOK2::TextNode>(block().getName());
    label->setPosition({0, 0});
    label->setParent(body);
    label->setEditable(true);
    label->getEditCompleteEmitter().connect(static_cast<WREN::Listener&>(*this),
                                            [this](const std::string&) { onLabelEdited(); });

    miniature = scene->createNode<ROOK2::RoundedRectNode>();
    miniature->setSelectable(false);
    miniature->setParent(body);

    overlay = scene->createNode<ROOK2::RoundedRectNode>();
    overlay->setSelectable(false);
    overlay->setParent(body);
    overlay->setStroke(outline());
    overlay->setFill(ROOK2::Fill(wash()));
    antialias(*overlay);
}

// The transaction events are the framework application's: a studio whose application is not
// the block-diagram one still tells the glyph of deleted charts.
void ChartixGlyph::onSetEditor() {
    DOVE2::StudioApp* app = getEditor() ? getEditor()->getStudioApp() : nullptr;
    if (!app || subscribed)
        return;
    subscribed = true;
    studioApp = dynamic_cast<StudioApp*>(app);
    std::unique_lock lock(WREN::GetGlobalConnectionLock());
    app->getTransactionCompletedEventService().subscribe(
        *this, &ChartixGlyph::onTransactionCompleted, WREN::Thread::getNamedThread("TESSEL"));
}

double ChartixGlyph::cornerRadius() const {
    const PARR::GLPoint<double> size = block().getSize();
    return kCornerFactor * std::min(size.x, size.y);
}

void ChartixGlyph::updateResizeControls() {
    if (!getEditor() || !body)
        return;
    if (body->isSelected())
        ROOK2::ResizeControls::installCornerResizeControls(*body);
    else
        ROOK2::ResizeControls::removeResizeControls(*body);
}

void ChartixGlyph::update() {
    const VTQUILL::Block shown = block();
    if (!body || !shown.isValid())
        return;
    updateResizeControls();
    const PARR::GLPoint<double> size = shown.getSize();
    const double radius = cornerRadius();
    body->setPosition(shown.getPosition());
    body->setRect({0, 0, size.x, size.y});
    body->setCornerRadius(radius);
    label->setText(shown.getName());
    placeLabel(shown);
    label->setVisible(shown.getDrawName());
    if (!chartDiagram.isValid())
        lookUpChart();
    updateMiniature(size);
    overlay->setRect({0, 0, size.x, size.y});
    overlay->setCornerRadius(radius);
}

void ChartixGlyph::onLabelEdited() {
    const VTQUILL::Block renamed = block();
    if (!renameBlockInEditor(getEditor(), renamed, label->getText()) && renamed.isValid())
        label->setText(renamed.getName());
}

void ChartixGlyph::placeLabel(const VTQUILL::Block& shown) {
    const PARR::GLPoint<double> size = shown.getSize();
    const double labelWidth = label->getBounds().boundingRect().width;
    label->setPosition({size.x * 0.5 - labelWidth * 0.5, size.y + kLabelGap});
}

// The host's painter keeps a margin of its own inside the box it is given.
void ChartixGlyph::updateMiniature(const PARR::GLPoint<double>& size) {
    const double inset = kMiniatureMargin - DOVE2::DiagramMiniaturePainter::kMargin;
    const PARR::GLRect<double> box(inset, inset, std::max(size.x - 2 * inset, 0.0),
                                   std::max(size.y - 2 * inset, 0.0));
    miniature->setTransform(PARR::Transform());
    miniature->setRect(box);
    miniature->setCornerRadius(cornerRadius());
    if (drawing && drawnBox == box && drawnChart == chartDiagram && chartDiagram.isValid())
        return;
    if (drawing)
        drawing->remove();
    drawing = DOVE2::Util::renderDiagramIntoNode(chartDiagram, *miniature);
    drawnChart = chartDiagram;
    drawnBox = box;
}

void ChartixGlyph::handleMouseDoubleClickEvent(ROOK2::MouseEvent& event) {
    const VTQUILL::Block clicked = block();
    if (!studioApp || !clicked.isValid())
        return;
    studioApp->openBlock(clicked, false);
    event.consume();
}

void ChartixGlyph::onTransactionCompleted(const DOVE2::TransactionCompletedEvent& event) {
    const DOVE2::TransactionCompletedEvent::Report* report = event.getReport();
    if (!report)
        return;
    const VTQUILL::Block own = block();
    for (const QUILL::ImmutableClassObject& deleted : report->getDeleted()) {
        const QUILL::ImmutableClassObject old = report->getOldState(deleted);
        const DOVE2::ImmutableDiagram oldDiagram(old);
        const VTQUILL::ImmutableBlock oldBlock(old);
        if ((oldDiagram.isValid() && oldDiagram == chartDiagram) ||
            (oldBlock.isValid() && oldBlock == own)) {
            chartModel = QUILL::Model();
            chartDiagram = DOVE2::Diagram();
            return;
        }
    }
}

}  // namespace Vantor
