#include "ProgressLine.h"

#include "TerminalColumns.h"

#include <QCoreApplication>
#include <cstdio>
#include <unistd.h>

namespace lumetra::cli {

namespace {

constexpr qint64 kIntervalMs = 100;

} // namespace

ProgressLine::ProgressLine(const char* verb)
    : verb_(QCoreApplication::translate("lumetra-cli", verb)),
      terminal_(isatty(STDERR_FILENO) != 0) {}

void ProgressLine::Show(std::size_t done, std::size_t total) {
    if (!terminal_ || (sinceShown_.isValid() && sinceShown_.elapsed() < kIntervalMs))
        return;
    sinceShown_.start();
    std::fflush(stdout); // report lines written so far come before the progress line
    const QString line =
        QCoreApplication::translate("lumetra-cli",
                                    QT_TRANSLATE_N_NOOP("lumetra-cli", "%1: %2 of %n files"),
                                    nullptr, static_cast<int>(total))
            .arg(verb_)
            .arg(done);
    std::fprintf(stderr, "\r%s", line.toLocal8Bit().constData());
    // Clear blanks columns, not bytes: a translated verb may take several bytes a character.
    shownWidth_ = TerminalColumns(line);
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
    QString line = QCoreApplication::translate("lumetra-cli", "%1 written, %2 failed")
                       .arg(written)
                       .arg(failures.size());
    if (failures.isEmpty())
        return line;
    line += ": " + failures.front();
    if (failures.size() > 1)
        line += QCoreApplication::translate(
            "lumetra-cli", QT_TRANSLATE_N_NOOP("lumetra-cli", " (and %n more, listed above)"),
            nullptr, static_cast<int>(failures.size() - 1));
    return line;
}

} // namespace lumetra::cli
