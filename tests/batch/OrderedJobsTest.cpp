#include "batch/OrderedJobs.h"

#include <algorithm>
#include <chrono>
#include <gtest/gtest.h>
#include <memory>
#include <mutex>
#include <set>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace lumetra::batch {
namespace {

using namespace std::chrono_literals;

struct Shape {
    std::size_t count;
    unsigned jobs;
    std::size_t window;
};

class OrderedJobsShapes : public ::testing::TestWithParam<Shape> {};

// Whatever the number of items, jobs and window, every result arrives once, in item order, and
// belongs to its item; uneven item times shuffle the order in which workers finish.
TEST_P(OrderedJobsShapes, DeliversEveryResultInItemOrder) {
    const Shape shape = GetParam();
    std::vector<std::size_t> seen;
    const auto work = [](std::size_t i) {
        if (i % 7 == 3)
            std::this_thread::sleep_for(200us);
        return i * i;
    };
    const std::size_t consumed = RunOrdered(shape.count, work,
                                            [&](std::size_t i, std::size_t square) {
                                                EXPECT_EQ(square, i * i);
                                                seen.push_back(i);
                                            },
                                            {shape.jobs, shape.window});
    EXPECT_EQ(consumed, shape.count);
    ASSERT_EQ(seen.size(), shape.count);
    for (std::size_t i = 0; i < seen.size(); ++i)
        ASSERT_EQ(seen[i], i);
}

INSTANTIATE_TEST_SUITE_P(Shapes, OrderedJobsShapes,
                         ::testing::Values(Shape{0, 4, 0}, Shape{1, 4, 0}, Shape{5, 1, 0},
                                           Shape{5, 8, 0}, Shape{500, 2, 0}, Shape{500, 3, 1},
                                           Shape{500, 4, 5}, Shape{500, 0, 0}));

// The consumer dawdles; workers may run ahead of it by the window and no further, so results
// never pile up: at most the window's slots plus the one result being handed over.
TEST(OrderedJobs, WorkersStayWithinTheWindowAheadOfTheConsumer) {
    constexpr std::size_t kWindow = 6;
    std::atomic<std::size_t> consumed{0};
    std::atomic<std::size_t> furthestAhead{0};
    RunOrdered(
        200,
        [&](std::size_t i) {
            const std::size_t ahead = i - consumed.load();
            std::size_t previous = furthestAhead.load();
            while (ahead > previous && !furthestAhead.compare_exchange_weak(previous, ahead)) {
            }
            return i;
        },
        [&](std::size_t, std::size_t) {
            ++consumed;
            std::this_thread::sleep_for(100us);
        },
        {4, kWindow});
    EXPECT_LE(furthestAhead.load(), kWindow);
    EXPECT_GE(furthestAhead.load(), 2U); // it did run ahead: the workers are not in lock step
}

TEST(OrderedJobs, SeveralJobsUseSeveralThreads) {
    std::mutex mutex;
    std::set<std::thread::id> threads;
    RunOrdered(
        64,
        [&](std::size_t i) {
            std::this_thread::sleep_for(1ms);
            const std::lock_guard lock(mutex);
            threads.insert(std::this_thread::get_id());
            return i;
        },
        [](std::size_t, std::size_t) {}, {4, 0});
    EXPECT_GT(threads.size(), 1U);
    EXPECT_EQ(threads.count(std::this_thread::get_id()), 0U); // the caller only consumes
}

TEST(OrderedJobs, OneJobRunsOnTheCallingThread) {
    std::set<std::thread::id> threads;
    RunOrdered(
        20,
        [&](std::size_t i) {
            threads.insert(std::this_thread::get_id());
            return i;
        },
        [](std::size_t, std::size_t) {}, {1, 0});
    EXPECT_EQ(threads, std::set<std::thread::id>{std::this_thread::get_id()});
}

TEST(OrderedJobs, MoveOnlyResults) {
    std::string joined;
    RunOrdered(
        5, [](std::size_t i) { return std::make_unique<std::string>(1, char('a' + i)); },
        [&](std::size_t, std::unique_ptr<std::string> text) { joined += *text; }, {3, 2});
    EXPECT_EQ(joined, "abcde");
}

class OrderedJobsErrors : public ::testing::TestWithParam<unsigned> {};

// Items 40 and 41 fail, 40 slowly; the caller gets item 40's error after exactly the items
// before it, for any number of jobs.
TEST_P(OrderedJobsErrors, TheFirstFailingItemInOrderReachesTheCaller) {
    std::vector<std::size_t> seen;
    const auto work = [](std::size_t i) {
        if (i == 40) {
            std::this_thread::sleep_for(5ms);
            throw std::runtime_error("item 40");
        }
        if (i == 41)
            throw std::runtime_error("item 41");
        return i;
    };
    try {
        RunOrdered(100, work, [&](std::size_t i, std::size_t) { seen.push_back(i); },
                   {GetParam(), 0});
        FAIL() << "no error reached the caller";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "item 40");
    }
    EXPECT_EQ(seen.size(), 40U);
}

// The consumer fails at item 10: the error reaches the caller and the workers stop within the
// window instead of finishing all the items.
TEST_P(OrderedJobsErrors, AConsumerErrorStopsTheRun) {
    std::atomic<std::size_t> produced{0};
    const auto consume = [](std::size_t i, std::size_t) {
        if (i == 10)
            throw std::logic_error("consumer");
    };
    EXPECT_THROW(RunOrdered(10000,
                            [&](std::size_t i) {
                                ++produced;
                                return i;
                            },
                            consume, {GetParam(), 8}),
                 std::logic_error);
    EXPECT_LE(produced.load(), 10U + 8U + 1U);
}

INSTANTIATE_TEST_SUITE_P(Jobs, OrderedJobsErrors, ::testing::Values(1U, 2U, 5U));

TEST(OrderedJobs, CancellingStopsBeforeTheRemainingItems) {
    for (const unsigned jobs : {1U, 3U}) {
        std::atomic<bool> cancel{false};
        std::size_t delivered = 0;
        const std::size_t consumed = RunOrdered(
            10000, [](std::size_t i) { return i; },
            [&](std::size_t i, std::size_t) {
                ++delivered;
                if (i == 20)
                    cancel = true;
            },
            {jobs, 4, &cancel});
        EXPECT_EQ(consumed, 21U) << jobs << " jobs";
        EXPECT_EQ(delivered, consumed);
    }
}

TEST(OrderedJobs, DefaultJobsIsAtLeastOne) {
    EXPECT_GE(DefaultJobs(), 1U);
    EXPECT_EQ(detail::WindowFor({2, 0}, 1000), 32U);
    EXPECT_EQ(detail::WindowFor({2, 0}, 3), 3U); // never more slots than items
    EXPECT_EQ(detail::WindowFor({2, 0}, 0), 1U);
}

} // namespace
} // namespace lumetra::batch
