// The data sheet's page: its layout in points, drawn on a PDF writer.

#include "DataSheet.h"
#include "GoniogramExport.h"
#include "PictureFile.h"
#include "data/Errors.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

namespace lumetra {

namespace {

// The goniogram is drawn on this many units, as in a window of that size, then scaled onto the
// page: its scale labels keep the proportions they have on screen.
constexpr int kGoniogramUnits = 400;
constexpr qreal kGap = 12;
constexpr qreal kMarginMm = 15;
const QColor kRuleColor(200, 200, 200);
const QColor kStripeColor(242, 242, 242);

QFont SheetFont(qreal points, bool bold = false) {
    QFont font("arial");
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// One line of text at the top of the space left, elided to its width; returns its height.
qreal DrawLine(QPainter& painter, const QRectF& space, const QString& text, const QFont& font) {
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    const QString shown = metrics.elidedText(text, Qt::ElideRight, space.width());
    painter.drawText(QRectF(space.left(), space.top(), space.width(), metrics.height()),
                     Qt::AlignLeft | Qt::AlignTop, shown);
    return metrics.height();
}

qreal DrawHeading(QPainter& painter, QRectF space, const DataSheetContent& sheet) {
    const qreal top = space.top();
    space.setTop(space.top() + DrawLine(painter, space, sheet.title, SheetFont(15, true)) + 4);
    for (const QString& line : sheet.description)
        space.setTop(space.top() + DrawLine(painter, space, line, SheetFont(9.5)));
    return space.top() - top;
}

// A hairline just outside the picture, clear of labels on its edge.
void DrawFrame(QPainter& painter, const QRectF& box) {
    painter.setPen(QPen(kRuleColor, 0.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box.adjusted(-2, -2, 2, 2));
}

void DrawGoniogramAt(QPainter& painter, const QRectF& box, const DataSheetContent& sheet) {
    painter.save();
    painter.translate(box.topLeft());
    painter.scale(box.width() / kGoniogramUnits, box.height() / kGoniogramUnits);
    PaintGoniogram(painter, QSize(kGoniogramUnits, kGoniogramUnits), *sheet.record, sheet.view);
    painter.restore();
    DrawFrame(painter, box);
}

void DrawLightPatternAt(QPainter& painter, const QRectF& box, const DataSheetContent& sheet) {
    if (!sheet.lightPattern.isNull())
        painter.drawImage(box, sheet.lightPattern);
    DrawFrame(painter, box);
}

// The two pictures side by side, captioned; returns the height they take.
qreal DrawPictures(QPainter& painter, const QRectF& space, const DataSheetContent& sheet) {
    const qreal gonioSide = std::min(space.width() * 0.58, space.height() * 0.40);
    const qreal patternSide = std::min(gonioSide, space.width() - gonioSide - kGap);
    const QRectF gonio(space.left(), space.top(), gonioSide, gonioSide);
    const QRectF pattern(space.right() - patternSide, space.top(), patternSide, patternSide);
    DrawGoniogramAt(painter, gonio, sheet);
    DrawLightPatternAt(painter, pattern, sheet);
    painter.setPen(Qt::black);
    const QFont caption = SheetFont(8);
    const qreal below = gonioSide + 4;
    DrawLine(painter, gonio.translated(0, below), sheet.goniogramCaption, caption);
    return below + DrawLine(painter, pattern.translated(0, patternSide + 4),
                            sheet.lightPatternCaption, caption);
}

void DrawSummaryRow(QPainter& painter, const QRectF& row, const properties::CaptionedValue& line,
                    bool striped) {
    if (striped)
        painter.fillRect(row, kStripeColor);
    const qreal captionWidth = row.width() * 0.4;
    const QRectF caption(row.left() + 3, row.top(), captionWidth - 3, row.height());
    const QRectF value(row.left() + captionWidth, row.top(), row.width() - captionWidth - 3,
                       row.height());
    painter.drawText(caption, Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(line.first));
    painter.drawText(value, Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(line.second));
}

// The summary's rows share the height left, at most a comfortable line each.
void DrawSummary(QPainter& painter, QRectF space, const DataSheetContent& sheet) {
    painter.setPen(Qt::black);
    space.setTop(space.top() +
                 DrawLine(painter, space, "Photometric summary", SheetFont(11, true)) + 3);
    if (!sheet.notSignificant.isEmpty()) {
        for (const QString& line : sheet.notSignificant)
            space.setTop(space.top() + DrawLine(painter, space, line, SheetFont(9)) + 2);
        return;
    }
    if (sheet.summary.empty()) {
        DrawLine(painter, space, "The file holds no photometric data.", SheetFont(9));
        return;
    }
    const qreal rowHeight =
        std::min<qreal>(13, space.height() / static_cast<qreal>(sheet.summary.size()));
    painter.setFont(SheetFont(rowHeight * 0.68));
    for (std::size_t i = 0; i < sheet.summary.size(); ++i) {
        const QRectF row(space.left(), space.top() + static_cast<qreal>(i) * rowHeight,
                         space.width(), rowHeight);
        DrawSummaryRow(painter, row, sheet.summary[i], i % 2 == 1);
    }
}

void DrawSheet(QPainter& painter, QRectF page, const DataSheetContent& sheet) {
    painter.setPen(Qt::black);
    page.setTop(page.top() + DrawHeading(painter, page, sheet) + kGap);
    page.setTop(page.top() + DrawPictures(painter, page, sheet) + kGap);
    DrawSummary(painter, page, sheet);
}

} // namespace

void WriteDataSheet(const QString& pdfName, const DataSheetContent& sheet,
                    QPageSize::PageSizeId pageSize) {
    if (sheet.record == nullptr)
        CannotWrite(pdfName);
    WritePdfPage(pdfName, {pageSize, kMarginMm, "Data sheet of " + sheet.title},
                 [&](QPainter& painter, QRectF area) { DrawSheet(painter, area, sheet); });
}

} // namespace lumetra
