#include "DiagramSceneBuilder.h"

#include <QFont>
#include <cmath>

#include "dove2/DI.h"
#include "rook2/ClosedLinearPathNode.h"
#include "rook2/EllipseNode.h"
#include "rook2/OpenLinearPathNode.h"
#include "rook2/RectNode.h"
#include "rook2/TextNode.h"

namespace VantorStudio {

namespace {

using Point = PARR::GLPoint<double>;

const PARR::Color kBlack(0, 0, 0, 1);
const PARR::Color kWhite(1, 1, 1, 1);
const PARR::Color kBlue(0.1, 0.3, 0.7, 1);

ROOK2::Stroke solid(const PARR::Color& color, double width = 0) {
    return ROOK2::Stroke(color, width, ROOK2::Stroke::Solid, 0, 0);
}

Point absolutePosition(const QUILL::ImmutableClassObject& element) {
    return DOVE2::DI::absolutePosition(DOVE2::ImmutableDiagramElement(element));
}

// A unit step along an orientation in degrees (0 +x, 90 -y, 180 -x, 270 +y).
Point direction(double degrees) {
    const double r = degrees * M_PI / 180.0;
    return {std::round(std::cos(r)), -std::round(std::sin(r))};
}

}  // namespace

void DiagramSceneBuilder::build(const VTQUILL::ImmutableDiagram& diagram) {
    for (const auto& line : diagram.getLines())
        addLine(line);
    for (const auto& block : diagram.getBlocks())
        addBlock(block);
    for (const auto& annotation : diagram.getAnnotations())
        addAnnotation(annotation);
}

void DiagramSceneBuilder::addBlock(const VTQUILL::ImmutableBlock& block) {
    const Point origin = block.getPosition();
    const Point size = block.getSize();
    auto box = scene_.createNode<ROOK2::RectNode>(PARR::GLRect<double>(0, 0, size.x, size.y));
    box->setPosition(origin);
    box->setStroke(solid(kBlack, block.isSubsystem() ? 2 : 0));
    box->setFill(ROOK2::Fill(kWhite));
    box->setSelectable(true);
    addLabel(block.getType(), {origin.x + size.x / 2, origin.y + size.y / 2}, false);
    if (block.getDrawName()) {
        addLabel(block.getName(), {origin.x + size.x / 2, origin.y + size.y + 9}, true);
    }
    for (const auto& port : block.getContained())
        addPort(port, origin);
}

void DiagramSceneBuilder::addPort(const VTQUILL::ImmutablePort& port, const Point& blockOrigin) {
    const Point at = blockOrigin + port.getPosition();
    const Point d = direction(port.getOrientation());
    const Point side{-d.y, d.x};
    auto mark = scene_.createNode<ROOK2::ClosedLinearPathNode>();
    // A small arrowhead pointing the way signals flow: out of outputs, into inputs.
    const bool inward = port.getType() == VTQUILL::kInPort;
    const Point tip = inward ? at : at + d * 5.0;
    const Point back = inward ? at + d * 5.0 : at;
    mark->setPoints({back + side * 3.0, tip, back - side * 3.0});
    mark->setStroke(solid(kBlack));
    mark->setFill(ROOK2::Fill(port.getType() == VTQUILL::kConnectionPort ? kBlue : kBlack));
}

void DiagramSceneBuilder::addLine(const VTQUILL::ImmutableLine& line) {
    const bool signal = line.getType() == VTQUILL::kSignalLine;
    for (const auto& segment : line.getSegments())
        addSegment(segment, signal);
    for (const auto& joint : line.getSolderJoints()) {
        const Point c = absolutePosition(joint);
        auto dot = scene_.createNode<ROOK2::EllipseNode>(
            ROOK2::Ellipse(PARR::GLRect<double>(c.x - 3, c.y - 3, 6, 6)));
        dot->setFill(ROOK2::Fill(signal ? kBlack : kBlue));
    }
}

void DiagramSceneBuilder::addSegment(const VTQUILL::ImmutableSegment& segment, bool arrow) {
    const auto src = segment.getSrcElement();
    const auto dst = segment.getDstElement();
    PARR::Path route;
    if (src.isValid())
        route.addPoint(absolutePosition(src));
    route += segment.getPath();
    if (dst.isValid())
        route.addPoint(absolutePosition(dst));
    route.simplify();
    if (route.size() < 2)
        return;
    auto path = scene_.createNode<ROOK2::OpenLinearPathNode>();
    path->setPath(route);
    const bool freeEnd = isFreeEnd(src) || isFreeEnd(dst);
    path->setStroke(ROOK2::Stroke(arrow ? kBlack : kBlue, 0,
                                  freeEnd ? ROOK2::Stroke::Dashed : ROOK2::Stroke::Solid, 0, 0));
    path->setSelectable(true);
    if (arrow && VTQUILL::ImmutablePort(dst).isValid()) {
        auto head = PARR::Holder<ROOK2::Node>(new ROOK2::ClosedLinearPathNode());
        auto* shape = static_cast<ROOK2::ClosedLinearPathNode*>(head.get());
        shape->setPoints({{-7, -3.5}, {0, 0}, {-7, 3.5}});
        shape->setFill(ROOK2::Fill(kBlack));
        shape->setStroke(solid(kBlack));
        path->setEndDecoration(ROOK2::LineEndDecoration(head));
    }
}

bool DiagramSceneBuilder::isFreeEnd(const QUILL::ImmutableClassObject& end) {
    return !VTQUILL::ImmutablePort(end).isValid() && !VTQUILL::ImmutableSolderJoint(end).isValid();
}

void DiagramSceneBuilder::addAnnotation(const VTQUILL::ImmutableAnnotation& annotation) {
    auto text = scene_.createNode<ROOK2::TextNode>(annotation.getText());
    text->setPosition(absolutePosition(annotation));
    text->setTextColor(PARR::Color(0.25, 0.25, 0.25, 1));
}

void DiagramSceneBuilder::addLabel(const std::string& text, const Point& center, bool bold) {
    auto label = scene_.createNode<ROOK2::TextNode>(text);
    QFont font("Sans", 8);
    font.setBold(bold);
    label->setFont(font);
    const auto box = label->getBounds().boundingRect();
    label->setPosition({center.x - box.width / 2, center.y - box.height / 2});
}

}  // namespace VantorStudio
