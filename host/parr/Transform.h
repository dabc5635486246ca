#pragma once

#include <cstddef>

#include "parr/GLPoint.h"
#include "parr/GLRect.h"

namespace PARR {

// A 2-D affine transform with coefficients (a b c d tx ty). It maps a point p = (x, y) to
//
//     map(p) = (a * x + c * y + tx,  b * x + d * y + ty)
//
// so (a, b) is the image of the unit x vector, (c, d) that of the unit y vector and (tx, ty)
// that of the origin. The default transform is the identity (1 0 0 1 0 0).
//
// Order of operations: everything composes left to right, in the order it is written.
//  - S * T applies S first, then T: (S * T).map(p) == T.map(S.map(p)).
//  - translate, rotate and scale append their operation: it applies AFTER what the transform
//    already does, in the same frame as the transform's output. So
//        Transform().scale(2, 2).translate(10, 0)   maps p to 2 * p + (10, 0), and
//        t.translate(dx, dy) is the same as t = t * Transform::fromTranslate(dx, dy).
//
// Angles are in degrees. With y growing downwards (the canvas frame) a positive angle turns
// clockwise on screen: rotate(90) maps (1, 0) to (0, 1). Rotations by a whole multiple of 90
// degrees use exact 0 and +-1 coefficients, so axis-parallel geometry stays exact.
//
// A plain value; equality compares the six coefficients exactly.
class Transform {
public:
    Transform() = default;
    Transform(double a, double b, double c, double d, double tx, double ty)
        : a_(a), b_(b), c_(c), d_(d), tx_(tx), ty_(ty) {}

    static Transform fromTranslate(double dx, double dy) { return {1, 0, 0, 1, dx, dy}; }
    static Transform fromScale(double sx, double sy) { return {sx, 0, 0, sy, 0, 0}; }
    static Transform fromRotate(double degrees);

    double a() const { return a_; }
    double b() const { return b_; }
    double c() const { return c_; }
    double d() const { return d_; }
    double tx() const { return tx_; }
    double ty() const { return ty_; }

    // Each appends its operation (see above) and returns *this for chaining.
    Transform& translate(double dx, double dy);
    Transform& scale(double sx, double sy);
    Transform& rotate(double degrees);
    // Rotation about `center` (in the transform's output frame): `center` maps to itself
    // under the appended rotation.
    Transform& rotate(double degrees, const GLPoint<double>& center);

    GLPoint<double> map(const GLPoint<double>& p) const {
        return {a_ * p.x + c_ * p.y + tx_, b_ * p.x + d_ * p.y + ty_};
    }
    // The smallest axis-aligned rectangle holding the four mapped corners of `r`.
    GLRect<double> mapRect(const GLRect<double>& r) const;

    double determinant() const { return a_ * d_ - b_ * c_; }
    bool isInvertible() const { return determinant() != 0.0; }
    // The transform that undoes this one: inverted().map(map(p)) == p (up to rounding).
    // A singular transform (determinant 0) has no inverse: the identity is returned and
    // *invertible, when given, is set to false.
    Transform inverted(bool* invertible = nullptr) const;

    bool isIdentity() const { return *this == Transform(); }

    // `first * second`: apply `first`, then `second`.
    Transform operator*(const Transform& second) const;
    Transform& operator*=(const Transform& second) { return *this = *this * second; }

    bool operator==(const Transform&) const = default;

private:
    double a_ = 1.0;
    double b_ = 0.0;
    double c_ = 0.0;
    double d_ = 1.0;
    double tx_ = 0.0;
    double ty_ = 0.0;
};

}  // namespace PARR
