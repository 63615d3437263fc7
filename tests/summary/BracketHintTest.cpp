// A look-up that starts from a hint finds exactly the bracket of a plain look-up, wherever the
// previous one ended, on axes with repeated angles too.

#include "summary/IntensityGrid.h"

#include <gtest/gtest.h>
#include <random>

namespace lumetra::summary {
namespace {

void ExpectSame(const Bracket& a, const Bracket& b) {
    EXPECT_EQ(a.Inside, b.Inside);
    EXPECT_EQ(a.Lower, b.Lower);
    EXPECT_EQ(a.Upper, b.Upper);
    EXPECT_EQ(a.Fraction, b.Fraction);
}

TEST(BracketHint, HintedLookUpsEqualPlainOnes) {
    const tArrEx axes[] = {{0, 5, 5, 10, 20, 20, 20, 45, 90},
                           {10, 40, 40, 100, 170, 250, 300},
                           {0},
                           {0, 0.5L, 1, 1.5L, 2, 2.5L, 3, 3.5L, 4, 4.5L, 5, 5.5L, 6, 80}};
    std::mt19937 random(3);
    std::uniform_real_distribution<double> jump(-30, 30);
    for (const tArrEx& angles : axes) {
        AxisHint on, around;
        long double x = angles.front();
        for (int k = 0; k < 2000; ++k) {
            // Mostly small steps, sometimes exactly on a stored angle, now and then far away.
            x = k % 7 == 0 ? angles[static_cast<std::size_t>(k) % angles.size()]
                           : x + jump(random) / (k % 5 == 0 ? 1 : 20);
            ExpectSame(BracketOn(angles, x, &on), BracketOn(angles, x));
            ExpectSame(BracketAround(angles, x, &around), BracketAround(angles, x));
        }
    }
}

} // namespace
} // namespace lumetra::summary
