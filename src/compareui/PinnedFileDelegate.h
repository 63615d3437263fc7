#pragma once
// The file list's rows with the pinned files marked: bold, with "(pinned)" after the name.

#include <QStyledItemDelegate>
#include <functional>

namespace lumetra::compare {

class PinnedFileDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    // pinned tells whether the file in a row is pinned.
    PinnedFileDelegate(std::function<bool(int row)> pinned, QObject* parent);

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

  private:
    std::function<bool(int row)> pinned_;
};

} // namespace lumetra::compare
