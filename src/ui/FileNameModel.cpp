#include "FileNameModel.h"

#include <QSize>
#include <algorithm>
#include <limits>

namespace lumetra {

void FileNameModel::SetNames(FolderNames names, int rowWidth) {
    beginResetModel();
    names_ = std::move(names);
    rowWidth_ = rowWidth;
    endResetModel();
}

int FileNameModel::rowCount(const QModelIndex& parent) const {
    constexpr std::size_t most = std::numeric_limits<int>::max();
    return parent.isValid() ? 0 : static_cast<int>(std::min(names_.size(), most));
}

QVariant FileNameModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || static_cast<std::size_t>(index.row()) >= names_.size())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return ShownName(names_[static_cast<std::size_t>(index.row())]);
    case Qt::SizeHintRole:
        return rowWidth_ > 0 ? QVariant(QSize(rowWidth_, 0)) : QVariant();
    default:
        return {};
    }
}

} // namespace lumetra
