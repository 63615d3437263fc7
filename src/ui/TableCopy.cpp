#include "TableCopy.h"

#include "properties/RowsText.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QShortcut>
#include <QTableWidget>

namespace lumetra {

namespace {

std::string CellText(const QTableWidget& table, int row, int column) {
    const QTableWidgetItem* item = table.item(row, column);
    return item ? item->text().toStdString() : std::string();
}

} // namespace

std::string TableText(const QTableWidget& table) {
    std::vector<properties::CaptionedValue> rows;
    for (int row = 0; row < table.rowCount(); ++row)
        rows.emplace_back(CellText(table, row, 0), CellText(table, row, 1));
    return properties::RowsText(rows);
}

void InstallTableCopy(QTableWidget& table) {
    auto* copy = new QShortcut(QKeySequence::Copy, &table);
    copy->setContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(copy, &QShortcut::activated, &table, [&table] {
        QGuiApplication::clipboard()->setText(QString::fromStdString(TableText(table)));
    });
}

} // namespace lumetra
