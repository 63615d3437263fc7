#include "ProgressLine.h"

#include <cstdio>
#include <unistd.h>

namespace lumetra::cli {

namespace {
constexpr qint64 kIntervalMs = 100;
}

ProgressLine::ProgressLine(const char* verb) : verb_(verb), terminal_(isatty(STDERR_FILENO) != 0) {}

void ProgressLine::Show(std::size_t done, std::size_t total) {
    if (!terminal_ || (sinceShown_.isValid() && sinceShown_.elapsed() < kIntervalMs))
        return;
    sinceShown_.start();
    std::fflush(stdout); // report lines written so far come before the progress line
    shownWidth_ = std::fprintf(stderr, "\r%s: %zu of %zu files", verb_, done, total);
    std::fflush(stderr);
}

void ProgressLine::Clear() {
    if (shownWidth_ <= 0)
        return;
    std::fprintf(stderr, "\r%*s\r", shownWidth_, "");
    std::fflush(stderr);
    shownWidth_ = 0;
}

QString BatchSummary(std::size_t written, const QStringList& failures) {
    QString line = QString("%1 written, %2 failed").arg(written).arg(failures.size());
    if (failures.isEmpty())
        return line;
    line += ": " + failures.front();
    if (failures.size() > 1)
        line += QString(" (and %1 more, listed above)").arg(failures.size() - 1);
    return line;
}

} // namespace lumetra::cli
