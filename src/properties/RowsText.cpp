#include "RowsText.h"

namespace lumetra::properties {

namespace {

void AppendCell(std::string& text, const std::string& cell) {
    for (const char c : cell)
        text += (c == '\t' || c == '\n' || c == '\r') ? ' ' : c;
}

} // namespace

std::string RowsText(const std::vector<CaptionedValue>& rows) {
    std::string text;
    for (const auto& [caption, value] : rows) {
        AppendCell(text, caption);
        text += '\t';
        AppendCell(text, value);
        text += '\n';
    }
    return text;
}

} // namespace lumetra::properties
