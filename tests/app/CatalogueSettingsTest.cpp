// The Catalogue window keeps its place, the Subfolders box, the sort, the column widths and order
// in a section of its own; a column without a stored width is fitted; a faulty value is reported.

#include "SettingsFixture.h"
#include "ui/CatalogueWindow.h"

#include <QHeaderView>

namespace lumetra::test {
namespace {

class CatalogueSettingsTest : public SettingsFixture {
  protected:
    void SetUp() override {
        SettingsFixture::SetUp();
        settings = std::make_unique<SettingsFile>(settingsName);
        samples = QString::fromStdString(SamplesFolder());
    }

    static int Width(const CatalogueWindow& window, int column) {
        return window.Table()->horizontalHeader()->sectionSize(column);
    }

    QString samples;
};

TEST_F(CatalogueSettingsTest, SortWidthsAndPlaceComeBackInASectionOfTheirOwn) {
    WriteSettings("[Viewer]\r\nWidth=750\r\n");
    {
        CatalogueWindow window(settings.get());
        window.Open(samples);
        window.setGeometry(40, 50, 700, 500);
        window.Table()->sortByColumn(6, Qt::DescendingOrder); // luminous flux
        window.Table()->horizontalHeader()->resizeSection(0, 333);
        window.Table()->horizontalHeader()->moveSection(6, 1); // flux beside the name
        window.close();
    }
    EXPECT_EQ(Stored("Catalogue", "SortColumn"), "6");
    EXPECT_EQ(Stored("Catalogue", "SortDescending"), "1");
    EXPECT_TRUE(Stored("Catalogue", "ColumnWidths").startsWith("333,"));
    EXPECT_EQ(Stored("Viewer", "Width"), "750");

    CatalogueWindow again(settings.get());
    again.Open(samples);
    EXPECT_EQ(again.geometry(), QRect(40, 50, 700, 500));
    EXPECT_EQ(Width(again, 0), 333);
    EXPECT_EQ(again.Table()->horizontalHeader()->visualIndex(6), 1);
    EXPECT_EQ(again.Table()->horizontalHeader()->sortIndicatorSection(), 6);
    EXPECT_EQ(again.Model()->Model().SortColumn(), catalogue::Column::Flux);
    EXPECT_FALSE(again.Model()->Model().Ascending());
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(CatalogueSettingsTest, ColumnsWithoutAStoredWidthAreFittedToTheirHeaderAtLeast) {
    WriteSettings("[Catalogue]\r\nColumnWidths=250,0\r\n");
    CatalogueWindow window(settings.get());
    window.Open(samples);
    ASSERT_TRUE(QTest::qWaitFor([&window] { return window.Filled(); }, 20000));
    const QHeaderView* header = window.Table()->horizontalHeader();
    EXPECT_EQ(Width(window, 0), 250) << "a stored width stays";
    for (int column = 1; column < window.Model()->columnCount(); ++column) {
        SCOPED_TRACE(column);
        EXPECT_GE(Width(window, column), header->sectionSizeHint(column)) << "no header is cut";
        EXPECT_LE(Width(window, column), std::max(header->sectionSizeHint(column),
                                                  window.fontMetrics().averageCharWidth() * 32));
    }
}

TEST_F(CatalogueSettingsTest, AColumnOrderThatIsNoArrangementOfTheColumnsIsIgnored) {
    for (const char* order : {"1,0", "1,0,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,1",
                              "1,0,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,99"}) {
        WriteSettings(QByteArray("[Catalogue]\r\nColumnOrder=") + order + "\r\n");
        CatalogueWindow window(settings.get());
        window.Open(samples);
        EXPECT_EQ(window.Table()->horizontalHeader()->visualIndex(0), 0) << order;
    }
}

TEST_F(CatalogueSettingsTest, AFaultyValueIsReportedAndTheWindowStillOpens) {
    WriteSettings("[Catalogue]\r\nSortColumn=6\r\nColumnWidths=120,wide\r\n");
    CatalogueWindow window(settings.get());
    window.Open(samples);
    EXPECT_TRUE(window.isVisible());
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages.front(), "'wide' is not a valid integer value.");
    EXPECT_EQ(window.Model()->Model().SortColumn(), catalogue::Column::Flux)
        << "the keys before the faulty one are applied";
}

} // namespace
} // namespace lumetra::test
