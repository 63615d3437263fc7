// The Catalogue window's section of the settings: applied when the window first opens, taken
// when it closes; and the fitting of the columns that have no stored width.

#include "CatalogueWindow.h"
#include "WindowBounds.h"
#include "catalogue/CatalogueColumns.h"

#include <QHeaderView>
#include <QSignalBlocker>
#include <algorithm>

namespace lumetra {

namespace {

// A fitted text column stops at about this many characters: file names and luminaire names run
// long, and one long name must not push the figures out of sight. The header is never cut.
constexpr int kMostFittedCharacters = 32;
constexpr int kMostColumnWidth = 4000; // pixels; a larger stored width is a faulty one

} // namespace

void CatalogueWindow::ApplySettings(const SectionRead<CatalogueSection>& read) {
    const CatalogueSection& window = read.values;
    KeysRead keys(read.keysRead);
    if (keys.Next())
        SetWindowWidth(*this, window.width.value_or(width()));
    if (keys.Next())
        SetWindowHeight(*this, window.height.value_or(height()));
    if (keys.Next() && window.left)
        SetWindowLeft(*this, *window.left);
    if (keys.Next() && window.top)
        SetWindowTop(*this, *window.top);
    if (keys.Next()) {
        const QSignalBlocker quiet(subfolders_); // the folder is read once it is known
        subfolders_->setChecked(window.subfolders);
    }
    if (keys.Next() && keys.Next())
        ApplySort(window.sortColumn, window.descending);
    if (keys.Next())
        ApplyColumnWidths(window.columnWidths);
    if (keys.Next())
        ApplyColumnOrder(window.columnOrder);
    ThrowReadError(read);
}

CatalogueSection CatalogueWindow::SettingsToStore() const {
    const QRect bounds = NormalBounds(*this);
    CatalogueSection window;
    window.width = bounds.width();
    window.height = bounds.height();
    window.left = bounds.x();
    window.top = bounds.y();
    window.subfolders = subfolders_->isChecked();
    const auto column = model_->Model().SortColumn();
    window.sortColumn = column ? static_cast<int>(*column) : -1;
    window.descending = column && !model_->Model().Ascending();
    const QHeaderView* header = table_->horizontalHeader();
    for (int i = 0; i < model_->columnCount(); ++i) {
        window.columnWidths.push_back(header->sectionSize(i));
        window.columnOrder.push_back(header->logicalIndex(i));
    }
    return window;
}

// A column number the table does not have sorts by none (file order).
void CatalogueWindow::ApplySort(int column, bool descending) {
    if (column < 0 || column >= model_->columnCount())
        column = -1;
    table_->sortByColumn(column, descending ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void CatalogueWindow::ApplyColumnWidths(const std::vector<int>& widths) {
    QHeaderView* header = table_->horizontalHeader();
    const int columns = model_->columnCount();
    stored_.assign(static_cast<std::size_t>(columns), false);
    for (int i = 0; i < columns && i < static_cast<int>(widths.size()); ++i) {
        const int width = widths[static_cast<std::size_t>(i)];
        if (width <= 0 || width > kMostColumnWidth)
            continue; // fitted instead
        header->resizeSection(i, std::max(width, header->minimumSectionSize()));
        stored_[static_cast<std::size_t>(i)] = true;
    }
}

// Columns dragged to other places come back there; an order that leaves out a column, repeats
// one or names one the table does not have (a file from another version) is ignored.
void CatalogueWindow::ApplyColumnOrder(const std::vector<int>& order) {
    const int columns = model_->columnCount();
    std::vector<int> sorted = order;
    std::sort(sorted.begin(), sorted.end());
    for (int i = 0; i < static_cast<int>(sorted.size()); ++i)
        if (sorted[static_cast<std::size_t>(i)] != i)
            return;
    if (static_cast<int>(order.size()) != columns)
        return;
    QHeaderView* header = table_->horizontalHeader();
    for (int visual = 0; visual < columns; ++visual)
        header->moveSection(header->visualIndex(order[static_cast<std::size_t>(visual)]), visual);
}

// Once, on the first rows: each column without a stored width as wide as its header and its
// rows, a text column at most kMostFittedCharacters wide unless its header is wider.
void CatalogueWindow::FitColumns() {
    fitted_ = true;
    QHeaderView* header = table_->horizontalHeader();
    const int most = fontMetrics().averageCharWidth() * kMostFittedCharacters;
    for (int i = 0; i < model_->columnCount(); ++i) {
        if (static_cast<std::size_t>(i) < stored_.size() && stored_[static_cast<std::size_t>(i)])
            continue;
        table_->resizeColumnToContents(i);
        const int headerWidth = header->sectionSizeHint(i);
        header->resizeSection(i, std::max(headerWidth, std::min(header->sectionSize(i), most)));
    }
}

void CatalogueWindow::WriteSettings() {
    if (settings_ && placed_)
        settings_->WriteCatalogue(SettingsToStore());
}

} // namespace lumetra
