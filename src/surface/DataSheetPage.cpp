// The data sheet's pages: the title block and the two diagrams across the top of the first page,
// then the light pattern and the tables flowing down two columns, onto a further page when they
// need one; a footer on every page. Lengths are points.

#include "DataSheet.h"
#include "DataSheetTexts.h"
#include "DiagramExport.h"
#include "data/Errors.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>
#include <deque>
#include <functional>

namespace lumetra {

namespace {

using namespace sheet_texts;

constexpr qreal kGap = 12;
constexpr qreal kMarginMm = 15;
constexpr qreal kCellPad = 3;
// The diagrams are drawn on twice as many units as they take on paper, as in a window of that
// size, so their labels keep the proportions they have on screen.
constexpr qreal kDiagramUnitsPerPoint = 2;
// A header value can be megabytes long; a cell shows its start only.
constexpr int kLongestCellText = 400;
const QColor kRuleColor(190, 190, 190);
const QColor kStripeColor(242, 242, 242);
const QColor kHeadingColor(225, 230, 238);

QFont SheetFont(qreal points, bool bold = false) {
    QFont font("Arial");
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

const QFont& TitleFont() {
    static const QFont font = SheetFont(14, true);
    return font;
}
const QFont& TextFont() {
    static const QFont font = SheetFont(8.5);
    return font;
}
const QFont& CellFont() {
    static const QFont font = SheetFont(7.5);
    return font;
}
const QFont& TableTitleFont() {
    static const QFont font = SheetFont(9.5, true);
    return font;
}
const QFont& SmallFont() {
    static const QFont font = SheetFont(7);
    return font;
}

QString Shortened(const QString& text) {
    return text.size() > kLongestCellText ? text.left(kLongestCellText) + QChar(0x2026) : text;
}

// Wrapped text's height in a width.
qreal TextHeight(const QPaintDevice* device, const QFont& font, qreal width, const QString& text) {
    const QFontMetricsF metrics(font, const_cast<QPaintDevice*>(device));
    return metrics
        .boundingRect(QRectF(0, 0, width, 1e6), Qt::TextWordWrap | Qt::AlignLeft, Shortened(text))
        .height();
}

void DrawWrapped(QPainter& painter, const QRectF& box, const QFont& font, const QString& text,
                 Qt::Alignment align = Qt::AlignLeft) {
    painter.setFont(font);
    painter.drawText(box, static_cast<int>(align | Qt::AlignTop | Qt::TextWordWrap),
                     Shortened(text));
}

// A piece of the column flow: its height in the column's width and how to paint it there.
struct FlowItem {
    qreal height = 0;
    bool keepWithNext = false; // a title or heading stays with what follows it
    int table = -1;            // the table a row belongs to, for its title when continued
    std::function<void(QPainter&, const QRectF&)> paint;
};

struct Placed {
    int page = 0;
    QRectF box;
    const FlowItem* item = nullptr;
};

std::vector<qreal> ColumnEdges(const SheetTable& table, qreal width) {
    std::vector<qreal> edges{0};
    for (const qreal share : table.columnShare)
        edges.push_back(edges.back() + share * width);
    return edges;
}

qreal RowHeight(const QPaintDevice* device, const QFont& font, const QStringList& cells,
                const std::vector<qreal>& edges) {
    qreal height = 0;
    for (int c = 0; c < cells.size() && c + 1 < static_cast<int>(edges.size()); ++c)
        height = std::max(
            height, TextHeight(device, font, edges[c + 1] - edges[c] - 2 * kCellPad, cells[c]));
    return height + 3;
}

void PaintRow(QPainter& painter, const QRectF& box, const QStringList& cells,
              const std::vector<qreal>& edges, const QFont& font, const QColor& fill) {
    if (fill.isValid())
        painter.fillRect(box, fill);
    painter.setPen(Qt::black);
    for (int c = 0; c < cells.size() && c + 1 < static_cast<int>(edges.size()); ++c) {
        const QRectF cell(box.left() + edges[c] + kCellPad, box.top() + 1.5,
                          edges[c + 1] - edges[c] - 2 * kCellPad, box.height());
        // Figures after the first column line up on the right in tables with headings.
        const bool figure = c > 0 && edges.size() > 3;
        DrawWrapped(painter, cell, font, cells[c], figure ? Qt::AlignRight : Qt::AlignLeft);
    }
}

FlowItem TitleItem(const QPaintDevice* device, const QString& title, qreal width, int table) {
    FlowItem item;
    item.height = TextHeight(device, TableTitleFont(), width, title) + 3;
    item.keepWithNext = true;
    item.table = table;
    item.paint = [title](QPainter& painter, const QRectF& box) {
        painter.setPen(Qt::black);
        DrawWrapped(painter, box, TableTitleFont(), title);
    };
    return item;
}

void AddTableItems(const QPaintDevice* device, const SheetTable& table, int index, qreal width,
                   std::vector<FlowItem>& items) {
    items.push_back(TitleItem(device, table.title, width, -1));
    const std::vector<qreal> edges = ColumnEdges(table, width);
    if (!table.header.isEmpty()) {
        FlowItem header{RowHeight(device, CellFont(), table.header, edges), true, -1, {}};
        header.paint = [cells = table.header, edges](QPainter& painter, const QRectF& box) {
            QFont bold = CellFont();
            bold.setBold(true);
            PaintRow(painter, box, cells, edges, bold, kHeadingColor);
        };
        items.push_back(header);
    }
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        FlowItem row{RowHeight(device, CellFont(), table.rows[r], edges), false, index, {}};
        const QColor fill = r % 2 == 1 ? kStripeColor : QColor();
        row.paint = [cells = table.rows[r], edges, fill](QPainter& painter, const QRectF& box) {
            PaintRow(painter, box, cells, edges, CellFont(), fill);
        };
        items.push_back(row);
    }
    if (!table.note.isEmpty())
        items.push_back({TextHeight(device, TextFont(), width, table.note), false, -1,
                         [note = table.note](QPainter& painter, const QRectF& box) {
                             DrawWrapped(painter, box, TextFont(), note);
                         }});
    items.push_back({kGap, false, -1, {}}); // space before the next table, painted as nothing
}

FlowItem PatternItem(const QPaintDevice* device, const DataSheetContent& sheet, qreal width) {
    const qreal side = std::min<qreal>(width, 170);
    const qreal caption = TextHeight(device, SmallFont(), width, sheet.lightPatternCaption);
    FlowItem item;
    item.height = (sheet.lightPattern.isNull() ? 0 : side + 4) + caption + kGap;
    item.paint = [&sheet, side](QPainter& painter, const QRectF& box) {
        qreal top = box.top();
        if (!sheet.lightPattern.isNull()) {
            const QRectF picture(box.left() + (box.width() - side) / 2, top, side, side);
            painter.drawImage(picture, sheet.lightPattern);
            painter.setPen(QPen(kRuleColor, 0.5));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(picture.adjusted(-1, -1, 1, 1));
            top += side + 4;
        }
        painter.setPen(Qt::black);
        DrawWrapped(painter, QRectF(box.left(), top, box.width(), box.bottom() - top), SmallFont(),
                    sheet.lightPatternCaption);
    };
    return item;
}

std::vector<FlowItem> FlowItems(const QPaintDevice* device, const DataSheetContent& sheet,
                                qreal width) {
    std::vector<FlowItem> items;
    if (!sheet.notSignificant.isEmpty()) {
        SheetTable verdict;
        verdict.title = SheetText(kSummary);
        verdict.note = sheet.notSignificant.join('\n');
        AddTableItems(device, verdict, 0, width * 2 + kGap, items);
        return items;
    }
    if (!sheet.lightPatternCaption.isEmpty())
        items.push_back(PatternItem(device, sheet, width));
    for (std::size_t t = 0; t < sheet.tables.size(); ++t)
        AddTableItems(device, sheet.tables[t], static_cast<int>(t), width, items);
    return items;
}

// The page's printable area and the parts of it every page shares.
struct PageFrame {
    QRectF area;   // inside the margins
    qreal footer;  // the footer's height at the bottom of area
    qreal columns; // the width of each of the two columns
};

// Where the items go: down the left column, then the right one, then onto the next page; an item
// kept with the next one moves with it. A row that opens a column after rows of its table is
// preceded by the table's title, continued.
class Flow {
  public:
    Flow(const QPaintDevice* device, const PageFrame& frame, qreal firstTop, bool fullWidth)
        : device_(device), frame_(frame), top_(firstTop), fullWidth_(fullWidth) {
        y_ = top_;
    }

