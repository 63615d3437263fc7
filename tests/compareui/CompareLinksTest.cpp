// The Compare window beside the main window: "Compare with Selected" in the file list's context
// menu pins the file and opens the window, which then compares each newly selected file with the
// pin.

#include "compareui/CompareLinks.h"

#include "compareui/CompareWindow.h"
#include "ui/UiFixture.h"

#include <QMenu>
#include <QTimer>

namespace {

using namespace lumetra;
using lumetra::compare::TCompareWindow;

class CompareLinks : public test::UiFixture {
  protected:
    void SetUp() override {
        UiFixture::SetUp();
        compare::LinkCompare(*main, window);
    }

    // Opens the file list's context menu away from any row (so on the selected file) and
    // chooses its first entry.
    void ChooseFirstEntry() {
        QTimer::singleShot(0, [] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (menu == nullptr)
                return;
            menu->setActiveAction(menu->actions().front());
            QTest::keyClick(menu, Qt::Key_Return);
        });
        emit main->FileListBox1->customContextMenuRequested(QPoint(-10, -10));
    }

    std::string PathOf(const char* name) const {
        return QFile::encodeName(folder.filePath(name)).toStdString();
    }

    TCompareWindow window;
};

TEST_F(CompareLinks, PinningFromTheListThenSelectingAnotherFileComparesThem) {
    Select(test::kFivePlanes);
    ChooseFirstEntry();
    EXPECT_TRUE(window.Selection().IsPinned(PathOf(test::kFivePlanes)));
    EXPECT_TRUE(window.isVisible());
    Select(test::kManyPlanes);
    EXPECT_EQ(window.Files().paths,
              (std::vector<std::string>{PathOf(test::kFivePlanes), PathOf(test::kManyPlanes)}));
    EXPECT_EQ(window.TableFigures->columnCount(), 3);
    Select(test::kOnePlane);
    EXPECT_EQ(window.Files().paths.back(), PathOf(test::kOnePlane));
    Select(test::kFivePlanes);
    ChooseFirstEntry(); // the same entry now unpins
    EXPECT_TRUE(window.Selection().Pins().empty());
    EXPECT_EQ(window.Files().paths, std::vector<std::string>{PathOf(test::kFivePlanes)});
}

TEST_F(CompareLinks, TheCataloguesTwoRowsAreComparedAlone) {
    Select(test::kOnePlane);
    compare::CompareTwo(window, folder.filePath(test::kFivePlanes),
                        folder.filePath(test::kManyPlanes));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.Files().paths,
              (std::vector<std::string>{PathOf(test::kFivePlanes), PathOf(test::kManyPlanes)}));
}

} // namespace

// The list's delegate marks pinned files; the rows keep the list's own height, so they show.
TEST_F(CompareLinks, TheFileListsRowsKeepTheirHeight) {
    Select(test::kFivePlanes);
    ASSERT_GT(main->FileListBox1->count(), 0);
    EXPECT_GT(main->FileListBox1->sizeHintForRow(0), 0);
    EXPECT_GT(main->FileListBox1->visualRect(main->FileListBox1->currentIndex()).height(), 0);
}
