#include "sim/PolynomialFit.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>

namespace VTSIM {

namespace {

// Coefficients below this share of the largest are what rounding leaves of a zero. The first
// pass only estimates the scale, so it keeps smaller coefficients than the final one.
constexpr double kScaleNoise = 1e-14;
constexpr double kNoise = 1e-11;
// Rounding noise of a coefficient, per term and relative to the largest scaled term, before
// the conversion from the Chebyshev basis amplifies it (by about (1 + sqrt 2)^degree).
constexpr double kRoundingNoise = 2 * std::numeric_limits<double>::epsilon();
constexpr double kCheckTolerance = 1e-9;
constexpr int kMaxDegree = 30;

// Ascending monomial coefficients of q(x) = f(scale * x), interpolated at n + 1 Chebyshev
// nodes in [-1, 1]; coefficients below `noise` of the largest are set to zero. nullopt when a
// value is not finite.
std::optional<Vector> interpolate(const std::function<double(double)>& f, int n, double scale,
                                  double noise) {
    const int count = n + 1;
    Vector values(count);
    for (int j = 0; j < count; ++j) {
        values[j] = f(scale * std::cos(std::numbers::pi * (j + 0.5) / count));
        if (!std::isfinite(values[j]))
            return std::nullopt;
    }
    // Chebyshev coefficients by the discrete cosine transform of the node values.
    Vector chebyshev(count, 0.0);
    for (int k = 0; k < count; ++k) {
        double sum = 0;
        for (int j = 0; j < count; ++j)
            sum += values[j] * std::cos(std::numbers::pi * k * (j + 0.5) / count);
        chebyshev[k] = sum * (k == 0 ? 1.0 : 2.0) / count;
    }
    // Truncate in the Chebyshev basis first: converting noise in high-order terms to
    // monomials would amplify it by the large coefficients of T_k.
    const double largest =
        std::abs(*std::max_element(chebyshev.begin(), chebyshev.end(),
                                   [](double a, double b) { return std::abs(a) < std::abs(b); }));
    int degree = n;
    while (degree > 0 && std::abs(chebyshev[degree]) <= noise * largest)
        --degree;
    // T_{k+1} = 2x T_k - T_{k-1}, with integer coefficients that doubles hold exactly.
    Vector monomial(degree + 1, 0.0);
    Vector previous(degree + 1, 0.0), current(degree + 1, 0.0);
    previous[0] = 1;
    if (degree >= 1)
        current[1] = 1;
    for (int k = 0; k <= degree; ++k) {
        const Vector& t = k == 0 ? previous : current;
        for (int i = 0; i <= k; ++i)
            monomial[i] += chebyshev[k] * t[i];
        if (k >= 1 && k < degree) {
            Vector next(degree + 1, 0.0);
            for (int i = 0; i < degree; ++i)
                next[i + 1] = 2 * current[i];
            for (int i = 0; i <= degree; ++i)
                next[i] -= previous[i];
            previous = std::move(current);
            current = std::move(next);
        }
    }
    double top = 0;
    for (double c : monomial)
        top = std::max(top, std::abs(c));
    for (double& c : monomial)
        if (std::abs(c) <= noise * top)
            c = 0;
    return monomial;
}

// The power of two near the geometric mean of the magnitudes of the polynomial's nonzero roots
// (|c_k0 / c_d|^(1/(d-k0)), k0 the lowest nonzero term): at that scale the coefficients are
// as balanced as one scale makes them, so none drowns in the others' rounding.
int balancingExponent(const Vector& ascending) {
    int degree = static_cast<int>(ascending.size()) - 1;
    while (degree > 0 && ascending[degree] == 0)
        --degree;
    int lowest = 0;
    while (lowest < degree && ascending[lowest] == 0)
        ++lowest;
    if (lowest >= degree)
        return 0;
    const double scale =
        std::pow(std::abs(ascending[lowest] / ascending[degree]), 1.0 / (degree - lowest));
    return std::clamp(static_cast<int>(std::lround(std::log2(scale))), -60, 60);
}

// `c` rounded to as many significant digits as its rounding noise leaves (at most 12), when
// that moves it by no more than the noise. An exact integer divided (or multiplied) by an exact
// power of ten rounds correctly, so the result is the double nearest to the decimal.
double snapped(double c, double noise) {
    static constexpr std::array<double, 23> kPowersOfTen = {
        1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
        1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (c == 0 || noise <= 0)
        return c;
    const int digits = std::min(12, static_cast<int>(std::floor(std::log10(std::abs(c) / noise))));
    if (digits < 1)
        return c;
    const int shift = digits - 1 - static_cast<int>(std::floor(std::log10(std::abs(c))));
    if (std::abs(shift) >= static_cast<int>(kPowersOfTen.size()))
        return c;
    const double power = kPowersOfTen[std::abs(shift)];
    const double rounded =
        shift >= 0 ? std::nearbyint(c * power) / power : std::nearbyint(c / power) * power;
    return std::abs(rounded - c) <= noise ? rounded : c;
}

// Ascending coefficients of f(x), from an interpolation of f(2^exponent x).
std::optional<Vector> fitAtScale(const std::function<double(double)>& f, int n, int exponent) {
    std::optional<Vector> scaled = interpolate(f, n, std::ldexp(1.0, exponent), kNoise);
    if (!scaled)
        return std::nullopt;
    double top = 0;
    for (double c : *scaled)
        top = std::max(top, std::abs(c));
    const int degree = static_cast<int>(scaled->size()) - 1;
    const double noise =
        kRoundingNoise * (degree + 1) * std::pow(1 + std::numbers::sqrt2, degree) * top;
    Vector out(scaled->size());
    for (int k = 0; k <= degree; ++k) {
        // Scaling back is exact; so is the noise's share of each coefficient.
        const int down = -exponent * k;
        out[k] = snapped(std::ldexp((*scaled)[k], down), std::ldexp(noise, down));
    }
    return out;
}

// Whether `ascending` matches f at points off the nodes, at the fit's own scale and at 1.
bool matches(const std::function<double(double)>& f, const Vector& ascending, int exponent) {
    const double scale = std::ldexp(1.0, exponent);
    for (double x : {0.3819660112501051, -1.2360679774997898, 0.3819660112501051 * scale,
                     -1.2360679774997898 * scale}) {
        double value = 0, magnitude = 0;
        for (std::size_t k = ascending.size(); k-- > 0;) {
            value = value * x + ascending[k];
            magnitude = magnitude * std::abs(x) + std::abs(ascending[k]);
        }
        const double expected = f(x);
        if (!std::isfinite(expected) ||
            std::abs(expected - value) > kCheckTolerance * std::max(magnitude, std::abs(expected)))
            return false;
    }
    return true;
}

}  // namespace

std::optional<Vector> PolynomialFit::fit(const std::function<double(double)>& f, int degreeBound) {
    const int n = std::clamp(degreeBound, 0, kMaxDegree);
    const std::optional<Vector> estimate = interpolate(f, n, 1.0, kScaleNoise);
    if (!estimate)
        return std::nullopt;
    // A scale guessed from noise could hide real terms; the fit at scale 1 stays the fallback.
    std::optional<Vector> ascending;
    const int exponent = balancingExponent(*estimate);
    for (int candidate : {exponent, 0}) {
        ascending = fitAtScale(f, n, candidate);
        if (ascending && matches(f, *ascending, candidate))
            break;
        ascending.reset();
        if (candidate == 0)
            break;
    }
    if (!ascending)
        return std::nullopt;
    while (ascending->size() > 1 && ascending->back() == 0)
        ascending->pop_back();
    return Vector(ascending->rbegin(), ascending->rend());
}

}  // namespace VTSIM
