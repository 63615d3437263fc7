#include "catalogue/BackgroundScan.h"

#include "support/Samples.h"

#include <chrono>
#include <gtest/gtest.h>
#include <thread>

namespace lumetra::catalogue {
namespace {

std::vector<CatalogueRow> TakeAll(BackgroundScan& scan) {
    std::vector<CatalogueRow> rows;
    for (;;) {
        const bool finished = scan.Finished(); // before taking, so no row is left behind
        for (CatalogueRow& row : scan.TakeRows())
            rows.push_back(std::move(row));
        if (finished)
            return rows;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

TEST(BackgroundScan, HandsOverEveryRowInFileOrder) {
    const auto files = CatalogueFiles(test::SamplesFolder(), false, false);
    BackgroundScan scan(files, 2);
    EXPECT_EQ(scan.Total(), files.size());
    const auto rows = TakeAll(scan);
    ASSERT_EQ(rows.size(), files.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(rows[i].file, files[i].relative);
}

TEST(BackgroundScan, CancellingEndsTheScanEarly) {
    std::vector<RowRequest> files(100000, RowRequest{test::SamplePath("missing.ies"), "m"});
    BackgroundScan scan(files, 2);
    scan.Cancel();
    EXPECT_LT(TakeAll(scan).size(), files.size());
}

} // namespace
} // namespace lumetra::catalogue
