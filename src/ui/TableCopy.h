#pragma once
// Ctrl+C (the platform's copy keys) on a two-column table copies the whole table as text, one
// row a line, caption and value separated by a tab.

#include <string>

class QTableWidget;

namespace lumetra {

void InstallTableCopy(QTableWidget& table);

// The table's rows as the copy puts them on the clipboard.
std::string TableText(const QTableWidget& table);

} // namespace lumetra
