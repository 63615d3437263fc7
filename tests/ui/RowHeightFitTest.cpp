// Rows measured once per change get the heights a header in ResizeToContents mode gives, as the
// text wraps differently at another width and as rows arrive later.

#include "ui/RowHeightFit.h"

#include <QApplication>
#include <QHeaderView>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace lumetra::test {
namespace {

const QStringList kValues = {
    "1 234 lm",
    "",
    "A continued keyword's value, long enough to wrap onto two or three lines at any width "
    "the window offers, and more so when the window narrows",
    "first line\nsecond line",
    "Narrow-beam downlight with a very long catalogue description that wraps as well",
};

std::unique_ptr<QTableWidget> Table() {
    auto table = std::make_unique<QTableWidget>(0, 2);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    table->setWordWrap(true);
    table->resize(320, 400);
    return table;
}

void Fill(QTableWidget& table) {
    for (const QString& value : kValues) {
        const int row = table.rowCount();
        table.insertRow(row);
        table.setItem(row, 0, new QTableWidgetItem(QString("Caption %1").arg(row)));
        table.setItem(row, 1, new QTableWidgetItem(value));
    }
    table.resizeColumnToContents(0);
}

void ExpectSameRows(const QTableWidget& fitted, const QTableWidget& reference, const char* when) {
    ASSERT_EQ(fitted.rowCount(), reference.rowCount()) << when;
    for (int row = 0; row < reference.rowCount(); ++row)
        EXPECT_EQ(fitted.rowHeight(row), reference.rowHeight(row)) << when << ", row " << row;
}

TEST(RowHeightFit, RowsAreAsHighAsResizeToContentsMakesThem) {
    const auto reference = Table();
    reference->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    const auto fitted = Table();
    auto* fit = new RowHeightFit(*fitted);
    Fill(*reference);
    Fill(*fitted);
    fit->Fit();
    reference->show();
    fitted->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(fitted.get()));
    QApplication::processEvents();
    ExpectSameRows(*fitted, *reference, "filled");
    EXPECT_GT(reference->rowHeight(2), reference->rowHeight(0)) << "the long value wraps";

    for (QTableWidget* table : {reference.get(), fitted.get()})
        table->resize(200, 400);
    QApplication::processEvents();
    ExpectSameRows(*fitted, *reference, "narrowed");

    for (QTableWidget* table : {reference.get(), fitted.get()})
        table->item(0, 1)->setText(kValues[2]);
    QApplication::processEvents();
    ExpectSameRows(*fitted, *reference, "a value changed");
}

} // namespace
} // namespace lumetra::test
