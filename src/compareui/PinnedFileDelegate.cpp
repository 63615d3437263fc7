#include "PinnedFileDelegate.h"

namespace lumetra::compare {

PinnedFileDelegate::PinnedFileDelegate(std::function<bool(int row)> pinned,
                                       QAbstractItemDelegate* rowSize, QObject* parent)
    : QStyledItemDelegate(parent), pinned_(std::move(pinned)), rowSize_(rowSize) {}

QSize PinnedFileDelegate::sizeHint(const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const {
    return rowSize_ != nullptr ? rowSize_->sizeHint(option, index)
                               : QStyledItemDelegate::sizeHint(option, index);
}

void PinnedFileDelegate::initStyleOption(QStyleOptionViewItem* option,
                                         const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    if (!pinned_(index.row()))
        return;
    option->font.setBold(true);
    option->text += tr(" (pinned)");
}

} // namespace lumetra::compare
