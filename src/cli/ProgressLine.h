#pragma once
// A line on stderr that counts the files done so far ("Checking: 3 of 10 files"). It is drawn only
// when stderr is a terminal, so that pipes and logs never receive it, and at most ten times a
// second.

#include <QElapsedTimer>
#include <QString>
#include <QStringList>
#include <cstddef>

namespace lumetra::cli {

class ProgressLine {
  public:
    // verb starts the line: "Checking", "Converting", marked in the context "lumetra-cli" and
    // shown in the user's language.
    explicit ProgressLine(const char* verb = QT_TRANSLATE_NOOP("lumetra-cli", "Checking"));
    ~ProgressLine() { Clear(); }
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;

    void Show(std::size_t done, std::size_t total);
    // Removes the line, so that report lines on the same terminal start on a clean line.
    void Clear();

  private:
    QString verb_; // translated
    bool terminal_ = false;
    int shownWidth_ = 0;
    QElapsedTimer sinceShown_;
};

// The last line of a batch: "9 written, 1 failed: a.ies: reason (and 2 more, listed above)", in
// the user's language.
QString BatchSummary(std::size_t written, const QStringList& failures);

} // namespace lumetra::cli
