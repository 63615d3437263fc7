// The Properties window's rules, without the window.

#include "viewer/PropertiesModel.h"

#include <gtest/gtest.h>

namespace lumetra::test {
namespace {

constexpr int kTextTab = 3;

TEST(PropertiesModel, FollowsLoadsAtOnceOnlyWhileShownAndCatchesUpWhenOpened) {
    PropertiesModel model;
    EXPECT_FALSE(model.OpenRefreshes()) << "nothing loaded yet";
    EXPECT_FALSE(model.Follow("a.ies", false, false)) << "hidden: no refresh now";
    EXPECT_TRUE(model.OpenRefreshes()) << "the load waits for the opening";
    model.Refreshed(kTextTab);
    EXPECT_FALSE(model.OpenRefreshes()) << "caught up";
    EXPECT_TRUE(model.Follow("b.ies", false, true)) << "shown: refresh now";
    EXPECT_EQ(model.FileBytes(), "b.ies");
}

TEST(PropertiesModel, FailedLoadShowsTheTextTabAndKeepsTheChosenTab) {
    struct Row {
        bool failed;
        int shown;
    };
    PropertiesModel model;
    model.ChooseTab(1);
    for (const Row row : {Row{false, 1}, Row{true, kTextTab}, Row{false, 1}}) {
        model.Follow("x.ies", row.failed, true);
        EXPECT_EQ(model.Refreshed(kTextTab), row.shown) << "failed " << row.failed;
        EXPECT_EQ(model.Failed(), row.failed);
    }
    EXPECT_EQ(model.ChosenTab(), 1);
}

TEST(PropertiesModel, ALoadOutdatesEveryTabAndEachIsFilledOnceWhenShown) {
    PropertiesModel model;
    EXPECT_FALSE(model.TakeOutdated(0)) << "nothing loaded: nothing to fill";
    model.Follow("a.ies", false, true);
    model.Refreshed(kTextTab);
    EXPECT_TRUE(model.TakeOutdated(0)) << "the tab on show";
    EXPECT_FALSE(model.TakeOutdated(0)) << "filled already";
    EXPECT_TRUE(model.TakeOutdated(2)) << "another tab, when it is shown";
    model.Follow("b.ies", false, true);
    model.Refreshed(kTextTab);
    EXPECT_TRUE(model.TakeOutdated(0)) << "the next load outdates it again";
    EXPECT_FALSE(model.TakeOutdated(-1));
    EXPECT_FALSE(model.TakeOutdated(32));
}

TEST(PropertiesModel, TheTextOfAFileLeftIsDropped) {
    PropertiesModel model;
    model.Follow("a.ies", false, true);
    const auto forA = model.TextRequested();
    model.Follow("b.ies", false, true);
    const auto forB = model.TextRequested();
    EXPECT_FALSE(model.TextAnswerTaken(forA)) << "a.ies's text arriving after b.ies was loaded";
    EXPECT_TRUE(model.TextAnswerTaken(forB));
}

} // namespace
} // namespace lumetra::test
