#pragma once
// lumetra-cli run as a separate process from a test, in a temporary folder of the test's own.

#include "support/ProcessRunner.h"

#include <gtest/gtest.h>
#include <memory>

namespace lumetra::test {

namespace fs = std::filesystem;

using CliRun = ProcessRun;

class CliTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_STRNE(LUMETRA_CLI_PATH, "") << "lumetra-cli was not built";
        folder_ = std::make_unique<TempFolder>();
        dir_ = folder_->path();
    }

    // Runs lumetra-cli with the arguments; environment is a prefix such as "LC_ALL=C", errorFile
    // a file (a terminal, say) that takes its error output in place of err.
    CliRun RunCli(const std::vector<std::string>& arguments, const std::string& environment = "",
                  const std::string& errorFile = "") const {
        return RunProcess(LUMETRA_CLI_PATH, arguments, *folder_, environment, errorFile);
    }

    std::unique_ptr<TempFolder> folder_;
    fs::path dir_;
};

} // namespace lumetra::test
