// lumetra-cli check on several threads, run in process: whatever the number of jobs, the report
// holds the same bytes in the same order, as text and as JSON, and the exit status is the same.

#include "cli/Commands.h"
#include "support/Samples.h"
#include "support/TempFolder.h"

#include <QStringList>
#include <cstdio>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>
#include <string>

namespace lumetra::cli {
namespace {

struct CheckRun {
    int status = -1;
    std::string out;
};

// Runs check in process with its report going to a file of a temporary folder, read back whole.
CheckRun RunCheckInProcess(const QStringList& arguments) {
    const test::TempFolder folder;
    const std::filesystem::path report = folder.path() / "report.txt";
    CheckRun run;
    {
        const std::unique_ptr<std::FILE, int (*)(std::FILE*)> out(std::fopen(report.c_str(), "wb"),
                                                                  std::fclose);
        if (!out)
            throw std::runtime_error("cannot create " + report.string());
        run.status = RunCheck(arguments, out.get());
    }
    run.out = test::ReadWholeFile(report);
    return run;
}

// Both sample folders, a sample named twice and a path that does not exist, so that the
// report holds clean files, findings, a repeat and an unreadable path.
QStringList SamplePaths() {
    using test::SamplePath;
    return {QString::fromStdString(test::SamplesFolder()),
            QString::fromStdString(test::LdtSamplesFolder()),
            QString::fromStdString(SamplePath("lm1995_263x361_crlf.ies")),
            QString::fromStdString(SamplePath("no such file.ies"))};
}

TEST(CheckJobs, OutputIsTheSameBytesForAnyNumberOfJobs) {
    for (const QStringList& format : {QStringList{}, QStringList{"--json"}}) {
        const CheckRun one = RunCheckInProcess(format + QStringList{"--jobs", "1"} + SamplePaths());
        ASSERT_GT(one.out.size(), 1000u) << "the samples gave next to no report";
        for (const char* jobs : {"2", "4", "7"}) {
            const CheckRun many =
                RunCheckInProcess(format + QStringList{"--jobs", jobs} + SamplePaths());
            EXPECT_EQ(many.status, one.status) << jobs << " jobs " << format.join("").toStdString();
            EXPECT_EQ(many.out, one.out) << jobs << " jobs " << format.join("").toStdString();
        }
    }
}

TEST(CheckJobs, DefaultOfEveryCoreGivesTheOneJobReport) {
    const CheckRun one = RunCheckInProcess(QStringList{"--jobs=1"} + SamplePaths());
    const CheckRun every = RunCheckInProcess(SamplePaths());
    EXPECT_EQ(every.status, one.status);
    EXPECT_EQ(every.out, one.out);
    // The files come in the order of their paths: the first sample folder's report comes first.
    const auto firstIes = one.out.find(test::SamplesFolder() + "/");
    const auto firstLdt = one.out.find(test::LdtSamplesFolder() + "/");
    ASSERT_NE(firstIes, std::string::npos);
    ASSERT_NE(firstLdt, std::string::npos);
    EXPECT_LT(firstIes, firstLdt);
}

} // namespace
} // namespace lumetra::cli
