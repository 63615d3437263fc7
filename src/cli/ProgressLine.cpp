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

} // namespace lumetra::cli
