// Opening a file or folder from outside: the command line's path and a drop on the main window
// move the browser and select the file, which loads as a click in the file list does.

#include "UiFixture.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace lumetra::test {
namespace {

enum class Way { Argument, Drop };

struct Row {
    Way way;
    QString path;      // within the fixture's folder
    QString directory; // the folder shown afterwards, within the fixture's folder
    QString selected;  // the selected file's name in that folder, empty when none
    QString message;   // "@" stands for the fixture's folder
};

class OpenFromOutsideTest : public UiFixture {
  protected:
    void Open(Way way, const QString& path) {
        if (way == Way::Argument) {
            Guarded(main.get(), [&] { main->OpenPath(path); });
            return;
        }
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(main.get(), &enter); // makes the window the drop's target
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(main.get(), &drop);
        QApplication::processEvents(); // the drop opens its path once it has returned
    }
    QString Full(const QString& name) const { return QDir::cleanPath(folder.path() + '/' + name); }
};

TEST_F(OpenFromOutsideTest, PathOpensItsFolderAndLoadsTheFileOrTellsWhyNot) {
    ASSERT_TRUE(QDir(folder.path()).mkpath("other/empty"));
    ASSERT_TRUE(QFile::copy(SamplePath(kFivePlanes), folder.filePath("other/lamp.ies")));
    WriteFile("other/notes.txt", "not photometry\n");
    const QString gone = "Cannot open @/other/gone.ies: no such file or folder.";
    const QString unlisted = "Cannot show @/other/notes.txt: the file list shows photometric "
                             "files only.";
    const std::vector<Row> rows = {
        {Way::Argument, "other/lamp.ies", "other", "lamp.ies", ""},
        {Way::Drop, "other/lamp.ies", "other", "lamp.ies", ""},
        {Way::Argument, "other/empty", "other/empty", "", ""},
        {Way::Drop, "other", "other", "", ""},
        {Way::Argument, "other/gone.ies", "", kOnePlane, gone},
        {Way::Drop, "other/gone.ies", "", kOnePlane, gone},
        {Way::Argument, "other/notes.txt", "other", "", unlisted},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.path.toStdString() + (row.way == Way::Drop ? " dropped" : ""));
        main->DirectoryListBox1->SetDirectory(folder.path());
        Select(kOnePlane);
        messages.clear();
        Open(row.way, Full(row.path));
        EXPECT_EQ(main->DirectoryListBox1->Directory(), Full(row.directory));
        const QString selected =
            row.selected.isEmpty() ? "" : Full(row.directory) + '/' + row.selected;
        EXPECT_EQ(main->SelectedFileName().toStdString(), selected.toStdString());
        EXPECT_EQ(CountPixels(kCurveRed) > 0, !row.selected.isEmpty()) << "curves drawn";
        EXPECT_EQ(messages.join('|').toStdString(),
                  QString(row.message).replace('@', folder.path()).toStdString());
    }
}

TEST_F(OpenFromOutsideTest, OnlyDraggedLocalFilesAreWelcome) {
    const struct {
        QList<QUrl> urls;
        bool accepted;
    } rows[] = {
        {{QUrl::fromLocalFile(SamplePath(kOnePlane))}, true},
        {{QUrl("https://example.org/lamp.ies"), QUrl::fromLocalFile(folder.path())}, true},
        {{QUrl("https://example.org/lamp.ies")}, false},
        {{}, false},
    };
    for (const auto& row : rows) {
        QMimeData data;
        data.setUrls(row.urls);
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        enter.setAccepted(false);
        QApplication::sendEvent(main.get(), &enter);
        EXPECT_EQ(enter.isAccepted(), row.accepted) << row.urls.size();
    }
}

} // namespace
} // namespace lumetra::test