    std::vector<Placed> Place(const std::vector<FlowItem>& items, const DataSheetContent& sheet) {
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (!items[i].paint && y_ == top_)
                continue; // no space opens a column
            if (!Fits(GroupHeight(items, i)) && y_ > top_)
                NextColumn();
            if (items[i].table >= 0 && y_ == top_ && lastTable_ == items[i].table)
                PlaceContinued(sheet.tables[static_cast<std::size_t>(items[i].table)].title);
            PlaceItem(items[i]);
            lastTable_ = items[i].table;
        }
        return std::move(placed_);
    }
    int Pages() const { return page_ + 1; }

  private:
    qreal Bottom() const { return frame_.area.bottom() - frame_.footer; }
    qreal Width() const { return fullWidth_ ? frame_.area.width() : frame_.columns; }
    bool Fits(qreal height) const { return y_ + height <= Bottom(); }

    // An item and those it is kept with.
    static qreal GroupHeight(const std::vector<FlowItem>& items, std::size_t i) {
        qreal height = items[i].height;
        while (items[i].keepWithNext && i + 1 < items.size())
            height += items[++i].height;
        return height;
    }

    void NextColumn() {
        if (column_ == 0 && !fullWidth_) {
            column_ = 1;
        } else {
            column_ = 0;
            ++page_;
            top_ = frame_.area.top();
        }
        y_ = top_;
    }

