#include "ProgressLine.h"

#include <QCoreApplication>
#include <cstdio>
#include <unistd.h>

namespace lumetra::cli {

namespace {

constexpr qint64 kIntervalMs = 100;

// Columns the text takes on a terminal: East Asian characters take two.
int TerminalWidth(const QString& text) {
    int width = 0;
    for (const QChar ch : text)
        width += ch.unicode() >= 0x2E80 && ch.unicode() < 0xFF60 ? 2 : 1;
    return width;
}

} // namespace

ProgressLine::ProgressLine(const char* verb)
    : verb_(QCoreApplication::translate("lumetra-cli", verb).toLocal8Bit()),
      terminal_(isatty(STDERR_FILENO) != 0) {}

void ProgressLine::Show(std::size_t done, std::size_t total) {
    if (!terminal_ || (sinceShown_.isValid() && sinceShown_.elapsed() < kIntervalMs))
        return;
    sinceShown_.start();
    std::fflush(stdout); // report lines written so far come before the progress line
    const QByteArray line =
        QCoreApplication::translate("lumetra-cli",
                                    QT_TRANSLATE_N_NOOP("lumetra-cli", "%1: %2 of %n files"),
                                    nullptr, static_cast<int>(total))
            .arg(QString::fromLocal8Bit(verb_))
            .arg(done)
            .toLocal8Bit();
    std::fprintf(stderr, "\r%s", line.constData());
    // Clear blanks columns, not bytes: a translated verb may take several bytes a character.
    shownWidth_ = TerminalWidth(QString::fromLocal8Bit(line));
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
