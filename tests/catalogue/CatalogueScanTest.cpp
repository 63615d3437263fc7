#include "catalogue/CatalogueScan.h"

#include "catalogue/CatalogueExport.h"
#include "support/Samples.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace lumetra::catalogue {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Names(const std::vector<RowRequest>& files) {
    std::vector<std::string> names;
    for (const RowRequest& file : files)
        names.push_back(file.relative);
    return names;
}

TEST(CatalogueScan, ListsPhotometricFilesInNameOrderAndSubfoldersOnRequest) {
    const test::TempFolder folder;
    for (const char* name : {"b.IES", "a.ldt", "C.ies", "notes.txt", "sub/d.ies", "sub/e.LDT"})
        folder.Write(name, "x");
    fs::create_directory(folder.path() / "folder.ies"); // a folder is no file, whatever its name
    const std::string root = folder.path().string();
    EXPECT_EQ(Names(CatalogueFiles(root, false, false)),
              (std::vector<std::string>{"a.ldt", "b.IES", "C.ies"}));
    EXPECT_EQ(Names(CatalogueFiles(root, true, false)),
              (std::vector<std::string>{"a.ldt", "b.IES", "C.ies", "sub/d.ies", "sub/e.LDT"}));
    EXPECT_TRUE(CatalogueFiles((folder.path() / "none").string(), true, false).empty());
}

// A folder of the samples over and over: the rows come out the same, in the same order, for one
// job and for several.
TEST(CatalogueScan, RowsAreTheSameForAnyNumberOfJobs) {
    const test::TempFolder folder;
    std::size_t copies = 0;
    for (const std::string& samples : test::SampleFolders())
        for (const auto& entry : fs::directory_iterator(samples))
            if (entry.file_size() < 100'000 && entry.path().extension() != ".md")
                fs::copy_file(entry.path(), folder.path() / (std::to_string(copies++) + "_" +
                                                             entry.path().filename().string()));
    const auto files = CatalogueFiles(folder.path().string(), false, true);
    ASSERT_GT(files.size(), 40U);
    const auto render = [&files](unsigned jobs) {
        std::string text;
        ScanCatalogue(files, {jobs, 3, nullptr},
                      [&text](CatalogueRow&& row) { text += row.jsonText + '\n'; });
        return text;
    };
    const std::string one = render(1);
    std::string direct; // each row's JSON written by the thread that writes the output
    for (const RowRequest& file : files)
        direct += RowJson(LoadCatalogueRow(file)).dump() + '\n';
    EXPECT_EQ(one, direct);
    EXPECT_EQ(render(2), one);
    EXPECT_EQ(render(5), one);
}

} // namespace
} // namespace lumetra::catalogue
