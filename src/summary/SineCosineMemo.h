#pragma once
// The sine and cosine of an angle in radians, remembered. Extended-precision trigonometry is the
// largest part of a summary's and a compliance table's time, and the same few angles (a file's
// vertical and horizontal angles, the zones' bounds) come back in every plane and every zone. The
// values are std::sin and std::cos of the very argument, so a remembered pair has the same bits
// as a fresh one. Each thread keeps its own fixed-size table (the catalogue summarises files on
// every core); an angle that collides with another is computed again.

namespace lumetra::summary {

struct SineAndCosine {
    long double sin = 0;
    long double cos = 0;
};

SineAndCosine SineCosineOf(long double radians);

} // namespace lumetra::summary
