#include "TableCopy.h"

#include "properties/RowsText.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QTableWidget>

namespace lumetra {

namespace {

std::string CellText(const QTableWidget& table, int row, int column) {
    const QTableWidgetItem* item = table.item(row, column);
    return item ? item->text().toStdString() : std::string();
}

// The view copies only its current cell on the copy keys, ahead of any shortcut; the filter sees
// the key first and copies the whole table instead.
class WholeTableCopy : public QObject {
  public:
    explicit WholeTableCopy(QTableWidget& table) : QObject(&table), table_(table) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress ||
            !static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy))
            return QObject::eventFilter(watched, event);
        QGuiApplication::clipboard()->setText(QString::fromStdString(TableText(table_)));
        return true;
    }

  private:
    QTableWidget& table_;
};

} // namespace

std::string TableText(const QTableWidget& table) {
    std::vector<properties::CaptionedValue> rows;
    rows.reserve(static_cast<std::size_t>(table.rowCount()));
    for (int row = 0; row < table.rowCount(); ++row)
        rows.emplace_back(CellText(table, row, 0), CellText(table, row, 1));
    return properties::RowsText(rows);
}

void InstallTableCopy(QTableWidget& table) {
    table.installEventFilter(new WholeTableCopy(table));
}

} // namespace lumetra
