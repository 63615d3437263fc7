#pragma once
// The catalogue's rows as a Qt table: a view on catalogue::CatalogueModel, which owns the rows,
// the filters and the sort. Rows arrive in batches while the folder is read; sorting and
// appending keep the selection (persistent indexes follow their rows).

#include "catalogue/CatalogueModel.h"
#include "surface/LocaleNumbers.h"
#include "translate/Translations.h"

#include <QAbstractTableModel>
#include <vector>

namespace lumetra {

class CatalogueTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit CatalogueTableModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void sort(int column, Qt::SortOrder order) override;

    void Clear();
    void Append(std::vector<catalogue::CatalogueRow> rows);
    void SetSearch(const QString& text);
    void SetRanges(std::vector<catalogue::Range> ranges);

    // The row shown at a table row.
    const catalogue::CatalogueRow& RowAt(int row) const;
    const catalogue::CatalogueModel& Model() const { return model_; }

  private:
    // Reorders the view with the change, moving the persistent indexes along with their rows.
    template <typename Change> void Relayout(Change change);

    // The figures as the locale writes them, the words (status, symmetry) in the language spoken.
    properties::NumberFormat format_ = Worded(LocaleNumberFormat());
    catalogue::CatalogueModel model_{format_};
};

// Text from the core (UTF-8, or a file name's bytes in any encoding) for a widget.
QString CatalogueText(const std::string& bytes);

} // namespace lumetra
