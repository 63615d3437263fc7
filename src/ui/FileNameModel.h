#pragma once
// The names of the file list, one row each. Shown names are made only for the rows on screen, so
// a folder of a hundred thousand files costs little more than the bytes of their names.

#include "FolderEntries.h"

#include <QAbstractListModel>

namespace lumetra {

class FileNameModel : public QAbstractListModel {
    Q_OBJECT
  public:
    using QAbstractListModel::QAbstractListModel;

    // Every row asks for rowWidth, so that the widest name can be scrolled to.
    void SetNames(FolderNames names, int rowWidth);
    const FolderNames& Names() const { return names_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

  private:
    FolderNames names_;
    int rowWidth_ = 0;
};

} // namespace lumetra
