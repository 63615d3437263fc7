// The Catalogue window's wiring: background filling, header sort, search and ranges reach the
// model; selection, Compare, Copy and Save As hand on the right files and rows. The rules
// themselves are tested on the core model.

#include "ui/CatalogueWindow.h"

#include "UiFixture.h"
#include "support/QtSupport.h"
#include "ui/WindowLinks.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace lumetra {
namespace {

class CatalogueWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* name : {"lm1986_spotlight_axial.ies", "lm1995_bilateral_90_270.ies",
                                 "lm2002_roadway_quadrant_more_crlf.ies"})
            ASSERT_TRUE(QFile::copy(test::QSamplePath(name), folder.filePath(name)));
        ASSERT_TRUE(QDir(folder.path()).mkdir("sub"));
        QFile broken(folder.filePath("sub/broken.ldt"));
        ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
        window.show();
        window.ShowFolder(folder.path());
        ASSERT_TRUE(QTest::qWaitFor([this] { return window.Filled(); }, 10000));
    }

    void SelectRows(std::initializer_list<int> rows) {
        window.Table()->clearSelection();
        for (const int row : rows)
            window.Table()->selectionModel()->select(window.Model()->index(row, 0),
                                                     QItemSelectionModel::Select |
                                                         QItemSelectionModel::Rows);
    }

    test::QtTempFolder folder;
    CatalogueWindow window;
};

TEST_F(CatalogueWindowTest, FillsInTheBackgroundAndTakesSubfoldersOnRequest) {
    EXPECT_EQ(window.Model()->rowCount(), 3);
    EXPECT_FALSE(window.Progress()->isVisible());
    window.SubfolderBox()->setChecked(true); // reads again, with the subfolder
    ASSERT_TRUE(QTest::qWaitFor([this] { return window.Filled(); }, 10000));
    EXPECT_EQ(window.Model()->rowCount(), 4);
    QFile::remove(folder.filePath("lm1986_spotlight_axial.ies"));
    QTest::keyClick(window.Table(), Qt::Key_F5);
    ASSERT_TRUE(QTest::qWaitFor([this] { return window.Filled(); }, 10000));
    EXPECT_EQ(window.Model()->rowCount(), 3);
}

TEST_F(CatalogueWindowTest, HeaderSearchAndRangesReachTheModel) {
    const int flux = static_cast<int>(catalogue::Column::Flux);
    window.Table()->horizontalHeader()->setSortIndicator(flux, Qt::DescendingOrder);
    EXPECT_EQ(window.Model()->Model().SortColumn(), catalogue::Column::Flux);
    EXPECT_GE(window.Model()->RowAt(0).summary.Flux, window.Model()->RowAt(1).summary.Flux);
    QTest::keyClicks(window.SearchBox(), "rab lighting");
    EXPECT_EQ(window.Model()->rowCount(), 1);
    window.SearchBox()->clear();
    QTest::keyClicks(window.RangeBox(), "flux <0");
    EXPECT_EQ(window.Model()->rowCount(), 0);
    QTest::keyClicks(window.RangeBox(), "x"); // "flux <0x": faulty, the last ranges stay
    EXPECT_EQ(window.Model()->rowCount(), 0);
    window.RangeBox()->clear();
    EXPECT_EQ(window.Model()->rowCount(), 3);
}

TEST_F(CatalogueWindowTest, SelectionCompareCopyAndSave) {
    QSignalSpy chosen(&window, &CatalogueWindow::fileChosen);
    QSignalSpy compare(&window, &CatalogueWindow::compareWanted);
    SelectRows({1});
    ASSERT_EQ(chosen.size(), 1);
    EXPECT_EQ(chosen[0][0].toString(), folder.filePath("lm1995_bilateral_90_270.ies"));
    EXPECT_FALSE(window.CompareButton()->isEnabled());
    SelectRows({0, 2});
    ASSERT_TRUE(window.CompareButton()->isEnabled());
    QTest::mouseClick(window.CompareButton(), Qt::LeftButton);
    ASSERT_EQ(compare.size(), 1);
    EXPECT_EQ(compare[0][0].toString(), folder.filePath("lm1986_spotlight_axial.ies"));
    EXPECT_EQ(compare[0][1].toString(), folder.filePath("lm2002_roadway_quadrant_more_crlf.ies"));
    window.CopySelection();
    const QStringList lines = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].startsWith("File\tFormat\t"));
    EXPECT_TRUE(lines[1].startsWith("lm1986_spotlight_axial.ies\t"));
    const QString csv = folder.filePath("out.csv");
    EXPECT_EQ(window.WriteCsv(csv), "");
    QFile written(csv);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll().count('\n'), 4); // header and three rows
}

// A file whose header encoding the person chose in the viewer is catalogued in that encoding.
TEST(CatalogueEncoding, FilesAreReadInTheEncodingTheViewerChoseForThem) {
    const test::QtTempFolder folder;
    const QString name = folder.filePath("lm1995_shift_jis_181_per_line.ies");
    ASSERT_TRUE(QFile::copy(test::QSamplePath("lm1995_shift_jis_181_per_line.ies"), name));
    CatalogueWindow window;
    std::string asked;
    window.SetEncodingLookup([&asked](const std::string& fileName) {
        asked = fileName;
        return std::string("WINDOWS-1252");
    });
    window.ShowFolder(folder.path());
    ASSERT_TRUE(QTest::qWaitFor([&window] { return window.Filled(); }, 10000));
    ASSERT_EQ(window.Model()->rowCount(), 1);
    EXPECT_EQ(QString::fromStdString(asked), name);
    EXPECT_EQ(window.Model()->RowAt(0).lamp, "LED3640lm W(’èŠiÓ°ÄÞ)");
}

} // namespace
} // namespace lumetra

namespace lumetra::test {
namespace {

class CatalogueLink : public UiFixture {};

// Ctrl+F opens the catalogue over the main window's folder; a row selected there is selected
// (and loaded) in the main window.
TEST_F(CatalogueLink, CtrlFOpensTheFolderAndARowSelectsItsFile) {
    CatalogueWindow catalogue;
    LinkCatalogue(*main, catalogue);
    QTest::keyClick(main.get(), Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(catalogue.isVisible());
    EXPECT_EQ(QDir(catalogue.Folder()), QDir(folder.path()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return catalogue.Filled(); }, 10000));
    ASSERT_EQ(catalogue.Model()->rowCount(), 3);
    EXPECT_TRUE(main->FileListBox1->actions().contains(main->PanelDirFileDrive->ActionCatalogue));
    catalogue.Table()->selectRow(2);
    EXPECT_EQ(QFileInfo(main->SelectedFileName()).fileName(),
              QString::fromStdString(catalogue.Model()->RowAt(2).file));
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

} // namespace
} // namespace lumetra::test
