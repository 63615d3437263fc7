#include "CatalogueTableModel.h"

#include "catalogue/CatalogueColumns.h"

#include <QCoreApplication>
#include <QHash>
#include <QStringDecoder>
#include <optional>

namespace lumetra {

using catalogue::Column;

QString CatalogueText(const std::string& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    return utf8.hasError() ? QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()))
                           : text;
}

CatalogueTableModel::CatalogueTableModel(QObject* parent) : QAbstractTableModel(parent) {}

int CatalogueTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(model_.View().size());
}

int CatalogueTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(catalogue::kColumnCount);
}

const catalogue::CatalogueRow& CatalogueTableModel::RowAt(int row) const {
    return model_.Row(model_.View()[static_cast<std::size_t>(row)]);
}

QVariant CatalogueTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const auto& info = catalogue::Columns()[static_cast<std::size_t>(index.column())];
    if (role == Qt::TextAlignmentRole)
        return info.numeric ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    if (role == Qt::ToolTipRole && info.numeric)
        return {}; // a text column's tooltip shows what a narrow column cuts off
    const auto& row = RowAt(index.row());
    return CatalogueText(catalogue::CellText(row, info.column, format_));
}

QVariant CatalogueTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    return QCoreApplication::translate(
        "Catalogue", catalogue::Columns()[static_cast<std::size_t>(section)].header);
}

template <typename Change> void CatalogueTableModel::Relayout(Change change) {
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<std::size_t> ids;
    for (const QModelIndex& index : before)
        ids.push_back(model_.View()[static_cast<std::size_t>(index.row())]);
    change();
    QHash<std::size_t, int> rowOf;
    for (std::size_t row = 0; row < model_.View().size(); ++row)
        rowOf.insert(model_.View()[row], static_cast<int>(row));
    QModelIndexList after;
    for (qsizetype i = 0; i < before.size(); ++i)
        after.push_back(index(rowOf.value(ids[static_cast<std::size_t>(i)]), before[i].column()));
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void CatalogueTableModel::sort(int column, Qt::SortOrder order) {
    const std::optional<Column> by =
        column < 0 ? std::nullopt : std::optional<Column>(static_cast<Column>(column));
    Relayout([&] { model_.SortBy(by, order == Qt::AscendingOrder); });
}

void CatalogueTableModel::Clear() {
    beginResetModel();
    model_.Clear();
    endResetModel();
}

// New rows join at the end, then a sorted view puts them in place.
void CatalogueTableModel::Append(std::vector<catalogue::CatalogueRow> rows) {
    const std::size_t joining = model_.Stage(std::move(rows));
    if (joining == 0) {
        model_.Commit();
        return;
    }
    const int first = rowCount();
    beginInsertRows({}, first, first + static_cast<int>(joining) - 1);
    model_.Commit();
    endInsertRows();
    if (model_.SortColumn())
        Relayout([this] { model_.Resort(); });
}

void CatalogueTableModel::SetSearch(const QString& text) {
    beginResetModel();
    model_.SetSearch(text.toStdString());
    endResetModel();
}

void CatalogueTableModel::SetRanges(std::vector<catalogue::Range> ranges) {
    beginResetModel();
    model_.SetRanges(std::move(ranges));
    endResetModel();
}

} // namespace lumetra
