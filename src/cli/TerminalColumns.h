#pragma once
// How many columns a text takes on a terminal: characters, not bytes ("°" and "−" take two or
// three bytes), and two for an East Asian character. Used to pad tables and to blank lines.

#include <QString>

namespace lumetra::cli {

inline int TerminalColumns(const QString& text) {
    int columns = 0;
    for (const QChar ch : text)
        if (!ch.isLowSurrogate())
            columns += ch.unicode() >= 0x2E80 && ch.unicode() < 0xFF60 ? 2 : 1;
    return columns;
}

} // namespace lumetra::cli
