#include "PinnedFileDelegate.h"

namespace lumetra::compare {

PinnedFileDelegate::PinnedFileDelegate(std::function<bool(int row)> pinned, QObject* parent)
    : QStyledItemDelegate(parent), pinned_(std::move(pinned)) {}

void PinnedFileDelegate::initStyleOption(QStyleOptionViewItem* option,
                                         const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    if (!pinned_(index.row()))
        return;
    option->font.setBold(true);
    option->text += tr(" (pinned)");
}

} // namespace lumetra::compare
