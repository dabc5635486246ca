#include "dove2/DI.h"

#include <algorithm>

#include "dove2/GraphEdge.h"

namespace DOVE2::DI {

namespace {

PARR::GLRect<double> ownRect(const ImmutableDiagramElement& element) {
    return {absolutePosition(element), element.getSize()};
}

void addEnd(const QUILL::ImmutableClassObject& end, std::vector<PARR::GLPoint<double>>& points) {
    const ImmutableDiagramElement element(end);
    if (!element.isValid())
        return;
    const PARR::GLRect<double> r = ownRect(element);
    points.push_back({r.hCenter(), r.y + r.height / 2});
}

PARR::GLRect<double> boxOf(const std::vector<PARR::GLPoint<double>>& points) {
    auto [minX, maxX] = std::minmax_element(points.begin(), points.end(),
                                            [](const auto& a, const auto& b) { return a.x < b.x; });
    auto [minY, maxY] = std::minmax_element(points.begin(), points.end(),
                                            [](const auto& a, const auto& b) { return a.y < b.y; });
    return {minX->x, minY->y, maxX->x - minX->x, maxY->y - minY->y};
}

}  // namespace

PARR::GLPoint<double> absolutePosition(const ImmutableDiagramElement& element) {
    if (!element.isValid())
        return {0, 0};
    return absolutePosition(*element.getDeviant(), element.state());
}

PARR::GLPoint<double> absolutePosition(const QUILL::Deviant& instance,
                                       const QUILL::ObjectState& state) {
    const ModelSchema& schema = ModelSchema::get();
    const std::size_t at = schema.position.getIndex();
    PARR::GLPoint<double> position = std::get<PARR::GLPoint<double>>(state.values[at]);
    for (QUILL::ObjectId c = state.container; c != QUILL::kNoObject;) {
        const QUILL::ObjectState* container = instance.find(c);
        if (!container || !container->type->isKindOf(schema.diagramElement))
            break;
        position += std::get<PARR::GLPoint<double>>(container->values[at]);
        c = container->container;
    }
    return position;
}

std::vector<PARR::GLPoint<double>> edgePoints(const ImmutableDiagramElement& element) {
    const ImmutableGraphEdge edge(element);
    std::vector<PARR::GLPoint<double>> points;
    if (!edge.isValid())
        return points;
    addEnd(edge.getSrcElement(), points);
    for (const PARR::GLPoint<double>& p : edge.getPath().points())
        points.push_back(p);
    addEnd(edge.getDstElement(), points);
    return points;
}

PARR::GLRect<double> boundingRect(const ImmutableDiagramElement& element) {
    if (!element.isValid())
        return {};
    const std::vector<PARR::GLPoint<double>> points = edgePoints(element);
    return points.empty() ? ownRect(element) : boxOf(points);
}

}  // namespace DOVE2::DI
