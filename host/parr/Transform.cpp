#include "parr/Transform.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace PARR {

namespace {

// Cosine and sine of an angle in degrees, exact for whole multiples of 90 degrees.
void cosSin(double degrees, double& cosine, double& sine) {
    const double turns = std::fmod(degrees, 360.0);
    const double quarter = turns / 90.0;
    if (quarter == std::floor(quarter)) {
        static constexpr double kCos[4] = {1, 0, -1, 0};
        static constexpr double kSin[4] = {0, 1, 0, -1};
        const int q = (static_cast<int>(quarter) % 4 + 4) % 4;
        cosine = kCos[q];
        sine = kSin[q];
        return;
    }
    const double radians = degrees * std::numbers::pi / 180.0;
    cosine = std::cos(radians);
    sine = std::sin(radians);
}

}  // namespace

Transform Transform::fromRotate(double degrees) {
    double cosine = 1.0;
    double sine = 0.0;
    cosSin(degrees, cosine, sine);
    return {cosine, sine, -sine, cosine, 0, 0};
}

Transform& Transform::translate(double dx, double dy) {
    return *this *= fromTranslate(dx, dy);
}

Transform& Transform::scale(double sx, double sy) {
    return *this *= fromScale(sx, sy);
}

Transform& Transform::rotate(double degrees) {
    return *this *= fromRotate(degrees);
}

Transform& Transform::rotate(double degrees, const GLPoint<double>& center) {
    translate(-center.x, -center.y);
    rotate(degrees);
    return translate(center.x, center.y);
}

GLRect<double> Transform::mapRect(const GLRect<double>& r) const {
    const GLPoint<double> corners[4] = {map(r.topLeft()), map({r.right(), r.top()}),
                                        map({r.left(), r.bottom()}), map(r.bottomRight())};
    double left = corners[0].x, right = corners[0].x;
    double top = corners[0].y, bottom = corners[0].y;
    for (const GLPoint<double>& p : corners) {
        left = std::min(left, p.x);
        right = std::max(right, p.x);
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    return {left, top, right - left, bottom - top};
}

Transform Transform::inverted(bool* invertible) const {
    const double det = determinant();
    if (invertible)
        *invertible = det != 0.0;
    if (det == 0.0)
        return {};
    // Translations and pure axis scales invert exactly this way; the general formula below
    // would round 1/det * d for them.
    if (b_ == 0.0 && c_ == 0.0)
        return {1.0 / a_, 0, 0, 1.0 / d_, -tx_ / a_, -ty_ / d_};
    const double ia = d_ / det;
    const double ib = -b_ / det;
    const double ic = -c_ / det;
    const double id = a_ / det;
    return {ia, ib, ic, id, -(ia * tx_ + ic * ty_), -(ib * tx_ + id * ty_)};
}

Transform Transform::operator*(const Transform& t) const {
    // Column form: apply *this (M1) first, then t (M2): result = M2 * M1.
    return {t.a_ * a_ + t.c_ * b_,           t.b_ * a_ + t.d_ * b_,
            t.a_ * c_ + t.c_ * d_,           t.b_ * c_ + t.d_ * d_,
            t.a_ * tx_ + t.c_ * ty_ + t.tx_, t.b_ * tx_ + t.d_ * ty_ + t.ty_};
}

}  // namespace PARR
