// A path from the command line and a drop on the main window move the browser and select the
// file, which loads as a click in the file list does.

#include "UiFixture.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace lumetra::test {
namespace {

using OpenFromOutsideTest = UiFixture;

// A drop reaches the window only after the window has welcomed the drag; it opens its path once
// it has returned.
void Drop(QWidget& window, const QString& path) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(9, 9), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    QDropEvent drop(QPointF(9, 9), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
    QApplication::processEvents();
}

TEST_F(OpenFromOutsideTest, PathOpensItsFolderAndLoadsTheFileOrTellsWhyNot) {
    ASSERT_TRUE(QDir(folder.path()).mkpath("other"));
    ASSERT_TRUE(QFile::copy(QSamplePath(kFivePlanes), folder.filePath("other/lamp.ies")));
    WriteFile("other/notes.txt", "not photometry\n");
    const struct {
        bool drop;
        QString path, directory, selected, message; // within the fixture's folder "@"
    } rows[] = {
        {false, "other/lamp.ies", "other", "lamp.ies", ""},
        {true, "other/lamp.ies", "other", "lamp.ies", ""},
        {true, "other", "other", "", ""},
        {false, "other/gone.ies", "", kOnePlane,
         "Cannot open @/other/gone.ies: no such file or folder."},
        {true, "other/gone.ies", "", kOnePlane,
         "Cannot open @/other/gone.ies: no such file or folder."},
        {false, "other/notes.txt", "other", "",
         "Cannot show @/other/notes.txt: the file list shows photometric files only."},
    };
    for (const auto& row : rows) {
        const QString at = folder.path(), path = at + '/' + row.path;
        main->DirectoryListBox1->SetDirectory(at);
        Select(kOnePlane);
        messages.clear();
        row.drop ? Drop(*main, path) : Guarded(main.get(), [&] { main->OpenPath(path); });
        const QString shown = QDir::cleanPath(at + '/' + row.directory);
        EXPECT_EQ(main->DirectoryListBox1->Directory(), shown) << path.toStdString();
        EXPECT_EQ(main->SelectedFileName(),
                  row.selected.isEmpty() ? "" : shown + '/' + row.selected);
        EXPECT_EQ(CountPixels(kCurveRed) > 0, !row.selected.isEmpty()) << path.toStdString();
        EXPECT_EQ(messages.join('|'), QString(row.message).replace('@', at)) << path.toStdString();
    }
}

} // namespace
} // namespace lumetra::test
