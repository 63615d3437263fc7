#include "LineNumberedText.h"

#include <QFontDatabase>
#include <QPainter>
#include <QTextBlock>

namespace lumetra {

namespace {

const QColor kMarkedLine(255, 220, 150);

// The margin paints what the text tells it.
class NumberMargin : public QWidget {
  public:
    explicit NumberMargin(LineNumberedText* text) : QWidget(text), text_(text) {}
    QSize sizeHint() const override { return {text_->NumberMarginWidth(), 0}; }

  protected:
    void paintEvent(QPaintEvent* event) override { text_->PaintNumbers(event); }

  private:
    LineNumberedText* text_;
};

} // namespace

LineNumberedText::LineNumberedText(QWidget* parent)
    : QPlainTextEdit(parent), margin_(new NumberMargin(this)) {
    setReadOnly(true);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    connect(this, &QPlainTextEdit::blockCountChanged, this,
            [this] { setViewportMargins(NumberMarginWidth(), 0, 0, 0); });
    connect(this, &QPlainTextEdit::updateRequest, this, &LineNumberedText::ScrollMargin);
    setViewportMargins(NumberMarginWidth(), 0, 0, 0);
}

int LineNumberedText::NumberMarginWidth() const {
    const auto digits = static_cast<int>(QString::number(std::max(1, blockCount())).size());
    return 8 + fontMetrics().horizontalAdvance(QLatin1Char('9')) * digits;
}

void LineNumberedText::MarkLine(int line) {
    markedLine_ = line;
    QList<QTextEdit::ExtraSelection> marks;
    const QTextBlock block = document()->findBlockByNumber(line - 1);
    if (line > 0 && block.isValid()) {
        QTextEdit::ExtraSelection mark;
        mark.format.setBackground(kMarkedLine);
        mark.format.setProperty(QTextFormat::FullWidthSelection, true);
        mark.cursor = QTextCursor(block);
        marks << mark;
        setTextCursor(mark.cursor);
        centerCursor();
    }
    setExtraSelections(marks);
}

void LineNumberedText::resizeEvent(QResizeEvent* event) {
    QPlainTextEdit::resizeEvent(event);
    const QRect area = contentsRect();
    margin_->setGeometry(area.left(), area.top(), NumberMarginWidth(), area.height());
}

void LineNumberedText::ScrollMargin(const QRect& rect, int dy) {
    if (dy != 0)
        margin_->scroll(0, dy);
    else
        margin_->update(0, rect.y(), margin_->width(), rect.height());
}

void LineNumberedText::PaintNumbers(QPaintEvent* event) {
    QPainter painter(margin_);
    painter.fillRect(event->rect(), palette().color(QPalette::Window));
    QTextBlock block = firstVisibleBlock();
    int top = qRound(blockBoundingGeometry(block).translated(contentOffset()).top());
    while (block.isValid() && top <= event->rect().bottom()) {
        const int height = qRound(blockBoundingRect(block).height());
        const int number = block.blockNumber() + 1;
        painter.setPen(number == markedLine_ ? Qt::black : Qt::darkGray);
        painter.drawText(0, top, margin_->width() - 4, height, Qt::AlignRight,
                         QString::number(number));
        block = block.next();
        top += height;
    }
}

} // namespace lumetra
