#pragma once
// The light pattern computed the plain way, step by step as the algorithm is written: the
// per-pass values first, then for every one of the 301 x 301 samples an arc tangent, a linear
// search from index 0, the interpolation and the shade, all in extended precision with every
// floating-point fault checked where it can arise. It shares no code with src/render beyond the
// grid and settings types, so the tests can hold the renderer to it, and the benchmark measures
// the renderer's speed against it.

#include "data/Errors.h"
#include "render/LightPattern.h"

#include <cmath>
#include <cstdint>
#include <functional>

namespace lumetra::reference {

// The x87 unit's verdict on one operation: a NaN is invalid, an infinity from finite operands an
// overflow; a division tests its divisor first.
inline long double Checked(long double result, long double left, long double right) {
    if (std::isnan(result))
        throw FloatingPointError(kInvalidOperationText);
    if (std::isinf(result) && std::isfinite(left) && std::isfinite(right))
        throw FloatingPointError(kOverflowText);
    return result;
}
inline long double Add(long double l, long double r) {
    return Checked(l + r, l, r);
}
inline long double Sub(long double l, long double r) {
    return Checked(l - r, l, r);
}
inline long double Mul(long double l, long double r) {
    return Checked(l * r, l, r);
}
inline long double Div(long double l, long double r) {
    if (std::isnan(l) || std::isnan(r) || (r == 0 && l == 0))
        throw FloatingPointError(kInvalidOperationText);
    if (r == 0 && std::isfinite(l))
        throw FloatingPointError(kDivisionByZeroText);
    return Checked(l / r, l, r);
}
inline long double Sqrt(long double v) {
    if (std::isnan(v) || v < 0)
        throw FloatingPointError(kInvalidOperationText);
    return std::sqrt(v);
}

struct Pass {
    const tIES& record;
    int P;
    int Q;
    long double Imax;
    long double L;
    long double U;
    long double B;
    long double Z;
    int R;
};

// In a half set: the plane at the mirrored angle H[0] + H[m] - H[P], the mirrored index m - P
// when that plane holds it or no plane does.
inline int MirroredHalfPlane(const tArrEx& H, int P) {
    const int m = static_cast<int>(H.size()) - 1;
    const long double mirrored = H[0] + H[m] - H[P];
    if (H[m - P] == mirrored)
        return m - P;
    for (int i = 0; i <= m; ++i)
        if (H[i] == mirrored)
            return i;
    return m - P;
}

inline int OppositePlane(const tArrEx& H, int P) {
    const int m = static_cast<int>(H.size()) - 1;
    int Q = 0;
    while (Q < m) {
        if (H[P] == H[Q] - 180)
            break;
        if (H[P] == H[Q] + 180)
            break;
        Q = Q + 1;
    }
    if (m > 0) {
        if (H[m] == 90)
            Q = P;
        if (H[m] == 180)
            Q = MirroredHalfPlane(H, P);
    }
    return Q;
}

inline long double Intensity(const Pass& p, int h, long double x) {
    const tArrEx& V = p.record.VerticalAngles;
    const tArrEx& C = p.record.Candela[h];
    const bool inside = (p.L <= x && x <= p.U) || (p.L == 90 && -p.U <= x && x <= -p.L);
    if (!inside)
        return 0;
    const std::size_t n = V.size() - 1;
    if (n == 0)
        return C[0];
    const long double g = std::fabs(x);
    std::size_t i = 0;
    while (V[i] < g && i < n)
        i = i + 1;
    if (i == 0)
        i = 1;
    const long double quotient = Div(Sub(C[i], C[i - 1]), Sub(V[i], V[i - 1]));
    return Add(Mul(Sub(g, V[i - 1]), quotient), C[i - 1]);
}

inline std::uint8_t Shade(const Pass& p, int a, int b) {
    const long double t = std::atan2(static_cast<long double>(a), static_cast<long double>(b));
    const long double x = t * 57.295779513082320876798L - 1.5707963267948966192313L + 1.5L;
    const long double I = Intensity(p, a < 0 ? p.Q : p.P, x);
    const long double d = Div(static_cast<long double>(a * a + b * b), p.Z);
    long double v = Div(255.0L, static_cast<long double>(p.R) + 1);
    v = Mul(v, p.B);
    v = Mul(v, Add(Div(I, p.Imax), static_cast<long double>(p.R)));
    v = Div(v, Sqrt(Add(d, p.B)));
    v = std::fabs(v);
    if (v <= 255)
        return static_cast<std::uint8_t>(std::nearbyint(v));
    return 255;
}

// The record must hold at least one vertical angle and the settings' plane, and every plane
// a value for every vertical angle.
inline void Render(const tIES& record, const RenderSettings& settings,
                   const std::function<void(int)>& progress, LightPatternGrid& grid) {
    const tArrEx& V = record.VerticalAngles;
    const int P = settings.plane;
    const int Q = OppositePlane(record.HorizontalAngles, P);
    long double Imax = 0;
    for (const long double c : record.Candela[P])
        if (c > Imax)
            Imax = c;
    for (const long double c : record.Candela[Q])
        if (c > Imax)
            Imax = c;
    const long double U = V.back();
    const long double L = V.front() == 90 ? V.front() : -U;
    const Pass pass{
        record, P, Q, Imax, L, U, settings.brightness, settings.zoom, settings.radiosity};
    for (int row = 0; row <= 300; ++row) {
        if (row % 20 == 0 && progress)
            progress(row);
        for (int i = 0; i <= 300; ++i)
            grid.at(i, 300 - row) = Shade(pass, i - 150, 150 - row);
    }
}

} // namespace lumetra::reference
