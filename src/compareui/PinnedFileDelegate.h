#pragma once
// The file list's rows with the pinned files marked: bold, with "(pinned)" after the name.

#include <QStyledItemDelegate>
#include <functional>

namespace lumetra::compare {

class PinnedFileDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    // pinned tells whether the file in a row is pinned.
    // rowSize, the list's own delegate, keeps deciding the rows' size (the file list's rows have
    // a fixed height; without it they would have none).
    PinnedFileDelegate(std::function<bool(int row)> pinned, QAbstractItemDelegate* rowSize,
                       QObject* parent);
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

  private:
    std::function<bool(int row)> pinned_;
    QAbstractItemDelegate* rowSize_;
};

} // namespace lumetra::compare
