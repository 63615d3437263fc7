#include "FileText.h"

#include "data/ReadableText.h"

#include <algorithm>

namespace lumetra::properties {

ShownText TextToShow(const TextLines& fileLines) {
    ShownText shown;
    const std::size_t count = std::min(fileLines.size(), kShownLines);
    TextLines lines(fileLines.begin(), fileLines.begin() + static_cast<std::ptrdiff_t>(count));
    shown.shortened = count < fileLines.size();
    for (std::string& line : lines) {
        if (line.size() > kShownLineBytes) {
            line.resize(kShownLineBytes); // may split a character; decoding then reads it as such
            shown.shortened = true;
        }
    }
    for (const std::string& line : DecodeReadableLines(lines).lines) {
        shown.text += line;
        shown.text += '\n';
    }
    if (!shown.text.empty())
        shown.text.pop_back();
    return shown;
}

} // namespace lumetra::properties
