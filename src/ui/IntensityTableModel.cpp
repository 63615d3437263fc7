#include "IntensityTableModel.h"

#include "properties/FigureText.h"

#include <QBrush>
#include <QFont>

namespace lumetra {

namespace {

QString Number(long double value, const QString& separator) {
    return QString::fromStdString(properties::StoredNumberText(value, separator.toStdString()));
}

} // namespace

IntensityTableModel::IntensityTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void IntensityTableModel::Show(const tIES* record, QString separator, long double factor) {
    beginResetModel();
    record_ = record;
    factor_ = factor;
    separator_ = std::move(separator);
    max_ = record ? properties::MaxCell(*record) : std::nullopt;
    endResetModel();
}

int IntensityTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !record_ ? 0 : static_cast<int>(properties::RowCount(*record_));
}

int IntensityTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() || !record_ ? 0 : static_cast<int>(properties::ColumnCount(*record_));
}

QVariant IntensityTableModel::data(const QModelIndex& index, int role) const {
    const properties::Cell cell{static_cast<std::size_t>(index.row()),
                                static_cast<std::size_t>(index.column())};
    const bool isMax = max_ && max_->row == cell.row && max_->column == cell.column;
    if (role == Qt::DisplayRole && record_) {
        const auto value = properties::CellValue(*record_, cell);
        return value ? Number(*value * factor_, separator_) : QString();
    }
    if (role == Qt::TextAlignmentRole)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role == Qt::BackgroundRole && isMax)
        return QBrush(QColor(255, 200, 120));
    if (role == Qt::ToolTipRole && isMax)
        return QStringLiteral("Maximum");
    return {};
}

QVariant IntensityTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || !record_ || section < 0)
        return {};
    const auto at = static_cast<std::size_t>(section);
    if (orientation == Qt::Horizontal)
        return "C " + Number(record_->HorizontalAngles[at], separator_) + QChar(0x00B0);
    return QChar(0x03B3) + QString(" ") + Number(record_->VerticalAngles[at], separator_) +
           QChar(0x00B0);
}

} // namespace lumetra
