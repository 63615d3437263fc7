// Render passes of the broken-file corpus at every plane, with and without radiosity: each pass
// either completes, with exactly the grey levels of the reference pass, or ends in the error the
// record calls for (a floating-point fault, or a record that holds nothing to render).

#include "ReferenceRender.h"
#include "data/Errors.h"
#include "data/broken/BrokenFiles.h"
#include "render/LightPattern.h"
#include "support/LoadOutcome.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace lumetra {
namespace {

using test::BrokenFile;
using test::LoadFile;
using test::LoadOutcome;

struct Outcome {
    std::optional<std::string> error; // the error's text, or none when the pass completed
    bool floatingPoint = false;       // the error was a FloatingPointError
    std::vector<int> rows;            // the progress reports
    LightPatternGrid grid;
};

Outcome Render(const tIES& record, int plane, int radiosity) {
    RenderSettings settings;
    settings.plane = plane;
    settings.radiosity = radiosity;
    Outcome outcome;
    try {
        RenderLightPattern(
            record, settings, [&outcome](int row) { outcome.rows.push_back(row); }, outcome.grid);
    } catch (const FloatingPointError& error) {
        outcome.error = error.what();
        outcome.floatingPoint = true;
    } catch (const LumetraError& error) {
        outcome.error = error.what();
    }
    return outcome;
}

// The reference pass of the same plane and settings: its grid, or its fault's text.
Outcome RenderByReference(const tIES& record, int plane, int radiosity) {
    RenderSettings settings;
    settings.plane = plane;
    settings.radiosity = radiosity;
    Outcome outcome;
    try {
        reference::Render(record, settings, nullptr, outcome.grid);
    } catch (const FloatingPointError& error) {
        outcome.error = error.what();
        outcome.floatingPoint = true;
    }
    return outcome;
}

// What every pass of one file must end in: nullptr when it completes.
struct Expected {
    const char* file;
    const char* error;
    bool floatingPoint;
};

void PrintTo(const Expected& e, std::ostream* out) {
    *out << e.file;
}

const char* const kNothingToRender =
    "The photometric data holds no vertical angle or no horizontal plane";

const Expected kEveryPlane[] = {
    // The first two vertical angles are equal, and every sample below 5 degrees falls between
    // them: the interpolation divides a candela difference by 0.
    {"duplicate_vertical_angles.ies", kDivisionByZeroText, true},
    // The search stops at the first of two equal angles in the middle, which never bracket.
    {"duplicate_vertical_angles_inner.ies", nullptr, false},
    // No positive value: the pair's peak is 0, and the first sample divides 0 by it...
    {"all_zero_candela.ies", kInvalidOperationText, true},
    // ...or a negative intensity.
    {"all_negative_candela.ies", kDivisionByZeroText, true},
    // The vertical angles end at 0, so every sample lies outside the window and reads 0 over a
    // peak of 0.
    {"count_minus_one.ies", kInvalidOperationText, true},
    {"tab_separated.ies", kInvalidOperationText, true},
    {"lone_cr_line_breaks.ies", nullptr, false},
    // Loads that leave no plane.
    {"header_only.ies", kNothingToRender, false},
    {"binary_bytes.ies", kNothingToRender, false},
};

class BrokenFileRender : public ::testing::TestWithParam<Expected> {};

TEST_P(BrokenFileRender, EveryPlaneEndsAsExpected) {
    const Expected& expected = GetParam();
    const LoadOutcome loaded = LoadFile(BrokenFile(expected.file));
    ASSERT_FALSE(loaded.error.has_value()) << *loaded.error;
    const int planes = std::max<int>(1, static_cast<int>(loaded.record.Candela.size()));
    for (int plane = 0; plane < planes; ++plane) {
        for (const int radiosity : {0, 1}) {
            SCOPED_TRACE("plane " + std::to_string(plane) + ", radiosity " +
                         std::to_string(radiosity));
            const Outcome outcome = Render(loaded.record, plane, radiosity);
            if (expected.error == nullptr) {
                EXPECT_FALSE(outcome.error.has_value()) << *outcome.error;
                EXPECT_EQ(outcome.rows.size(), 16u);
            } else {
                EXPECT_EQ(outcome.error, std::optional<std::string>(expected.error));
                EXPECT_EQ(outcome.floatingPoint, expected.floatingPoint);
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BrokenFiles, BrokenFileRender, ::testing::ValuesIn(kEveryPlane),
                         [](const auto& test) {
                             const std::string name = test.param.file;
                             return name.substr(0, name.find('.'));
                         });

// Files whose planes differ: some render, some have no positive value in their pair.
TEST(BrokenFileRenders, MatchTheReferencePassPlaneByPlane) {
    for (const char* file :
         {"nul_bytes.ies", "counts_beyond_numbers.ies", "duplicate_vertical_angles.ies",
          "duplicate_vertical_angles_inner.ies", "lone_cr_line_breaks.ies"}) {
        const LoadOutcome loaded = LoadFile(BrokenFile(file));
        ASSERT_FALSE(loaded.error.has_value()) << file << ": " << *loaded.error;
        for (int plane = 0; plane < static_cast<int>(loaded.record.Candela.size()); ++plane) {
            for (const int radiosity : {0, 1}) {
                SCOPED_TRACE(std::string(file) + " plane " + std::to_string(plane) +
                             ", radiosity " + std::to_string(radiosity));
                const Outcome outcome = Render(loaded.record, plane, radiosity);
                const Outcome reference = RenderByReference(loaded.record, plane, radiosity);
                EXPECT_EQ(outcome.error, reference.error);
                if (!reference.error) {
                    EXPECT_EQ(outcome.grid.grey, reference.grid.grey);
                }
            }
        }
    }
}

TEST(BrokenFileRenders, PlaneWithoutValuesNextToALitOneFaultsAlone) {
    // 37 x 5 declared, only plane 0 given: plane 0 mirrors itself (the planes end at 90) and
    // renders; the empty planes have a peak of 0.
    const LoadOutcome loaded = LoadFile(BrokenFile("counts_beyond_numbers.ies"));
    EXPECT_FALSE(Render(loaded.record, 0, 0).error.has_value());
    for (int plane = 1; plane < 5; ++plane) {
        EXPECT_EQ(Render(loaded.record, plane, 0).error,
                  std::optional<std::string>(kInvalidOperationText));
    }
}

TEST(BrokenFileRenders, FaultComesAfterTheProgressOfItsRow) {
    // The duplicate bracket is met in the bottom row, the first one computed.
    const LoadOutcome loaded = LoadFile(BrokenFile("duplicate_vertical_angles.ies"));
    const Outcome outcome = Render(loaded.record, 0, 0);
    EXPECT_EQ(outcome.rows, std::vector<int>{0});
}

TEST(BrokenFileRenders, MillionValueGridRendersItsFirstAndLastPlanes) {
    test::TempFolder folder;
    const LoadOutcome loaded = LoadFile(folder.Write("million.ies", test::MillionValuesFile()));
    ASSERT_FALSE(loaded.error.has_value()) << *loaded.error;
    const Outcome first = Render(loaded.record, 0, 0);
    ASSERT_FALSE(first.error.has_value()) << *first.error;
    EXPECT_EQ(first.grid.grey, RenderByReference(loaded.record, 0, 0).grid.grey);
    const Outcome last = Render(loaded.record, 999, 1);
    EXPECT_FALSE(last.error.has_value()) << *last.error;
    EXPECT_EQ(last.rows.size(), 16u);
}

} // namespace
} // namespace lumetra
