#include "UiFixture.h"
#include "support/IesText.h"
#include "ui/EncodingMenu.h"
#include "ui/LineNumberedText.h"
#include "ui/Properties.h"

#include <QClipboard>
#include <QFileInfo>
#include <QTextBlock>

namespace lumetra::test {
namespace {

const char* const kMoreSample = "lm1995_pendant_more_crlf.ies";

// A file of 3 vertical and 2 horizontal angles, multiplier 2; the leading line can be spoiled.
QByteArray Grid3x2(const std::string& leading = "1 1000 2 3 2 1 1 0 0 0") {
    IesFile file;
    file.header = {"IESNA:LM-63-2002", "[TEST] grid"};
    file.leading = leading;
    file.ballast = "1 1 50";
    file.candela = {"100 80.5 0", "100 120 0.25"};
    return QByteArray::fromStdString(file.Text("\r\n"));
}

class PropertiesWindowTest : public UiFixture {
  protected:
    void SetUp() override {
        UiFixture::SetUp();
        ASSERT_TRUE(QFile::copy(QSamplePath(kMoreSample), folder.filePath(kMoreSample)));
        main->FileListBox1->Refill();
        properties = std::make_unique<PropertiesWindow>(main->Viewer());
        LinkProperties(*main, *properties);
    }
    void TearDown() override {
        properties.reset();
        UiFixture::TearDown();
    }

    QString Cell(QTableWidget* table, int row, int column) const {
        const QTableWidgetItem* item = table->item(row, column);
        return item ? item->text() : "<none>";
    }

    std::unique_ptr<PropertiesWindow> properties;
};

TEST_F(PropertiesWindowTest, OpensFromCtrlIAndTheGoniogramMenu) {
    EXPECT_TRUE(main->PanelImage->Menu->actions().contains(main->ActionProperties));
    EXPECT_TRUE(main->DescriptionMenu->actions().contains(main->ActionProperties));
    QTest::keyClick(main.get(), Qt::Key_I, Qt::ControlModifier);
    EXPECT_TRUE(properties->isVisible());
    EXPECT_EQ(properties->windowTitle(), "Properties");
    EXPECT_EQ(properties->LabelFile->text(), "No file loaded.");
}

TEST_F(PropertiesWindowTest, FollowsAGoodABrokenAndAGoodLoad) {
    Select(kMoreSample); // loaded while the window is closed: shown when it opens
    properties->Open();
    properties->SetOpenTab("Keywords");
    EXPECT_TRUE(properties->LabelFile->text().startsWith(kMoreSample));
    EXPECT_EQ(Cell(properties->TableKeywords, 4, 0), "[LUMINAIRE]");
    EXPECT_TRUE(Cell(properties->TableKeywords, 4, 1)
                    .endsWith("WHITE PAINTED CENTER REFLECTOR STRIP, THIN TRANSLUCENT PLASTIC "
                              "SHEET OVER DOWNLIGHT APERTURES, OPEN TOP. CENTER LAMP MOUNTED "
                              "OBLIQUELY ACROSS WHITE CENTER STRIP."));

    WriteFile("broken.ies", "IESNA:LM-63-2002\r\n[TEST] cut\r\nTILT=NONE\r\n");
    Select("broken.ies");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages.front(), "List index out of bounds (0).");
    EXPECT_EQ(properties->LabelFile->text(),
              "broken.ies\nCould not be read: List index out of bounds (0)");
    EXPECT_EQ(properties->Tabs->currentWidget(), properties->TextFile);
    EXPECT_EQ(properties->TextFile->toPlainText(), "IESNA:LM-63-2002\n[TEST] cut\nTILT=NONE");
    EXPECT_EQ(properties->TableSummary->rowCount(), 0);
    EXPECT_FALSE(properties->ButtonCopy->isEnabled());

    Select(kFivePlanes);
    EXPECT_EQ(properties->LabelFile->text(), kFivePlanes);
    EXPECT_EQ(properties->Tabs->tabText(properties->Tabs->currentIndex()), "Keywords");
    EXPECT_EQ(Cell(properties->TableSummary, 3, 1), "37 vertical \u00d7 5 horizontal");
    EXPECT_TRUE(properties->ButtonCopy->isEnabled());
    EXPECT_EQ(properties->TextFile->MarkedLine(), 0);
}

TEST_F(PropertiesWindowTest, CopiesAndSavesTheStoredTable) {
    WriteFile("grid.ies", Grid3x2());
    Select("grid.ies");
    properties->Open();
    QTest::mouseClick(properties->ButtonCopy, Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              "gamma \\ C\t0\t90\n0\t100\t100\n45\t80.5\t120\n90\t0\t0.25\n");
    EXPECT_TRUE(properties->LabelMultiplier->text().contains("2 (the file's candela multiplier)"));
    const QString csv = folder.filePath("grid.csv");
    properties->SaveIntensities(csv);
    QFile saved(csv);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), "gamma \\ C,0,90\r\n0,100,100\r\n45,80.5,120\r\n90,0,0.25\r\n");
    EXPECT_EQ(properties->TableIntensities->model()->data(
                  properties->TableIntensities->model()->index(1, 1), Qt::ToolTipRole),
              "Maximum");
}

