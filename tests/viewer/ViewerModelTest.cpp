// The viewer model's rules, on data of the test's own: no windows.

#include "viewer/ViewerModel.h"

#include "data/Errors.h"
#include "support/Samples.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace lumetra::test {
namespace {

const char* const kOnePlane = "lm1986_spotlight_axial.ies";             // 19 x 1
const char* const kFivePlanes = "lm1986_fluorescent_quadrant_crlf.ies"; // 37 x 5

class ViewerModelTest : public ::testing::Test {
  protected:
    // Selects and loads a sample, then moves the selector to the position.
    void Load(const char* name, int position = 0) {
        model.BeginSelection(SamplePath(name));
        ASSERT_TRUE(model.LoadSelection(nullptr)) << name;
        model.MovePlane(position);
    }

    // A render pass of that plane of that file, as the last one.
    void RenderedLast(const char* file, int plane) {
        model.BeginSelection(file);
        model.MovePlane(plane);
        model.StartRender();
    }

    ProgramData data;
    ViewerModel model{data};
};

TEST_F(ViewerModelTest, RenderButtonIsDisabledOnlyWhileAutomaticUpdateAndRenderWindowShow) {
    struct Row {
        bool automatic, shown, enabled;
    };
    for (const Row row : {Row{false, false, true}, Row{true, false, true}, Row{false, true, true},
                          Row{true, true, false}}) {
        model.SetAutoUpdate(row.automatic);
        model.SetRenderWindowVisible(row.shown);
        EXPECT_EQ(model.RenderButtonEnabled(), row.enabled)
            << "automatic " << row.automatic << ", shown " << row.shown;
    }
}

TEST_F(ViewerModelTest, RenderDecisionComparesPlaneAndFileWithTheLastRender) {
    struct Row {
        const char* selected;
        bool shown;
        int position, lastPlane;
        const char* lastFile;
        RenderAction action;
    };
    const Row rows[] = {
        {"", true, 0, 0, "", RenderAction::AskForFile},
        {"a.ies", false, 0, 0, "a.ies", RenderAction::ShowWindow},
        {"a.ies", true, 2, 2, "a.ies", RenderAction::BringToFront},
        {"a.ies", true, 2, 2, "A.ies", RenderAction::Render}, // letter case counts
        {"a.ies", true, 1, 2, "a.ies", RenderAction::Render},
        {"b.ies", true, 0, 0, "a.ies", RenderAction::Render},
    };
    for (const Row& row : rows) {
        RenderedLast(row.lastFile, row.lastPlane);
        model.BeginSelection(row.selected);
        model.MovePlane(row.position);
        model.SetRenderWindowVisible(row.shown);
        EXPECT_EQ(model.RenderRequest(), row.action) << row.selected << " at " << row.position;
    }
}

TEST_F(ViewerModelTest, SelectorReleaseRendersOnlyANewPlaneWithAutomaticUpdateAndWindowShown) {
    struct Row {
        bool shown, automatic;
        int position, lastPlane;
        bool renders;
    };
    for (const Row row : {Row{true, true, 3, 0, true}, Row{true, true, 3, 3, false},
                          Row{false, true, 3, 0, false}, Row{true, false, 3, 0, false}}) {
        Load(kFivePlanes, row.lastPlane);
        model.StartRender();
        model.MovePlane(row.position);
        model.SetRenderWindowVisible(row.shown);
        model.SetAutoUpdate(row.automatic);
        EXPECT_EQ(model.ReleaseRenders(), row.renders) << row.position << " " << row.lastPlane;
    }
}

TEST_F(ViewerModelTest, WheelStepsOnePlaneWithShiftAloneWithinTheRange) {
    struct Row {
        int shiftState, position, step;
        std::optional<int> next;
    };
    const Row rows[] = {
        {kShiftKey, 3, +1, 4},
        {kShiftKey, 4, +1, std::nullopt},
        {kShiftKey, 1, -1, 0},
        {kShiftKey, 0, -1, std::nullopt},
        {0, 2, +1, std::nullopt},
        {kCtrlKey, 2, +1, std::nullopt},
        {kShiftKey | kLeftButton, 2, +1, std::nullopt},
    };
    for (const Row& row : rows) {
        Load(kFivePlanes, row.position);
        EXPECT_EQ(model.WheelStep(row.shiftState, row.step), row.next)
            << "state " << row.shiftState << " at " << row.position << " step " << row.step;
    }
    EXPECT_TRUE(ViewerModel::WheelSaysClick(kMiddleButton));
    EXPECT_FALSE(ViewerModel::WheelSaysClick(kMiddleButton | kShiftKey));
}

TEST_F(ViewerModelTest, LoadSetsUpTheSelectorFromThePlaneCount) {
    struct Row {
        std::string file;
        bool found;
        PlaneSelector selector;
    };
    const Row rows[] = {
        {SamplePath(kFivePlanes), true, {0, 4, true, true}},
        {SamplePath(kOnePlane), true, {0, 0, true, false}},
        {SamplePath("no_such_file.ies"), false, {0, 0, false, false}},
        {"", false, {0, 0, false, false}},
    };
    for (const Row& row : rows) {
        model.BeginSelection(row.file);
        EXPECT_EQ(model.LoadSelection(nullptr), row.found) << row.file;
        const PlaneSelector& selector = model.Selector();
        EXPECT_EQ(selector.maximum, row.selector.maximum) << row.file;
        EXPECT_EQ(selector.enabled, row.selector.enabled) << row.file;
        EXPECT_EQ(selector.visible, row.selector.visible) << row.file;
        // A file that is not there leaves no description of the one before it.
        EXPECT_EQ(model.Description().find("Test: ") == 0, row.found) << row.file;
    }
}

TEST_F(ViewerModelTest, LoadKeepsTheGlobalPeakWhileFitIsDownAndRenderFollowsAutomaticUpdate) {
    model.SetFit(true);
    Load(kFivePlanes);
    EXPECT_EQ(model.GlobalMaxCandela(), 0) << "fit down: the peak is kept";
    model.SetFit(false);
    EXPECT_TRUE(model.FitChanged());
    EXPECT_GT(model.GlobalMaxCandela(), 0) << "fit released: the peak is found";
    EXPECT_FALSE(model.AutoRenderDue(true));
    model.SetRenderWindowVisible(true);
    EXPECT_FALSE(model.AutoRenderDue(true));
    model.SetAutoUpdate(true);
    EXPECT_TRUE(model.AutoRenderDue(true));
    EXPECT_FALSE(model.AutoRenderDue(false));
}

TEST_F(ViewerModelTest, MissingOrUnreadableFileLeavesTheSelectorDisabled) {
    Load(kFivePlanes);
    model.BeginSelection(SamplePath("gone.ies"));
    EXPECT_FALSE(model.LoadSelection(nullptr));
    EXPECT_FALSE(model.Selector().enabled);
    EXPECT_FALSE(model.Selector().visible) << "the planes of the file before are forgotten";
    model.BeginSelection(SamplesFolder()); // a folder cannot be read
    EXPECT_THROW(model.LoadSelection(nullptr), LumetraError);
    EXPECT_FALSE(model.Selector().enabled);
}

TEST_F(ViewerModelTest, PlaneMovesRedrawOnlyForANewPlaneAndOrthoOnlyAtPlaneZero) {
    EXPECT_FALSE(model.OrthoChangeRedraws()) << "nothing selected";
    Load(kFivePlanes);
    EXPECT_FALSE(model.MovePlane(0));
    EXPECT_TRUE(model.OrthoChangeRedraws());
    EXPECT_TRUE(model.MovePlane(2));
    model.PlaneDrawn(2);
    EXPECT_FALSE(model.MovePlane(2));
    EXPECT_FALSE(model.OrthoChangeRedraws()) << "plane 2";
    Load(kOnePlane);
    EXPECT_FALSE(model.OrthoChangeRedraws()) << "one plane: maximum 0";
}

TEST_F(ViewerModelTest, RenderPassRecordsPlaneAndFileAndTakesATenthOfTheBrightness) {
    Load(kFivePlanes, 2);
    model.SetBrightness(40);
    model.SetZoom(9000);
    model.SetRadiosity(true);
    EXPECT_TRUE(model.RenderPending()) << "a bar moved";
    ASSERT_TRUE(model.CanRender());
    const RenderSettings settings = model.StartRender();
    EXPECT_EQ(settings.plane, 2);
    EXPECT_EQ(settings.brightness, 4.0L);
    EXPECT_EQ(settings.zoom, 9000);
    EXPECT_EQ(settings.radiosity, 1);
    EXPECT_EQ(model.LastRenderedDegree(), 2);
    EXPECT_EQ(model.LastRenderedFile(), SamplePath(kFivePlanes));
    EXPECT_FALSE(model.RenderPending());
    model.MovePlane(5);
    EXPECT_FALSE(model.CanRender()) << "no such plane";
}

TEST(RenderBars, PositionsAreClampedAndZoomIsCaptionedFromTheTop) {
    EXPECT_EQ(ClampToBar(500, kBrightnessBar), 100);
    EXPECT_EQ(ClampToBar(0, kZoomBar), 1);
    EXPECT_EQ(ClampToBar(-5'000'000'000LL, kZoomBar), 1);
    EXPECT_EQ(ClampToBar(42, kBrightnessBar), 42);
    EXPECT_EQ(ZoomCaption(500), 9500);
    EXPECT_EQ(ZoomCaption(10000), 0);
    EXPECT_EQ(ZoomCaption(1), 9999);
}

} // namespace
} // namespace lumetra::test
