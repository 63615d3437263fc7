// The main window over files that change under it: a vanished file leaves nothing of the file
// shown before, a click or F5 reads a changed file again, names that are not UTF-8 open, and
// what cannot be opened says why.

#include "UiFixture.h"
#include "data/ProgramData.h"

#include <QShortcut>
#include <filesystem>
#include <unistd.h>

namespace lumetra::test {
namespace {

namespace fs = std::filesystem;

class FileChecksTest : public UiFixture {
  protected:
    fs::path Path(const std::string& name) const { return folder.fsPath() / name; }
    void Replace(const char* name, const char* withSample) {
        fs::copy_file(SamplePath(withSample), Path(name), fs::copy_options::overwrite_existing);
    }
    void ClickSelected() {
        QListView* list = main->FileListBox1;
        const QRect rect = list->visualRect(list->currentIndex());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    }
};

TEST_F(FileChecksTest, VanishedFileLeavesNothingOfTheFileBefore) {
    Select(kFivePlanes);
    render->show();
    ASSERT_FALSE(render->Image1->Picture().isNull());
    fs::remove(Path(kManyPlanes));

    Select(kManyPlanes);
    EXPECT_EQ(main->FileListBox1->RowOf(kManyPlanes), -1);
    EXPECT_TRUE(main->Description().isEmpty());
    EXPECT_FALSE(main->LabelAxial->isVisibleTo(main.get()));
    EXPECT_TRUE(render->Image1->Picture().isNull());
    EXPECT_EQ(CountPixels(kCurveRed), 0);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(FileChecksTest, AFileChangedOnDiskIsReadAgainWithoutAClickAndTheWindowsFollow) {
    Select(kFivePlanes);
    QStringList followed;
    QObject::connect(main.get(), &TMainWindow::fileLoaded,
                     [&followed](const QString& name) { followed << name; });
    // Written in place, then replaced by a rename as editors save.
    Replace(kFivePlanes, kOnePlane);
    QTRY_COMPARE_WITH_TIMEOUT(data.Photometry.HorizontalAngles.size(), std::size_t{1}, 5000);
    EXPECT_EQ(followed.size(), 1);
    fs::copy_file(SamplePath(kManyPlanes), Path("new.tmp"));
    fs::rename(Path("new.tmp"), Path(kFivePlanes));
    QTRY_VERIFY_WITH_TIMEOUT(data.Photometry.HorizontalAngles.size() > 1, 5000);
    EXPECT_EQ(followed.size(), 2);
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

TEST_F(FileChecksTest, ClickAndF5ReadAChangedFileAgainAndKeepTheSelection) {
    Select(kFivePlanes);
    Replace(kFivePlanes, kOnePlane);
    ClickSelected();
    EXPECT_EQ(data.Photometry.HorizontalAngles.size(), 1u) << "the click read the changed file";

    Replace(kFivePlanes, kManyPlanes);
    Replace("added.ies", kOnePlane);
    const auto refresh = main->findChild<QShortcut*>();
    ASSERT_NE(refresh, nullptr);
    ASSERT_EQ(refresh->key(), QKeySequence(Qt::Key_F5));
    emit refresh->activated();
    EXPECT_GE(main->FileListBox1->RowOf("added.ies"), 0);
    EXPECT_EQ(main->SelectedFileName(), folder.filePath(kFivePlanes));
    EXPECT_EQ(data.Photometry.HorizontalAngles.size(), 37u) << "F5 read the changed file";
}

TEST_F(FileChecksTest, NamesThatAreNotUtf8AreListedAndOpened) {
    const std::string folderName = "d\xff";
    fs::create_directory(Path(folderName));
    fs::copy_file(SamplePath(kFivePlanes), Path(folderName) / "caf\xe9.ies");
    main->DirectoryListBox1->Refresh();
    const auto folders =
        main->DirectoryListBox1->findItems(QString("d") + QChar(0xFFFD), Qt::MatchEndsWith);
    ASSERT_EQ(folders.size(), 1);
    emit main->DirectoryListBox1->itemActivated(folders.front());
    EXPECT_EQ(main->DirectoryListBox1->DirectoryPath(), Path(folderName).string());

    Select(QString("caf") + QChar(0xFFFD) + ".ies");
    EXPECT_EQ(data.Photometry.HorizontalAngles.size(), 5u);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(FileChecksTest, WhatCannotBeOpenedSaysWhy) {
    // Run as root, permissions do not stop anything; a vanished folder and a link to itself do.
    fs::create_directory(Path("gone"));
    fs::create_symlink("loop.ies", Path("loop.ies"));
    main->DirectoryListBox1->Refresh();
    main->FileListBox1->Refill();
    fs::remove(Path("gone"));
    const auto gone = main->DirectoryListBox1->findItems("gone", Qt::MatchEndsWith);
    ASSERT_EQ(gone.size(), 1);
    emit main->DirectoryListBox1->itemActivated(gone.front());
    Select("loop.ies");

    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages[0], "Cannot open folder " + QString::fromStdString(Path("gone").string()) +
                               ": No such file or directory.");
    EXPECT_EQ(messages[1], "Cannot open file " + QString::fromStdString(Path("loop.ies").string()) +
                               ": Too many levels of symbolic links.");
}

} // namespace
} // namespace lumetra::test