    void PlaceItem(const FlowItem& item) {
        const qreal left = frame_.area.left() + column_ * (frame_.columns + kGap);
        placed_.push_back({page_, QRectF(left, y_, Width(), item.height), &item});
        y_ += item.height;
    }

    void PlaceContinued(const QString& title) {
        continued_.push_back(TitleItem(device_, SheetText(kContinued).arg(title), Width(), -1));
        PlaceItem(continued_.back());
    }

    const QPaintDevice* device_;
    PageFrame frame_;
    qreal top_;
    bool fullWidth_;
    qreal y_ = 0;
    int page_ = 0;
    int column_ = 0;
    int lastTable_ = -1;
    std::vector<Placed> placed_;
    std::deque<FlowItem> continued_; // the continued titles, kept where the placements point
};

// The title block: the file's name, then what the header says the luminaire is.
qreal DrawHeading(QPainter& painter, const QRectF& area, const DataSheetContent& sheet) {
    painter.setPen(Qt::black);
    qreal y = area.top();
    const qreal titleHeight = TextHeight(painter.device(), TitleFont(), area.width(), sheet.title);
    DrawWrapped(painter, QRectF(area.left(), y, area.width(), titleHeight), TitleFont(),
                sheet.title);
    y += titleHeight + 3;
    const qreal captionWidth = 95;
    for (const auto& [caption, value] : sheet.identity) {
        const QString text = QString::fromStdString(value);
        const qreal height =
            TextHeight(painter.device(), TextFont(), area.width() - captionWidth, text);
        QFont bold = TextFont();
        bold.setBold(true);
        DrawWrapped(painter, QRectF(area.left(), y, captionWidth, height), bold,
                    QString::fromStdString(caption));
        DrawWrapped(painter,
                    QRectF(area.left() + captionWidth, y, area.width() - captionWidth, height),
                    TextFont(), text);
        y += height + 1;
    }
    painter.setPen(QPen(kRuleColor, 0.75));
    painter.drawLine(QPointF(area.left(), y + 4), QPointF(area.right(), y + 4));
    return y + 4 + kGap - area.top();
}

void DrawDiagramAt(QPainter& painter, const QRectF& box, const DataSheetContent& sheet,
                   const diagrams::DiagramRequest& request) {
    painter.save();
    painter.translate(box.topLeft());
    painter.scale(1 / kDiagramUnitsPerPoint, 1 / kDiagramUnitsPerPoint);
    const QSize units = (box.size() * kDiagramUnitsPerPoint).toSize();
    PaintDiagram(painter, units, *sheet.diagrams, request);
    painter.restore();
    painter.setPen(QPen(kRuleColor, 0.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box);
}

// The polar and the cartesian diagram side by side; returns the height they take.
qreal DrawDiagrams(QPainter& painter, const QRectF& area, const PageFrame& frame,
                   const DataSheetContent& sheet) {
    if (!sheet.diagrams)
        return 0;
    const qreal side = frame.columns;
    DrawDiagramAt(painter, QRectF(area.left(), area.top(), side, side), sheet, sheet.polar);
    DrawDiagramAt(painter, QRectF(area.left() + side + kGap, area.top(), side, side), sheet,
                  sheet.cartesian);
    return side + kGap;
}

// The source on the first line; the sheet's date and program, and the page, on the second.
void DrawFooter(QPainter& painter, const PageFrame& frame, const DataSheetContent& sheet, int page,
                int pages) {
    const QRectF box(frame.area.left(), frame.area.bottom() - frame.footer + 6, frame.area.width(),
                     frame.footer - 6);
    painter.setPen(QPen(kRuleColor, 0.75));
    painter.drawLine(box.topLeft() - QPointF(0, 3), box.topRight() - QPointF(0, 3));
    painter.setPen(Qt::black);
    painter.setFont(SmallFont());
    const QFontMetricsF metrics(SmallFont(), painter.device());
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop,
                     metrics.elidedText(sheet.footerSource, Qt::ElideMiddle, box.width()));
    const QRectF second = box.adjusted(0, metrics.height(), 0, 0);
    painter.drawText(second, Qt::AlignLeft | Qt::AlignTop, sheet.footerMade);
    painter.drawText(second, Qt::AlignRight | Qt::AlignTop,
                     SheetText(kPage).arg(page + 1).arg(pages));
}

[[noreturn]] void CannotWrite(const QString& fileName, const QString& reason) {
    QString text = "Cannot write " + fileName;
    if (!reason.isEmpty())
        text += ": " + reason;
    throw LumetraError(text.toStdString());
}

int DrawPages(QPdfWriter& writer, QPainter& painter, const DataSheetContent& sheet) {
    const QRectF area(0, 0, writer.width(), writer.height());
    const qreal footer = 2 * QFontMetricsF(SmallFont(), &writer).height() + 8;
    const PageFrame frame{area, footer, (area.width() - kGap) / 2};
    qreal top = area.top() + DrawHeading(painter, area, sheet);
    top += DrawDiagrams(painter, area.adjusted(0, top, 0, 0), frame, sheet);
    const std::vector<FlowItem> items = FlowItems(&writer, sheet, frame.columns);
    Flow flow(&writer, frame, top, !sheet.notSignificant.isEmpty());
    const std::vector<Placed> placed = flow.Place(items, sheet);
    int page = 0;
    for (const Placed& part : placed) {
        while (part.page > page) {
            DrawFooter(painter, frame, sheet, page++, flow.Pages());
            writer.newPage();
        }
        if (part.item->paint)
            part.item->paint(painter, part.box);
    }
    DrawFooter(painter, frame, sheet, page, flow.Pages());
    return flow.Pages();
}

} // namespace

int WriteDataSheet(const QString& pdfName, const DataSheetContent& sheet,
                   QPageSize::PageSizeId pageSize) {
    QSaveFile file(pdfName);
    if (!file.open(QIODevice::WriteOnly))
        CannotWrite(pdfName, file.errorString());
    int pages = 0;
    {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(pageSize));
        writer.setPageMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                              QPageLayout::Millimeter);
        writer.setResolution(72); // one unit is one point
        writer.setTitle(SheetText(kPdfTitle).arg(sheet.title));
        writer.setCreator(sheet.footerMade.section(", ", -1));
        QPainter painter;
        if (!painter.begin(&writer))
            CannotWrite(pdfName, {});
        painter.setRenderHint(QPainter::Antialiasing);
        pages = DrawPages(writer, painter, sheet);
        if (!painter.end())
            CannotWrite(pdfName, {});
    }
    if (!file.commit())
        CannotWrite(pdfName, file.errorString());
    return pages;
}

} // namespace lumetra
