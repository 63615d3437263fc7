// Background work answered late: only the answer to the latest request, for the file still
// selected, is taken.

#include "viewer/LatestRequest.h"

#include <gtest/gtest.h>

namespace lumetra::test {
namespace {

TEST(LatestRequest, OnlyTheLatestAnswerForTheSelectedFileIsTaken) {
    struct Row {
        const char* what;
        bool secondRequest;   // a newer request for b.ies followed the one for a.ies
        bool dropped;         // the request in hand was dropped before the answer
        const char* selected; // the file selected when the answer comes
        bool firstTaken;      // the answer to the request for a.ies is taken
    };
    const Row rows[] = {
        {"answered while still wanted", false, false, "a.ies", true},
        {"another file selected meanwhile", false, false, "b.ies", false},
        {"a newer request followed", true, false, "a.ies", false},
        {"a newer request followed and its file is selected", true, false, "b.ies", false},
        {"dropped, the picture cleared", false, true, "a.ies", false},
    };
    for (const Row& row : rows) {
        LatestRequest requests;
        const auto first = requests.Begin("a.ies");
        if (row.secondRequest)
            requests.Begin("b.ies");
        if (row.dropped)
            requests.Drop();
        EXPECT_EQ(requests.Accept(first, row.selected), row.firstTaken) << row.what;
    }
}

TEST(LatestRequest, TheLatestAnswerIsTakenOnceAndEndsTheWait) {
    LatestRequest requests;
    EXPECT_FALSE(requests.Pending());
    const auto older = requests.Begin("a.ies");
    const auto newer = requests.Begin("b.ies");
    EXPECT_FALSE(requests.IsLatest(older));
    EXPECT_TRUE(requests.IsLatest(newer));
    EXPECT_FALSE(requests.Accept(older, "b.ies")) << "an older answer arriving late";
    EXPECT_TRUE(requests.Pending()) << "the older answer does not end the wait for the newer";
    EXPECT_TRUE(requests.Accept(newer, "b.ies"));
    EXPECT_FALSE(requests.Pending());
    EXPECT_FALSE(requests.Accept(newer, "b.ies")) << "taken once";
}

TEST(LatestRequest, AnAnswerForAFileLeftEndsTheWaitWithoutBeingTaken) {
    LatestRequest requests;
    const auto request = requests.Begin("a.ies");
    EXPECT_FALSE(requests.Accept(request, "b.ies"));
    EXPECT_FALSE(requests.Pending());
}

} // namespace
} // namespace lumetra::test
