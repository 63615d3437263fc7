// The goniogram of the broken-file corpus at every plane, with the fit and orthogonal toggles in
// every combination: drawing never fails on a plane of the record, holds the canvas lock once
// and releases it, puts back what it changed on the canvas, keeps the curves inside the paint
// area, and draws no curve when there is no positive peak to scale them to.

#include "RecordingSurface.h"
#include "data/GlobalMax.h"
#include "data/broken/BrokenFiles.h"
#include "gonio/Goniogram.h"
#include "support/LoadOutcome.h"
#include "support/TempFolder.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>

namespace lumetra {
namespace {

using test::BrokenFile;
using test::LoadFile;
using test::LoadOutcome;
using test::Op;
using test::RecordingSurface;

constexpr int kSize = 196;
constexpr int kCurveWidth = 2;

long double GlobalPeak(const tIES& record) {
    long double peak = 0;
    FindGlobalMaxCandela(record, 0, static_cast<int>(record.Candela.size()) - 1, peak);
    return peak;
}

// One drawing as the viewer makes it: the grid, then the curves of the plane.
struct Drawing {
    RecordingSurface canvas;
    Drawing(const tIES& record, int plane, bool fit, bool ortho, int size = kSize) {
        ShowGrid(canvas, size, size);
        const Pen pen = canvas.pen;
        const Brush brush = canvas.brush;
        const Font font = canvas.font;
        GonioView view;
        view.plane = plane;
        view.fit = fit;
        view.ortho = ortho;
        view.globalMaxCandela = GlobalPeak(record);
        DrawIES(canvas, size, size, record, view);
        EXPECT_EQ(canvas.lockDepth, 0);
        EXPECT_EQ(canvas.deepestLock, 1);
        EXPECT_EQ(canvas.pen, pen);
        EXPECT_EQ(canvas.brush, brush);
        EXPECT_EQ(canvas.font, font);
    }
    // The points of the curves: lines drawn with the curve pen.
    std::vector<test::Call> CurvePoints() const {
        std::vector<test::Call> points;
        for (const auto& call : canvas.calls)
            if ((call.op == Op::MoveTo || call.op == Op::LineTo) && call.pen.width == kCurveWidth)
                points.push_back(call);
        return points;
    }
    std::string PeakCaption() const {
        for (const auto& call : canvas.Of(Op::TextOut))
            if (call.text.rfind("Maximum Intensity =", 0) == 0)
                return call.text;
        return {};
    }
};

// Files whose every value is 0 or more, so that no curve may leave the paint area.
const char* const kDrawnFiles[] = {
    "nul_bytes.ies",
    "counts_beyond_numbers.ies",
    "lone_cr_line_breaks.ies",
    "duplicate_vertical_angles.ies",
    "duplicate_vertical_angles_inner.ies",
};

TEST(BrokenFileGoniogram, CurvesOfEveryPlaneStayInsideThePaintArea) {
    for (const char* file : kDrawnFiles) {
        const LoadOutcome loaded = LoadFile(BrokenFile(file));
        ASSERT_FALSE(loaded.error.has_value()) << file << ": " << *loaded.error;
        for (int plane = 0; plane < static_cast<int>(loaded.record.Candela.size()); ++plane)
            for (const bool fit : {false, true})
                for (const bool ortho : {false, true}) {
                    SCOPED_TRACE(std::string(file) + " plane " + std::to_string(plane) +
                                 (fit ? " fit" : "") + (ortho ? " ortho" : ""));
                    const Drawing drawing(loaded.record, plane, fit, ortho);
                    const auto points = drawing.CurvePoints();
                    for (const auto& point : points) {
                        EXPECT_TRUE(point.x1 >= 10 - 1 && point.x1 <= kSize - 10 + 1) << point;
                        EXPECT_TRUE(point.y1 >= 10 - 1 && point.y1 <= kSize - 10 + 1) << point;
                    }
                    if (!fit) {
                        EXPECT_FALSE(points.empty()) << "the file's peak is positive";
                    }
                }
    }
}

TEST(BrokenFileGoniogram, NoPositivePeakDrawsTheCaptionsWithoutCurves) {
    struct Case {
        const char* file;
        const char* caption;
    };
    for (const Case& c : {Case{"all_zero_candela.ies", "Maximum Intensity =0"},
                          Case{"all_negative_candela.ies", "Maximum Intensity =-5"},
                          Case{"count_minus_one.ies", "Maximum Intensity =0"},
                          Case{"tab_separated.ies", "Maximum Intensity =0"}}) {
        const LoadOutcome loaded = LoadFile(BrokenFile(c.file));
        ASSERT_FALSE(loaded.error.has_value()) << c.file << ": " << *loaded.error;
        for (int plane = 0; plane < static_cast<int>(loaded.record.Candela.size()); ++plane) {
            SCOPED_TRACE(std::string(c.file) + " plane " + std::to_string(plane));
            const Drawing globalPeak(loaded.record, plane, false, true);
            EXPECT_TRUE(globalPeak.CurvePoints().empty());
            EXPECT_EQ(globalPeak.PeakCaption(), c.caption);
            EXPECT_EQ(globalPeak.canvas.Of(Op::Ellipse).size(), 1u)
                << "the grid's inner circle, no scale rings";
            const Drawing fitted(loaded.record, plane, true, true);
            EXPECT_TRUE(fitted.CurvePoints().empty());
        }
    }
}

TEST(BrokenFileGoniogram, FitToAPlaneOfZerosDrawsNoCurve) {
    // Only plane 0 was given; the planes end at 90, so each plane is drawn with itself.
    const LoadOutcome loaded = LoadFile(BrokenFile("counts_beyond_numbers.ies"));
    EXPECT_FALSE(Drawing(loaded.record, 0, true, false).CurvePoints().empty());
    for (int plane = 1; plane < 5; ++plane) {
        const Drawing fitted(loaded.record, plane, true, false);
        EXPECT_TRUE(fitted.CurvePoints().empty()) << "plane " << plane;
        EXPECT_EQ(fitted.PeakCaption(), "Maximum Intensity =0");
        // Scaled to the file's peak the zeros lie on the centre.
        const Drawing global(loaded.record, plane, false, false);
        for (const auto& point : global.CurvePoints()) {
            EXPECT_TRUE(point.x1 == kSize / 2 && point.y1 == kSize / 2) << point;
        }
    }
}

TEST(BrokenFileGoniogram, FailedAndEmptyLoadsDrawNothingOverTheGrid) {
    for (const char* file : {"empty.ies", "tilt_line_last.ies", "count_65535.ies", "count_1e30.ies",
                             "header_only.ies", "binary_bytes.ies"}) {
        const LoadOutcome loaded = LoadFile(BrokenFile(file));
        SCOPED_TRACE(file);
        ASSERT_TRUE(loaded.record.Candela.empty());
        RecordingSurface canvas;
        DrawIES(canvas, kSize, kSize, loaded.record, GonioView{});
        EXPECT_EQ(canvas.calls.size(), 2u) << "the lock and its release, nothing else";
    }
}

TEST(BrokenFileGoniogram, MillionValueGridDrawsOneCurvePointPerValue) {
    test::TempFolder folder;
    const LoadOutcome loaded = LoadFile(folder.Write("million.ies", test::MillionValuesFile()));
    ASSERT_FALSE(loaded.error.has_value()) << *loaded.error;
    for (const int plane : {0, 1, 500, 999}) {
        SCOPED_TRACE("plane " + std::to_string(plane));
        const Drawing drawing(loaded.record, plane, false, false, 640);
        // The main pair: a move and a line to each of the 1000 values, for both halves.
        EXPECT_EQ(drawing.CurvePoints().size(), 2u * 1001u);
    }
}

TEST(BrokenFileGoniogram, EmptyPaintAreaIsSafe) {
    const LoadOutcome loaded = LoadFile(BrokenFile("counts_beyond_numbers.ies"));
    for (const bool fit : {false, true}) {
        const Drawing drawing(loaded.record, 0, fit, true, 0);
        for (const auto& point : drawing.CurvePoints()) {
            EXPECT_TRUE(std::abs(point.x1) <= 10 && std::abs(point.y1) <= 10) << point;
        }
    }
}

} // namespace
} // namespace lumetra
