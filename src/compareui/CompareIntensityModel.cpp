#include "CompareIntensityModel.h"

#include "compare/ComparisonText.h"
#include "properties/FigureText.h"
#include "surface/LocaleNumbers.h"

#include <QBrush>
#include <QColor>

namespace lumetra::compare {

namespace {

constexpr std::size_t kKeptColumns = 256;

QString AngleText(long double angle) {
    return QString::fromStdString(properties::FigureText(angle, properties::kDegree));
}

} // namespace

CompareIntensityModel::CompareIntensityModel(QObject* parent) : QAbstractTableModel(parent) {}

void CompareIntensityModel::Show(std::shared_ptr<const IntensityComparison> comparison,
                                 std::size_t file, IntensityUnit unit, bool typeC) {
    beginResetModel();
    comparison_ = comparison && comparison->Comparable() ? std::move(comparison) : nullptr;
    file_ = file;
    unit_ = unit;
    typeC_ = typeC;
    largest_ = comparison_ ? comparison_->Largest(file) : std::nullopt;
    columns_.clear();
    endResetModel();
}

int CompareIntensityModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !comparison_
               ? 0
               : static_cast<int>(comparison_->Angles().Verticals.size());
}

int CompareIntensityModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() || !comparison_ ? 0
                                            : static_cast<int>(comparison_->Angles().Planes.size());
}

const tArrEx& CompareIntensityModel::Column(int plane) const {
    const auto found = columns_.find(plane);
    if (found != columns_.end())
        return found->second;
    if (columns_.size() >= kKeptColumns)
        columns_.clear();
    tArrEx first, other;
    comparison_->Row(0, static_cast<std::size_t>(plane), first);
    comparison_->Row(file_, static_cast<std::size_t>(plane), other);
    for (std::size_t v = 0; v < other.size(); ++v)
        other[v] -= first[v];
    return columns_.emplace(plane, std::move(other)).first->second;
}

QVariant CompareIntensityModel::data(const QModelIndex& index, int role) const {
    if (!comparison_ || !index.isValid())
        return {};
    const auto& angles = comparison_->Angles();
    const bool largest = largest_ &&
                         angles.Planes[static_cast<std::size_t>(index.column())] == largest_->C &&
                         angles.Verticals[static_cast<std::size_t>(index.row())] == largest_->Gamma;
    if (role == Qt::BackgroundRole && largest)
        return QBrush(QColor(255, 214, 170));
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    const long double value = Column(index.column())[static_cast<std::size_t>(index.row())];
    return QString::fromStdString(IntensityText(value, unit_, true, LocaleNumberFormat()));
}

QVariant CompareIntensityModel::headerData(int section, Qt::Orientation orientation,
                                           int role) const {
    if (role != Qt::DisplayRole || !comparison_ || section < 0)
        return {};
    const auto at = static_cast<std::size_t>(section);
    if (orientation == Qt::Horizontal)
        return (typeC_ ? "C " : "H ") + AngleText(comparison_->Angles().Planes[at]);
    return (typeC_ ? "\u03b3 " : "V ") + AngleText(comparison_->Angles().Verticals[at]);
}

} // namespace lumetra::compare
