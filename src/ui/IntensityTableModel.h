#pragma once
// The stored candela table for a table view: rows gamma, columns C, the largest value's cell
// marked. It reads the record in place, so a grid of millions of values costs no copies.

#include "data/Photometry.h"
#include "properties/IntensityTable.h"

#include <QAbstractTableModel>
#include <optional>

namespace lumetra {

class IntensityTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit IntensityTableModel(QObject* parent = nullptr);

    // Shows the record's values times factor, or nothing when given no record; the record must
    // outlive the showing.
    void Show(const tIES* record, QString separator, long double factor = 1);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    std::optional<properties::Cell> MaxCell() const { return max_; }

  private:
    const tIES* record_ = nullptr;
    std::optional<properties::Cell> max_;
    QString separator_;
    long double factor_ = 1;
};

} // namespace lumetra
