// What the goniogram's image holds after a sequence of drawings, so a paint event draws only
// when the picture it would draw is not there already.

#include "viewer/DrawnGoniogram.h"

#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace lumetra::test {
namespace {

GoniogramScene Scene(std::uint64_t image, std::uint64_t load, int plane = 0) {
    GonioView view;
    view.plane = plane;
    return {image, load, view};
}

TEST(DrawnGoniogram, APaintDrawsUnlessTheImageHoldsItsPictureAlready) {
    using Step = std::function<void(DrawnGoniogram&)>;
    const Step grid = [](DrawnGoniogram& d) { d.GridDrawn(1); };
    const Step curves = [](DrawnGoniogram& d) { d.CurvesDrawn(Scene(1, 7)); };
    struct Row {
        const char* what;
        std::vector<Step> drawn;
        GoniogramScene asked; // what the paint would draw
        bool curves;          // with curves (a file is loaded)
        bool holds;
    };
    const Row rows[] = {
        {"nothing drawn yet", {}, Scene(1, 7), false, false},
        {"the bare grid, asked for the bare grid", {grid}, Scene(1, 7), false, true},
        {"the bare grid, asked for curves", {grid}, Scene(1, 7), true, false},
        {"grid and curves, asked for the same", {grid, curves}, Scene(1, 7), true, true},
        {"grid and curves, asked for the bare grid", {grid, curves}, Scene(1, 7), false, false},
        {"a new image since", {grid, curves}, Scene(2, 7), true, false},
        {"another load since", {grid, curves}, Scene(1, 8), true, false},
        {"another plane since", {grid, curves}, Scene(1, 7, 3), true, false},
        {"curves without a grid under them", {curves}, Scene(1, 7), true, false},
        {"curves over curves", {grid, curves, curves}, Scene(1, 7), true, false},
        {"curves over another image's grid",
         {grid, [](DrawnGoniogram& d) { d.CurvesDrawn(Scene(2, 7)); }},
         Scene(2, 7),
         true,
         false},
        {"forgotten",
         {grid, curves, [](DrawnGoniogram& d) { d.Forget(); }},
         Scene(1, 7),
         true,
         false},
        {"drawn again after being forgotten",
         {grid, [](DrawnGoniogram& d) { d.Forget(); }, grid, curves},
         Scene(1, 7),
         true,
         true},
    };
    for (const Row& row : rows) {
        DrawnGoniogram drawn;
        for (const Step& step : row.drawn)
            step(drawn);
        EXPECT_EQ(drawn.Holds(row.asked, row.curves), row.holds) << row.what;
    }
}

} // namespace
} // namespace lumetra::test
