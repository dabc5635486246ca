#include "dove2/tools/Marquee.h"

#include <cmath>

#include "rook2/Scene.h"
#include "rook2/Stroke.h"

namespace DOVE2 {

Marquee::~Marquee() {
    disarm();
}

void Marquee::arm(ROOK2::Scene& scene, const ROOK2::MouseEvent& press) {
    disarm();
    scene_ = &scene;
    start_ = current_ = press.scenePos();
    startWidget_ = press.widgetPos();
}

void Marquee::disarm() {
    if (node_ && !node_->isRemoved())
        node_->remove();
    node_.reset();
    scene_ = nullptr;
}

bool Marquee::follow(const ROOK2::MouseEvent& event, double threshold) {
    if (!isArmed())
        return false;
    current_ = event.scenePos();
    if (!isShown()) {
        const double dx = event.widgetPos().x - startWidget_.x;
        const double dy = event.widgetPos().y - startWidget_.y;
        if (std::hypot(dx, dy) < threshold)
            return false;
        show();
    }
    node_->setRect(rect());
    return true;
}

PARR::GLRect<double> Marquee::rect() const {
    return PARR::GLRect<double>::fromCorners(start_, current_);
}

void Marquee::show() {
    node_ = scene_->createNode<ROOK2::RectNode>(rect());
    node_->setStroke(ROOK2::Stroke(PARR::Color(0.2, 0.4, 0.9, 1), 0, ROOK2::Stroke::Dashed, 0, 0));
    node_->setSelectable(false);
}

}  // namespace DOVE2