TEST_F(PropertiesWindowTest, EulumdatIntensitiesShowInCdPerKilolumenOrInCandelaAsChosen) {
    const char* const name = "ldt_isym0_24x73_downlight_upper_case_ext.LDT"; // 2800 lm of lamps
    ASSERT_TRUE(QFile::copy(QLdtSamplePath(name), folder.filePath(name)));
    main->FileListBox1->Refill();
    Select(name);
    properties->Open();
    QAbstractItemModel* table = properties->TableIntensities->model();
    const double perKilolumen =
        table->data(table->index(0, 0), Qt::DisplayRole).toString().toDouble();
    ASSERT_FALSE(properties->ComboUnit->isHidden());
    EXPECT_EQ(properties->ComboUnit->currentText(), "cd/klm");
    EXPECT_TRUE(properties->LabelMultiplier->text().startsWith("Values in cd/klm"));
    properties->ComboUnit->setCurrentIndex(1);
    EXPECT_EQ(properties->ComboUnit->currentText(), "cd");
    EXPECT_TRUE(properties->LabelMultiplier->text().startsWith("Values in cd:"));
    EXPECT_DOUBLE_EQ(table->data(table->index(0, 0), Qt::DisplayRole).toString().toDouble(),
                     perKilolumen * 2.8);
    QTest::mouseClick(properties->ButtonCopy, Qt::LeftButton);
    EXPECT_TRUE(QGuiApplication::clipboard()->text().contains(
        table->data(table->index(0, 0), Qt::DisplayRole).toString()));
    // An IES file has no choice; the choice of cd stays for the next EULUMDAT file.
    Select(kMoreSample);
    EXPECT_TRUE(properties->ComboUnit->isHidden());
    EXPECT_TRUE(properties->LabelMultiplier->text().startsWith("Values as stored"));
    Select(name);
    EXPECT_EQ(properties->ComboUnit->currentText(), "cd");
}

// The entry of an encoding in a "Text Encoding" menu; null when there is none.
QAction* EncodingEntry(QMenu& menu, const QString& encoding) {
    for (QAction* action : menu.actions())
        if (!action->isSeparator() && action->data().toString() == encoding)
            return action;
    return nullptr;
}

TEST_F(PropertiesWindowTest, TheTextEncodingChosenInEitherMenuReadsTheHeaderForThatFile) {
    // "Свет" in Windows-1251: a short header the guess may read otherwise.
    WriteFile("cyrillic.ies", "IESNA:LM-63-2002\r\n[TEST] 1\r\n[MANUFAC] \xD1\xE2\xE5\xF2\r\n"
                              "TILT=NONE\r\n1 1000 1 2 1 1 1 0 0 0\r\n1 1 10\r\n0 90\r\n0\r\n"
                              "100 50\r\n");
    Select("cyrillic.ies");
    properties->Open();
    const auto manufacturer = [this] { return Cell(properties->TableKeywords, 1, 1); };
    ASSERT_NE(EncodingEntry(*main->MenuEncoding, "WINDOWS-1251"), nullptr);
    EncodingEntry(*main->MenuEncoding, "WINDOWS-1251")->trigger();
    EXPECT_TRUE(main->Description().contains("\u0421\u0432\u0435\u0442"));
    EXPECT_EQ(manufacturer(), "\u0421\u0432\u0435\u0442");
    EXPECT_EQ(main->Viewer().HeaderEncoding(), "WINDOWS-1251");

    EncodingEntry(*properties->MenuEncoding, "ISO-8859-1")->trigger();
    EXPECT_EQ(manufacturer(), "\u00d1\u00e2\u00e5\u00f2");
    EXPECT_TRUE(main->Description().contains("\u00d1\u00e2\u00e5\u00f2"));
    // Another file reads as guessed; coming back keeps the choice made for this one.
    Select(kMoreSample);
    EXPECT_EQ(main->Viewer().HeaderEncoding(), "");
    Select("cyrillic.ies");
    EXPECT_EQ(main->Viewer().HeaderEncoding(), "ISO-8859-1");
    EncodingEntry(*properties->MenuEncoding, "")->trigger(); // Automatic
    EXPECT_EQ(main->Viewer().HeaderEncoding(), "");
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

TEST_F(PropertiesWindowTest, TextTabMarksTheLineTheReaderReported) {
    properties->Open();
    WriteFile("spoiled.ies", Grid3x2("1 1000 2 3 2 x 1 0 0 0"));
    Select("spoiled.ies");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(properties->LabelFile->text().endsWith("The reader reported: Error! Line 4"));
    EXPECT_EQ(properties->TextFile->MarkedLine(), 4);
    EXPECT_EQ(properties->TextFile->textCursor().block().text(), "1 1000 2 3 2 x 1 0 0 0");
    EXPECT_EQ(properties->TextFile->extraSelections().size(), 1);
}

TEST_F(PropertiesWindowTest, AFlaggedFileShowsWhyItHasNoFiguresAndCtrlCCopiesTheTable) {
    properties->Open();
    properties->SetOpenTab("Summary");
    WriteFile("spoiled.ies", Grid3x2("1 1000 2 3 2 x 1 0 0 0"));
    Select("spoiled.ies");
    EXPECT_EQ(Cell(properties->TableSummary, 1, 0), "Figures");
    EXPECT_EQ(Cell(properties->TableSummary, 1, 1),
              "not significant: the file did not read completely");
    EXPECT_EQ(Cell(properties->TableSummary, 2, 1), "Error! Line 4");
    EXPECT_TRUE(Cell(properties->TableSummary, 3, 1).startsWith("Line 4: "))
        << Cell(properties->TableSummary, 3, 1).toStdString();
    properties->TableSummary->setFocus();
    QTest::keyClick(properties->TableSummary, Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith(
        "Format\tIESNA:LM-63-2002\nFigures\tnot significant: the file did not read completely\n"))
        << QGuiApplication::clipboard()->text().toStdString();
}

} // namespace
} // namespace lumetra::test
