#include "ReportedLine.h"

namespace lumetra::properties {

std::optional<std::size_t> ReportedLine(std::string_view message) {
    constexpr std::string_view kLine = "Line ";
    for (auto at = message.find(kLine); at != std::string_view::npos;
         at = message.find(kLine, at + 1)) {
        std::size_t line = 0;
        std::size_t i = at + kLine.size();
        // Nine digits are more lines than any file the loader accepts; more would overflow.
        for (; i < message.size() && i < at + kLine.size() + 9 && message[i] >= '0' &&
               message[i] <= '9';
             ++i)
            line = line * 10 + static_cast<std::size_t>(message[i] - '0');
        if (i > at + kLine.size())
            return line == 0 ? std::nullopt : std::optional<std::size_t>(line);
    }
    return std::nullopt;
}

} // namespace lumetra::properties
