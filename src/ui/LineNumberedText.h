#pragma once
// A read-only monospace text with its line numbers in a margin and one line that can be marked.

#include <QPlainTextEdit>

namespace lumetra {

class LineNumberedText : public QPlainTextEdit {
    Q_OBJECT
  public:
    explicit LineNumberedText(QWidget* parent = nullptr);

    // Marks the line (1-based) and scrolls it into the middle; 0 marks none.
    void MarkLine(int line);
    int MarkedLine() const { return markedLine_; }

    int NumberMarginWidth() const;
    void PaintNumbers(QPaintEvent* event);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void ScrollMargin(const QRect& rect, int dy);

    QWidget* margin_;
    int markedLine_ = 0;
};

} // namespace lumetra
