#include "CatalogueModel.h"

#include "data/AsciiCase.h"

#include <algorithm>
#include <sstream>

namespace lumetra::catalogue {

namespace {

std::string Folded(std::string text) {
    for (char& c : text)
        c = AsciiLower(c);
    return text;
}

// The text columns of a row as shown, folded and joined with a separator no word contains.
std::string SearchText(const CatalogueRow& row, const properties::NumberFormat& format) {
    std::string text;
    for (const ColumnInfo& info : Columns()) {
        if (!info.numeric)
            text += Folded(CellText(row, info.column, format)) + '\n';
    }
    return text;
}

// Texts compare ignoring ASCII case, then byte by byte.
int CompareText(const std::string& a, const std::string& b) {
    const auto folded = std::lexicographical_compare_three_way(
        a.begin(), a.end(), b.begin(), b.end(),
        [](char x, char y) { return AsciiLower(x) <=> AsciiLower(y); });
    if (folded != 0)
        return folded < 0 ? -1 : 1;
    return a.compare(b) < 0 ? -1 : (a == b ? 0 : 1);
}

} // namespace

void CatalogueModel::Clear() {
    rows_.clear();
    searchText_.clear();
    view_.clear();
    sortedUpTo_ = 0;
    staged_.clear();
    stagedText_.clear();
}

std::size_t CatalogueModel::Append(std::vector<CatalogueRow> rows) {
    Stage(std::move(rows));
    return Commit();
}

std::size_t CatalogueModel::Stage(std::vector<CatalogueRow> rows) {
    std::size_t joining = 0;
    for (CatalogueRow& row : rows) {
        stagedText_.push_back(SearchText(row, textFormat_));
        joining += Matches(row, stagedText_.back()) ? 1 : 0;
        staged_.push_back(std::move(row));
    }
    return joining;
}

std::size_t CatalogueModel::Commit() {
    const std::size_t before = view_.size();
    for (std::size_t i = 0; i < staged_.size(); ++i) {
        searchText_.push_back(std::move(stagedText_[i]));
        rows_.push_back(std::move(staged_[i]));
        if (Matches(rows_.size() - 1))
            view_.push_back(rows_.size() - 1);
    }
    staged_.clear();
    stagedText_.clear();
    return view_.size() - before;
}

void CatalogueModel::SetSearch(const std::string& text) {
    words_.clear();
    std::istringstream stream(Folded(text));
    for (std::string word; stream >> word;)
        words_.push_back(word);
    Refilter();
}

void CatalogueModel::SetRanges(std::vector<Range> ranges) {
    ranges_ = std::move(ranges);
    Refilter();
}

void CatalogueModel::SortBy(std::optional<Column> column, bool ascending) {
    sortColumn_ = column;
    ascending_ = ascending;
    sortedUpTo_ = 0;
    Resort();
}

// Ties keep view order: the merge puts the sorted rows' ties before the new ones', as a stable
// sort of the whole view would.
void CatalogueModel::Resort() {
    const auto sorted =
        view_.begin() + static_cast<std::ptrdiff_t>(std::min(sortedUpTo_, view_.size()));
    sortedUpTo_ = view_.size();
    if (!sortColumn_) {
        std::sort(sorted, view_.end());
        std::inplace_merge(view_.begin(), sorted, view_.end());
        return;
    }
    const auto before = [this](std::size_t a, std::size_t b) { return Before(a, b); };
    std::stable_sort(sorted, view_.end(), before);
    std::inplace_merge(view_.begin(), sorted, view_.end(), before);
}

std::size_t CatalogueModel::Matching(const std::vector<CatalogueRow>& rows) const {
    return static_cast<std::size_t>(
        std::count_if(rows.begin(), rows.end(), [this](const auto& row) {
            return Matches(row, SearchText(row, textFormat_));
        }));
}

bool CatalogueModel::Matches(const CatalogueRow& row, const std::string& text) const {
    for (const std::string& word : words_)
        if (text.find(word) == std::string::npos)
            return false;
    return std::all_of(ranges_.begin(), ranges_.end(), [&row](const Range& range) {
        return InRange(range, NumberOf(row, range.column));
    });
}

void CatalogueModel::Refilter() {
    view_.clear();
    sortedUpTo_ = 0;
    for (std::size_t id = 0; id < rows_.size(); ++id)
        if (Matches(id))
            view_.push_back(id);
    Resort();
}

// Undefined numbers go last whichever the direction; ties keep file order (stable sort).
bool CatalogueModel::Before(std::size_t a, std::size_t b) const {
    const Column column = *sortColumn_;
    if (Info(column).numeric) {
        const auto x = NumberOf(rows_[a], column);
        const auto y = NumberOf(rows_[b], column);
        if (!x || !y)
            return x.has_value() && !y.has_value();
        return ascending_ ? *x < *y : *y < *x;
    }
    const int order = CompareText(CellText(rows_[a], column, textFormat_),
                                  CellText(rows_[b], column, textFormat_));
    return ascending_ ? order < 0 : order > 0;
}

} // namespace lumetra::catalogue
