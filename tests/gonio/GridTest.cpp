#include "RecordingSurface.h"
#include "gonio/Goniogram.h"

#include <gtest/gtest.h>

namespace lumetra {
namespace {

using test::Op;
using test::RecordingSurface;

constexpr Color kGrey = Rgb(128, 128, 128);

TEST(ShowGrid, DrawsBackgroundCircleAxesAndSpokesInOrder) {
    RecordingSurface canvas;
    ShowGrid(canvas, 196, 196);

    ASSERT_EQ(canvas.calls.size(), 2u + 4u + 2u * 37u);
    const auto& background = canvas.calls[0];
    EXPECT_EQ(background.op, Op::Rectangle);
    EXPECT_EQ(std::tie(background.x1, background.y1, background.x2, background.y2),
              std::make_tuple(0, 0, 196, 196));
    EXPECT_EQ(background.brush.color, kClBtnFace);
    EXPECT_EQ(background.pen.color, kGrey);

    const auto& circle = canvas.calls[1];
    EXPECT_EQ(circle.op, Op::Ellipse);
    EXPECT_EQ(std::tie(circle.x1, circle.y1, circle.x2, circle.y2),
              std::make_tuple(88, 88, 108, 108)); // r0 = rnd(9.8) = 10

    const auto lines = canvas.Polylines();
    ASSERT_EQ(lines.size(), 2u + 37u);
    EXPECT_EQ(std::tie(lines[0][0].x1, lines[0][0].y1, lines[0][1].x1, lines[0][1].y1),
              std::make_tuple(0, 98, 196, 98));
    EXPECT_EQ(std::tie(lines[1][0].x1, lines[1][0].y1, lines[1][1].x1, lines[1][1].y1),
              std::make_tuple(98, 0, 98, 196));
    for (const auto& call : canvas.calls)
        EXPECT_EQ(call.pen.color, kGrey) << call;
}

TEST(ShowGrid, SpokesRunFromInnerCircleToInscribedEllipse) {
    RecordingSurface canvas;
    ShowGrid(canvas, 196, 196);
    const auto lines = canvas.Polylines();
    auto spoke = [&](int degrees) {
        const auto& line = lines[2 + static_cast<std::size_t>(degrees / 10)];
        return std::make_tuple(line[0].x1, line[0].y1, line[1].x1, line[1].y1);
    };
    EXPECT_EQ(spoke(0), std::make_tuple(108, 98, 196, 98));
    EXPECT_EQ(spoke(90), std::make_tuple(98, 108, 98, 196)); // y grows downward
    EXPECT_EQ(spoke(180), std::make_tuple(88, 98, 0, 98));
    EXPECT_EQ(spoke(270), std::make_tuple(98, 88, 98, 0));
    // 40 degrees: cos 0.766, sin 0.643 of radii 10 and 98.
    EXPECT_EQ(spoke(40), std::make_tuple(106, 104, 173, 161));
    EXPECT_EQ(spoke(360), spoke(0)); // drawn twice
}

TEST(ShowGrid, InnerRadiusRoundsHalvesToEven) {
    for (const auto& [size, radius] : {std::pair{50, 2}, std::pair{70, 4}, std::pair{196, 10}}) {
        RecordingSurface canvas;
        ShowGrid(canvas, size, size);
        const auto circle = canvas.Of(Op::Ellipse).at(0);
        EXPECT_EQ(circle.x2 - circle.x1, 2 * radius) << size;
        EXPECT_EQ(circle.x1, size / 2 - radius) << size;
    }
}

TEST(ShowGrid, OddSizeDrawsAxesToTwiceTheTruncatedCentre) {
    RecordingSurface canvas;
    ShowGrid(canvas, 197, 197);
    const auto lines = canvas.Polylines();
    EXPECT_EQ(canvas.calls[0].x2, 197);
    EXPECT_EQ(lines[0][1].x1, 196);
    EXPECT_EQ(lines[1][1].y1, 196);
    EXPECT_EQ(lines[0][0].y1, 98);
}

TEST(ShowGrid, NonSquareAreaTakesRadiusFromLargerHalfAndEndsSpokesOnEllipse) {
    RecordingSurface canvas;
    ShowGrid(canvas, 193, 153);
    const auto circle = canvas.Of(Op::Ellipse).at(0);
    EXPECT_EQ(std::tie(circle.x1, circle.y1, circle.x2, circle.y2),
              std::make_tuple(86, 66, 106, 86)); // centre (96, 76), r0 = rnd(9.6)
    const auto lines = canvas.Polylines();
    EXPECT_EQ(lines[2][1].x1, 192);  // spoke 0
    EXPECT_EQ(lines[11][1].y1, 152); // spoke 90
}

TEST(ShowGrid, RestoresPenColourAndLeavesButtonFaceBrush) {
    RecordingSurface canvas;
    canvas.pen = Pen{Rgb(1, 2, 3), 3, PenStyle::Dash};
    canvas.brush = Brush{Rgb(9, 9, 9), BrushStyle::Clear};
    ShowGrid(canvas, 100, 100);
    EXPECT_EQ(canvas.pen, (Pen{Rgb(1, 2, 3), 3, PenStyle::Dash}));
    EXPECT_EQ(canvas.brush, (Brush{kClBtnFace, BrushStyle::Clear}));
    // Width, style and brush style in force while drawing are the caller's.
    EXPECT_EQ(canvas.calls[0].pen.width, 3);
    EXPECT_EQ(canvas.calls[0].brush.style, BrushStyle::Clear);
}

TEST(ShowGrid, TakesNoLock) {
    RecordingSurface canvas;
    ShowGrid(canvas, 100, 100);
    EXPECT_TRUE(canvas.Of(Op::Lock).empty());
}

} // namespace
} // namespace lumetra
