// The order and content of the folder and file lists, and rows wide enough for the longest name.

#include "UiFixture.h"
#include "data/Errors.h"
#include "support/TempFolder.h"
#include "ui/FolderEntries.h"

#include <QScrollBar>
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace lumetra::test {
namespace {

bool ComparedAsShown(const std::string& a, const std::string& b) {
    const int order = ShownName(a).compare(ShownName(b), Qt::CaseInsensitive);
    return order != 0 ? order < 0 : a < b;
}

TEST(FolderNames, OrderIsThatOfTheShownNamesIgnoringCase) {
    const std::vector<std::string> names = {"a.ies",
                                            "A.ies",
                                            "a_b.ies",
                                            "aB.ies",
                                            "ab.ies",
                                            "Ab.IES",
                                            "a",
                                            "",
                                            "Z.ldt",
                                            "z1.ies",
                                            "_x.ies",
                                            "[x].ies",
                                            "caf\xc3\xa9.ies",
                                            "CAF\xc3\x89.ies",
                                            "caf\xe9.ies",
                                            "cafe.ies",
                                            "\xc3\xa9t\xc3\xa9.ies",
                                            "\xe2\x84\xaa"
                                            "elvin.ies",
                                            "kelvin.ies",
                                            "\xf0\x9f\x92\xa1.ies",
                                            "\xef\xbc\xa1.ies"};
    for (const std::string& a : names)
        for (const std::string& b : names)
            EXPECT_EQ(ShownBefore(a, b), ComparedAsShown(a, b)) << a << " | " << b;
}

TEST(FolderNames, ListsPhotometricFilesOrFoldersSortedAndFindsThem) {
    TempFolder folder;
    for (const char* name : {"b.IES", "A.ldt", "c.ies", ".hidden.ies", "notes.txt", "sub/x.ies"})
        folder.Write(name, "x");
    std::filesystem::create_directory(folder.path() / "Dir.ies");

    const FolderNames files = ListFolder(folder.path().string(), EntryKind::PhotometricFiles);
    ASSERT_EQ(files.size(), 3u);
    EXPECT_EQ(files[0], "A.ldt");
    EXPECT_EQ(files[1], "b.IES");
    EXPECT_EQ(files[2], "c.ies");
    EXPECT_EQ(files.Find("c.ies"), 2u);
    EXPECT_EQ(files.Find("C.ies"), files.size());

    const FolderNames folders = ListFolder(folder.path().string(), EntryKind::Folders);
    ASSERT_EQ(folders.size(), 2u);
    EXPECT_EQ(folders[0], "Dir.ies");
    EXPECT_EQ(folders[1], "sub");
    EXPECT_THROW(ListFolder((folder.path() / "none").string(), EntryKind::Folders), LumetraError);
}

// Names stored by what they add to the name before them read back whole, whether they share
// nothing, everything or more than the stored limit, and whatever their extension.
TEST(FolderNames, GivesBackEveryNameByIndexInOrderAndBySearch) {
    const std::string longFront(100, 'L');
    std::vector<std::string> names = {"",
                                      ".ies",
                                      "a.ies",
                                      "a.iesx",
                                      "a.ies.ies",
                                      "a.IES",
                                      "a.Ies",
                                      "a.ldt",
                                      "a.LDT",
                                      "aies",
                                      longFront + ".ies",
                                      longFront + "x.ies",
                                      longFront + "x.ies",
                                      longFront,
                                      "caf\xc3\xa9.ies",
                                      "caf\xe9.ldt",
                                      "\xff\x01\x7f.IES"};
    for (int i = 0; i < 40; ++i) // restarts fall inside runs that share their fronts
        names.push_back("LX-" + std::to_string(1000 + i / 3) + (i % 2 ? "_wide.ies" : ".ldt"));
    const std::vector<std::string_view> views(names.begin(), names.end());
    const FolderNames stored(views);

    ASSERT_EQ(stored.size(), names.size());
    std::vector<std::string> visited;
    stored.ForEach([&](std::size_t index, std::string_view name) {
        EXPECT_EQ(index, visited.size());
        visited.emplace_back(name);
    });
    EXPECT_EQ(visited, names);
    for (std::size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(stored[i], names[i]) << i;
        EXPECT_EQ(names[stored.Find(names[i])], names[i]) << i; // the first of equal names
    }
    EXPECT_EQ(stored.Find("a.ies "), stored.size());
    EXPECT_TRUE(FolderNames().empty());
}

class FileListWidthTest : public UiFixture {};

TEST_F(FileListWidthTest, TheLongestNameCanBeScrolledTo) {
    const QString longName = QString("W").repeated(120) + QString::fromUtf8("\xc3\xa9.ies");
    WriteFile(longName, "x");
    TFileListBox* list = main->FileListBox1;
    const QModelIndex row = list->model()->index(list->RowOf(longName), 0);
    ASSERT_TRUE(row.isValid());
    EXPECT_GE(list->visualRect(row).width(), list->fontMetrics().horizontalAdvance(longName));
    EXPECT_GT(list->horizontalScrollBar()->maximum(), 0);
}

} // namespace
} // namespace lumetra::test
