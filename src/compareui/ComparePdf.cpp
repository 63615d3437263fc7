// The one-page PDF of a comparison: the files in their colours, both diagrams, the figures with
// their differences (those beyond the tolerance in bold red) and the largest intensity difference.

#include "ComparePicture.h"
#include "compare/ComparisonText.h"
#include "data/Errors.h"
#include "diagrams/DiagramData.h"
#include "surface/LocaleNumbers.h"
#include "surface/PictureFile.h"
#include "surface/QPainterSurface.h"
#include "translate/Translations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>

namespace lumetra::compare {

namespace {

constexpr qreal kMarginMm = 12;
constexpr qreal kGap = 10;
constexpr qreal kRowHeight = 10.5;
constexpr qreal kCaptionShare = 0.27;

QFont PageFont(qreal points, bool bold = false) {
    QFont font("DejaVu Sans");
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

qreal DrawFiles(QPainter& painter, const QRectF& page, const QStringList& files) {
    painter.setFont(PageFont(13, true));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(page.left(), page.top(), page.width(), 18),
                     QCoreApplication::translate("Compare", "Comparison"));
    painter.setFont(PageFont(8));
    qreal y = page.top() + 22;
    for (qsizetype i = 0; i < files.size(); ++i, y += kRowHeight) {
        painter.setPen(
            QPainterSurface::ToQColor(diagrams::SeriesColor(static_cast<std::size_t>(i))));
        const QString text = QString::number(i + 1) + "  " + QFileInfo(files[i]).fileName();
        painter.drawText(QRectF(page.left(), y, page.width(), kRowHeight), Qt::AlignVCenter, text);
    }
    return y - page.top();
}

qreal DrawDiagrams(QPainter& painter, const QRectF& page, const CompareDrawing& drawing) {
    const int half = static_cast<int>(page.width() / 2);
    const int height = static_cast<int>(page.width() * 0.5);
    const QPoint origin(static_cast<int>(page.left()), static_cast<int>(page.top()));
    PaintDiagram(painter, QRect(origin, QSize(half, height)), drawing, true);
    PaintDiagram(painter, QRect(origin + QPoint(half, 0), QSize(half, height)), drawing, false);
    return height;
}

// A difference takes more room than a value: it carries its per cent too.
constexpr qreal kDifferenceWeight = 1.8;

void DrawCell(QPainter& painter, const QRectF& cell, const std::string& text, bool beyond) {
    painter.setPen(beyond ? QColor(180, 0, 0) : Qt::black);
    painter.setFont(PageFont(6.5, beyond));
    painter.drawText(cell.adjusted(0, 0, -3, 0), Qt::AlignVCenter | Qt::AlignRight,
                     QString::fromStdString(text));
}

void DrawCells(QPainter& painter, const QRectF& row, const FigureTextRow& text) {
    const qreal captionWidth = row.width() * kCaptionShare;
    const qreal weights = static_cast<qreal>(text.Values.size()) +
                          kDifferenceWeight * static_cast<qreal>(text.Differences.size());
    const qreal unit = (row.width() - captionWidth) / std::max<qreal>(weights, 1);
    painter.setPen(Qt::black);
    painter.setFont(PageFont(6.5));
    painter.drawText(QRectF(row.left(), row.top(), captionWidth, row.height()), Qt::AlignVCenter,
                     QString::fromStdString(text.Caption));
    qreal x = row.left() + captionWidth;
    for (const std::string& value : text.Values) {
        DrawCell(painter, QRectF(x, row.top(), unit, row.height()), value, false);
        x += unit;
    }
    for (std::size_t i = 0; i < text.Differences.size(); ++i) {
        const qreal width = unit * kDifferenceWeight;
        DrawCell(painter, QRectF(x, row.top(), width, row.height()), text.Differences[i],
                 text.Beyond[i]);
        x += width;
    }
}

// Column titles: the files' numbers, then "2 - 1" and so on.
FigureTextRow HeaderRow(std::size_t files) {
    FigureTextRow header;
    for (std::size_t i = 0; i < files; ++i)
        header.Values.push_back(std::to_string(i + 1));
    for (std::size_t i = 1; i < files; ++i) {
        header.Differences.push_back(std::to_string(i + 1) + " \u2212 1");
        header.Beyond.push_back(false);
    }
    return header;
}

qreal DrawFigures(QPainter& painter, const QRectF& page, const Comparison& comparison) {
    qreal y = page.top();
    DrawCells(painter, QRectF(page.left(), y, page.width(), kRowHeight),
              HeaderRow(comparison.Summaries.size()));
    y += kRowHeight;
    for (std::size_t i = 0; i < comparison.Figures.size(); ++i, y += kRowHeight) {
        const QRectF row(page.left(), y, page.width(), kRowHeight);
        if (i % 2 == 1)
            painter.fillRect(row, QColor(242, 242, 242));
        DrawCells(painter, row, FigureTextOf(comparison.Figures[i], Worded(LocaleNumberFormat())));
    }
    return y - page.top();
}

void DrawLargest(QPainter& painter, const QRectF& page, const Comparison& comparison) {
    painter.setFont(PageFont(8));
    painter.setPen(Qt::black);
    const bool typeC = summary::IsTypeC(comparison.Summaries.front().Type);
    QString text;
    if (!LargestOverall(comparison))
        text =
            QString::fromStdString(NotComparedText(comparison.Unit, Worded(LocaleNumberFormat())));
    else
        text = QCoreApplication::translate("Compare", "Largest intensity difference, %1:")
                   .arg(QString::fromStdString(ComparedWhereText(
                       comparison.SharedGrid, comparison.Thinned, Worded(LocaleNumberFormat()))));
    for (std::size_t i = 1; i < comparison.Largest.size(); ++i)
        if (comparison.Largest[i])
            text +=
                QString("\n%1 - 1: %2")
                    .arg(i + 1)
                    .arg(QString::fromStdString(LargestText(*comparison.Largest[i], comparison.Unit,
                                                            typeC, Worded(LocaleNumberFormat()))));
    painter.drawText(page, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
}

void DrawPage(QPainter& painter, QRectF page, const QStringList& files,
              const Comparison& comparison, const CompareDrawing& drawing) {
    page.setTop(page.top() + DrawFiles(painter, page, files) + kGap);
    page.setTop(page.top() + DrawDiagrams(painter, page, drawing) + kGap);
    page.setTop(page.top() + DrawFigures(painter, page, comparison) + kGap);
    DrawLargest(painter, page, comparison);
}

} // namespace

void WriteComparePdf(const QString& pdfName, const QStringList& files, const Comparison& comparison,
                     const CompareDrawing& drawing, QPageSize::PageSizeId pageSize) {
    if (comparison.Summaries.empty())
        CannotWrite(pdfName);
    WritePdf(pdfName, {pageSize, kMarginMm, QCoreApplication::translate("Compare", "Comparison")},
             [&](QPdfWriter& writer, QPainter& painter) {
                 DrawPage(painter, QRectF(0, 0, writer.width(), writer.height()), files, comparison,
                          drawing);
             });
}

} // namespace lumetra::compare
