#pragma once
// The intensity differences of one file to the first as a table: a row per compared vertical
// angle, a column per compared plane angle, each cell that file's intensity minus the first
// file's in the unit. Columns are computed when the view asks for them, so a large union of
// angles costs only what is shown. The largest difference's cell is highlighted.

#include "compare/Comparison.h"

#include <QAbstractTableModel>
#include <map>
#include <memory>

namespace lumetra::compare {

class CompareIntensityModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit CompareIntensityModel(QObject* parent = nullptr);

    // Shows file's differences to the first one; comparison may be none (an empty table).
    void Show(std::shared_ptr<const IntensityComparison> comparison, std::size_t file,
              IntensityUnit unit, bool typeC);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    const tArrEx& Column(int plane) const;

    std::shared_ptr<const IntensityComparison> comparison_;
    std::size_t file_ = 1;
    IntensityUnit unit_ = IntensityUnit::Candela;
    bool typeC_ = true;
    std::optional<IntensityDifference> largest_;
    mutable std::map<int, tArrEx> columns_; // computed differences, a bounded number of them
};

} // namespace lumetra::compare
