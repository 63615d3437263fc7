// One reader for many files keeps its buffer: every file still reads as exactly its own bytes,
// whatever larger or smaller file was read before it. The refusals are tested through loading.

#include "data/FileReading.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace lumetra {
namespace {

TEST(FileReading, OneReaderReadsEveryFileAsExactlyItsOwnBytes) {
    test::TempFolder folder;
    const std::string large(300'000, 'x');
    const std::vector<std::pair<std::string, std::string>> files = {
        {folder.Write("large.ies", large), large},
        {folder.Write("small.ies", "1 2 3\n"), "1 2 3\n"},
        {folder.Write("empty.ies", ""), ""},
        {folder.Write("larger.ies", large + "y"), large + "y"},
        {folder.Write("small.ldt", "abc"), "abc"},
    };
    FileReader reader;
    for (const auto& [name, bytes] : files) {
        ASSERT_EQ(reader.Read(name), FileRead::Whole) << name;
        EXPECT_EQ(reader.bytes(), bytes) << name;
        EXPECT_EQ(reader.size(), bytes.size()) << name;
    }
    EXPECT_EQ(reader.Read(folder.path().string()), FileRead::Unreadable);
    ASSERT_EQ(reader.Read(files[1].first), FileRead::Whole);
    EXPECT_EQ(std::move(reader).TakeBytes(), files[1].second);
}

} // namespace
} // namespace lumetra
