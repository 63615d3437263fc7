#pragma once
// The catalogue as a table: every row read so far, and which of them show in what order. Rows
// are kept in the order they arrive (file order); the view is the list of row ids that pass the
// text search and the range filters, sorted by one column. The window shows this model through a
// Qt item model and forwards the search, the ranges and the header clicks to it.

#include "CatalogueColumns.h"
#include "CatalogueRow.h"
#include "RangeFilter.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace lumetra::catalogue {

class CatalogueModel {
  public:
    CatalogueModel() = default;
    // Search and text sorting go by the words as shown: symmetry and "n/a" in format's language.
    explicit CatalogueModel(properties::NumberFormat textFormat)
        : textFormat_(std::move(textFormat)) {}

    void Clear();
    // Adds rows at the end of the view when they pass the filters, unsorted; Resort() puts them
    // in place. Returns how many joined the view.
    std::size_t Append(std::vector<CatalogueRow> rows);
    // Append in two steps, for a view that announces the rows before they join: Stage makes each
    // row's search text once and returns how many will join, Commit appends them.
    std::size_t Stage(std::vector<CatalogueRow> rows);
    std::size_t Commit();
    // How many of the rows Append would add to the view.
    std::size_t Matching(const std::vector<CatalogueRow>& rows) const;

    // Every word of the text (any letter case) must occur in one of the text columns.
    void SetSearch(const std::string& text);
    void SetRanges(std::vector<Range> ranges);
    // Sorts the view: numbers numerically with undefined values last, texts ignoring ASCII
    // letter case; equal rows keep file order. No column: file order.
    void SortBy(std::optional<Column> column, bool ascending);
    // Puts rows appended since the last sort in place: sorted among themselves and merged, the
    // same order as sorting the whole view again.
    void Resort();

    std::size_t RowCount() const { return rows_.size(); }
    const CatalogueRow& Row(std::size_t id) const { return rows_[id]; }
    const std::vector<std::size_t>& View() const { return view_; }
    std::optional<Column> SortColumn() const { return sortColumn_; }
    bool Ascending() const { return ascending_; }

  private:
    bool Matches(const CatalogueRow& row, const std::string& searchText) const;
    bool Matches(std::size_t id) const { return Matches(rows_[id], searchText_[id]); }
    void Refilter();
    bool Before(std::size_t a, std::size_t b) const;

    std::vector<CatalogueRow> rows_;
    properties::NumberFormat textFormat_;
    std::vector<std::string> searchText_; // per row: its text columns, folded, for the search
    std::vector<std::size_t> view_;
    std::size_t sortedUpTo_ = 0; // the view's first rows in sorted order
    std::vector<CatalogueRow> staged_;
    std::vector<std::string> stagedText_;
    std::vector<std::string> words_;
    std::vector<Range> ranges_;
    std::optional<Column> sortColumn_;
    bool ascending_ = true;
};

} // namespace lumetra::catalogue
