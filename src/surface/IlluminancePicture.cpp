#include "IlluminancePicture.h"

#include "contours/Contours.h"
#include "contours/LabelPlacement.h"
#include "contours/RoundLevels.h"
#include "data/Errors.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>

namespace lumetra {

namespace {

constexpr std::size_t kMostLevels = 10;
constexpr qreal kLegendShare = 0.34; // the most of the panel's width the legend takes
constexpr qreal kSwatchShare = 2.2;  // a band's swatch and gap, in font sizes
constexpr int kSmallestFont = 7;
constexpr qreal kRowShare = 1.45; // a legend row's height, in font sizes
constexpr qreal kMarkerRadius = 5;
const QColor kLineColour(40, 40, 40);
const QColor kGridColour(255, 255, 255, 150);

struct Layout {
    QRectF title;
    QRectF plot;
    QRectF legend;
    qreal fontPixels;
    qreal legendFont; // the legend's own size: smaller when its lines would not fit otherwise
    bool legendBelow = false;
};

QFont PictureFont(qreal pixels, bool bold = false) {
    QFont font("DejaVu Sans");
    font.setPixelSize(std::max(kSmallestFont, static_cast<int>(std::lround(pixels))));
    font.setBold(bold);
    return font;
}

QString Number(double value) {
    return QString::fromStdString(contours::LevelText(value));
}

QString FigureText(long double value, const char* unit) {
    return QString::number(static_cast<double>(value), 'g', 4) + " " + unit;
}

// What the legend writes: its title, a line per band from the highest down, then the figures.
struct LegendText {
    QString title;
    std::vector<QString> bands;
    std::vector<QString> figures;
};

QString BandText(const std::vector<double>& levels, std::size_t band) {
    if (levels.empty())
        return "-";
    if (band == levels.size())
        return QString::fromUtf8("\u2265 ") + Number(levels.back());
    if (band == 0)
        return "< " + Number(levels.front());
    return Number(levels[band - 1]) + QString::fromUtf8(" \u2013 ") + Number(levels[band]);
}

LegendText LegendOf(const std::vector<double>& levels, const IlluminancePanel& panel) {
    const char* unit = illuminance::IlluminanceUnit(panel.units);
    LegendText legend{QString("E (%1)").arg(unit), {}, {}};
    for (std::size_t b = levels.size() + 1; b-- > 0;)
        legend.bands.push_back(BandText(levels, b));
    const illuminance::PlaneFigures& f = panel.grid.Figures;
    const QString at = QString(" at (%1, %2) %3")
                           .arg(QString::number(static_cast<double>(f.MaxAt[0]), 'g', 4),
                                QString::number(static_cast<double>(f.MaxAt[1]), 'g', 4),
                                illuminance::LengthUnit(panel.units));
    const QString values[4] = {
        FigureText(f.Max, unit) + at, FigureText(f.Min, unit), FigureText(f.Avg, unit),
        f.MinOverAvg ? QString::number(static_cast<double>(*f.MinOverAvg), 'g', 3) : "n/a"};
    for (int k = 0; k < 4; ++k)
        legend.figures.push_back(panel.texts.figures[k] + ": " + values[k]);
    return legend;
}

// The widths the legend's columns take at a font size: the title and bands (swatches included),
// and the figures.
qreal BandsWidth(const LegendText& legend, qreal font) {
    const QFontMetricsF bold(PictureFont(font, true)), plain(PictureFont(font));
    qreal widest = bold.horizontalAdvance(legend.title);
    for (const QString& band : legend.bands)
        widest = std::max(widest, kSwatchShare * font + plain.horizontalAdvance(band));
    return widest + 0.5 * font;
}

qreal FiguresWidth(const LegendText& legend, qreal font) {
    const QFontMetricsF plain(PictureFont(font));
    qreal widest = 0;
    for (const QString& figure : legend.figures)
        widest = std::max(widest, plain.horizontalAdvance(figure));
    return widest + 0.5 * font;
}

// The legend's font: the picture's, or smaller when the lines need more than the room there is.
qreal FittedFont(qreal font, qreal needed, qreal room) {
    return needed > room ? std::max<qreal>(kSmallestFont, font * room / needed) : font;
}

// The title on top, the plot square below it with room for the axes' labels; the legend beside
// the plot (one column: bands, then figures) or under it (two columns side by side).
Layout SideLayout(const QRectF& area, const LegendText& legend, qreal font) {
    Layout layout{};
    layout.fontPixels = font;
    layout.title = QRectF(area.left(), area.top(), area.width(), 2.2 * font);
    const qreal needed = std::max(BandsWidth(legend, font), FiguresWidth(legend, font));
    const qreal allowed = area.width() * kLegendShare;
    layout.legendFont = FittedFont(font, needed, allowed);
    const qreal legendWidth = std::min(needed, allowed);
    layout.legend = QRectF(area.right() - legendWidth, layout.title.bottom(), legendWidth,
                           area.height() - layout.title.height());
    const qreal left = area.left() + 4.5 * font, bottom = area.bottom() - 3.2 * font;
    const qreal top = layout.title.bottom() + font;
    const qreal side = std::max(0.0, std::min(layout.legend.left() - font - left, bottom - top));
    layout.plot = QRectF(left, top, side, side);
    return layout;
}

Layout BelowLayout(const QRectF& area, const LegendText& legend, qreal font) {
    Layout layout{};
    layout.fontPixels = font;
    layout.legendBelow = true;
    layout.title = QRectF(area.left(), area.top(), area.width(), 2.2 * font);
    const qreal left = area.left() + 4.5 * font, top = layout.title.bottom() + font;
    const qreal needed = BandsWidth(legend, font) + font + FiguresWidth(legend, font);
    layout.legendFont = FittedFont(font, needed, area.right() - left);
    const qreal rows = static_cast<qreal>(legend.bands.size()) + 1.5;
    const qreal legendHeight = rows * kRowShare * layout.legendFont;
    const qreal side = std::max(
        0.0, std::min(area.right() - font - left, area.bottom() - legendHeight - 3.2 * font - top));
    layout.plot = QRectF(left, top, side, side);
    layout.legend =
        QRectF(left, layout.plot.bottom() + 3.2 * font, area.right() - left, legendHeight);
    return layout;
}

// Whichever way gives the larger plot: beside it in wide panels, under it in tall ones.
Layout LayoutOf(const QRectF& area, const IlluminancePanel& panel) {
    // Text follows the panel's smaller side, so that narrow panels keep room for their plot.
    const qreal font = std::clamp(std::min(area.height() / 48, area.width() / 30), 8.0, 18.0);
    const LegendText legend = LegendOf(IsoluxLevels(panel.grid), panel);
    const Layout side = SideLayout(area, legend, font);
    const Layout below = BelowLayout(area, legend, font);
    return below.plot.width() > side.plot.width() ? below : side;
}

struct Mapping {
    QRectF plot;
    double u0, u1, v0, v1;

    explicit Mapping(const QRectF& rect, const illuminance::PlaneGrid& grid)
        : plot(rect), u0(static_cast<double>(grid.U.front())),
          u1(static_cast<double>(grid.U.back())), v0(static_cast<double>(grid.V.front())),
          v1(static_cast<double>(grid.V.back())) {}
    QPointF ToPicture(double u, double v) const {
        return {plot.left() + (u - u0) / (u1 - u0) * plot.width(),
                plot.bottom() - (v - v0) / (v1 - v0) * plot.height()};
    }
};

// The grid in double precision, for drawing.
struct DrawnField {
    std::vector<double> xs, ys, values;
    explicit DrawnField(const illuminance::PlaneGrid& grid)
        : xs(grid.U.begin(), grid.U.end()), ys(grid.V.begin(), grid.V.end()),
          values(grid.E.begin(), grid.E.end()) {}
    contours::SampledField View() const { return {xs, ys, values}; }
};

// Light colours from blue (below the lowest line) to red (above the highest), so that lines and
// labels stay readable on every band.
QColor BandColour(std::size_t band, std::size_t bands) {
    const double share = bands > 1 ? static_cast<double>(band) / static_cast<double>(bands - 1) : 1;
    return QColor::fromHsvF(static_cast<float>(0.67 * (1 - share)), 0.55f, 1.0f);
}

std::size_t BandOf(double value, const std::vector<double>& levels) {
    return static_cast<std::size_t>(std::upper_bound(levels.begin(), levels.end(), value) -
                                    levels.begin());
}

// The field interpolated bilinearly at (u, v), inside the grid.
double FieldAt(const DrawnField& field, double u, double v) {
    const auto cell = [](const std::vector<double>& axis, double x, std::size_t& k) {
        const double t = (x - axis.front()) / (axis.back() - axis.front()) *
                         static_cast<double>(axis.size() - 1);
        const double clamped = std::clamp(t, 0.0, static_cast<double>(axis.size() - 1));
        k = std::min(static_cast<std::size_t>(clamped), axis.size() - 2);
        return clamped - static_cast<double>(k);
    };
    std::size_t i = 0, j = 0;
    const double fu = cell(field.xs, u, i), fv = cell(field.ys, v, j);
    const std::size_t w = field.xs.size();
    const auto at = [&](std::size_t a, std::size_t b) { return field.values[b * w + a]; };
    return (1 - fv) * ((1 - fu) * at(i, j) + fu * at(i + 1, j)) +
           fv * ((1 - fu) * at(i, j + 1) + fu * at(i + 1, j + 1));
}

QImage FalseColour(const DrawnField& field, const std::vector<double>& levels, QSize pixels) {
    QImage image(pixels, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    std::vector<QRgb> colours;
    for (std::size_t b = 0; b <= levels.size(); ++b)
        colours.push_back(BandColour(b, levels.size() + 1).rgb());
    const double u0 = field.xs.front(), u1 = field.xs.back();
    const double v0 = field.ys.front(), v1 = field.ys.back();
    for (int y = 0; y < pixels.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const double v = v1 - (y + 0.5) / pixels.height() * (v1 - v0);
        for (int x = 0; x < pixels.width(); ++x) {
            const double u = u0 + (x + 0.5) / pixels.width() * (u1 - u0);
            line[x] = colours[BandOf(FieldAt(field, u, v), levels)];
        }
    }
    return image;
}

} // namespace

namespace {

void DrawAxes(QPainter& painter, const Mapping& map, const IlluminancePanel& panel, qreal font) {
    const QString unit = illuminance::LengthUnit(panel.units);
    painter.setFont(PictureFont(font));
    const QFontMetricsF metrics(painter.font(), painter.device());
    for (const double u : contours::EvenTicks(map.u0, map.u1)) {
        const qreal x = map.ToPicture(u, map.v0).x();
        painter.setPen(QPen(kGridColour, 1));
        painter.drawLine(QPointF(x, map.plot.top()), QPointF(x, map.plot.bottom()));
        painter.setPen(Qt::black);
        const QString text = Number(u);
        painter.drawText(
            QPointF(x - metrics.horizontalAdvance(text) / 2, map.plot.bottom() + 1.2 * font), text);
    }
    for (const double v : contours::EvenTicks(map.v0, map.v1)) {
        const qreal y = map.ToPicture(map.u0, v).y();
        painter.setPen(QPen(kGridColour, 1));
        painter.drawLine(QPointF(map.plot.left(), y), QPointF(map.plot.right(), y));
        painter.setPen(Qt::black);
        const QString text = Number(v);
        painter.drawText(QPointF(map.plot.left() - metrics.horizontalAdvance(text) - 0.4 * font,
                                 y + 0.35 * font),
                         text);
    }
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(map.plot);
    const QString uTitle = panel.texts.uAxis + " (" + unit + ")";
    painter.drawText(QPointF(map.plot.center().x() - metrics.horizontalAdvance(uTitle) / 2,
                             map.plot.bottom() + 2.6 * font),
                     uTitle);
    painter.save();
    painter.translate(map.plot.left() - 3.4 * font, map.plot.center().y());
    painter.rotate(-90);
    const QString vTitle = panel.texts.vAxis + " (" + unit + ")";
    painter.drawText(QPointF(-metrics.horizontalAdvance(vTitle) / 2, 0), vTitle);
    painter.restore();
}

struct Isolux {
    double level;
    std::vector<QPointF> points;
    bool closed;
};

std::vector<Isolux> IsoluxLines(const DrawnField& field, const std::vector<double>& levels,
                                const Mapping& map) {
    std::vector<Isolux> lines;
    for (auto level = levels.rbegin(); level != levels.rend(); ++level) // highest first
        for (const contours::ContourLine& line : contours::Contours(field.View(), *level)) {
            Isolux drawn{*level, {}, line.closed};
            for (const contours::Point& p : line.points)
                drawn.points.push_back(map.ToPicture(p.x, p.y));
            lines.push_back(std::move(drawn));
        }
    return lines;
}

void DrawLines(QPainter& painter, const std::vector<Isolux>& lines) {
    painter.setPen(QPen(kLineColour, 1.2));
    painter.setBrush(Qt::NoBrush);
    for (const Isolux& line : lines) {
        QPolygonF polygon(line.points.begin(), line.points.end());
        if (line.closed)
            painter.drawPolygon(polygon);
        else
            painter.drawPolyline(polygon);
    }
}

contours::Box BoxOf(const QRectF& rect) {
    return {rect.left(), rect.top(), rect.width(), rect.height()};
}

void DrawLabels(QPainter& painter, const std::vector<Isolux>& lines, const QRectF& plot,
                const std::vector<QRectF>& keepFree, qreal font) {
    painter.setFont(PictureFont(0.9 * font));
    const QFontMetricsF metrics(painter.font(), painter.device());
    std::vector<contours::LabelRequest> requests;
    for (const Isolux& line : lines) {
        contours::LabelRequest request{
            {}, metrics.horizontalAdvance(Number(line.level)) + 0.6 * font, metrics.height()};
        for (const QPointF& p : line.points)
            request.path.push_back({p.x(), p.y()});
        requests.push_back(std::move(request));
    }
    std::vector<contours::Box> free;
    free.reserve(static_cast<std::size_t>(keepFree.size()));
    for (const QRectF& rect : keepFree)
        free.push_back(BoxOf(rect));
    for (const contours::PlacedLabel& label : contours::PlaceLabels(requests, BoxOf(plot), free)) {
        const QRectF box(label.box.left, label.box.top, label.box.width, label.box.height);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, 220));
        painter.drawRoundedRect(box, 2, 2);
        painter.setPen(Qt::black);
        painter.drawText(box, Qt::AlignCenter, Number(lines[label.request].level));
    }
}

// The luminaire's marker and the C0 arrow; returns the boxes labels must keep clear of.
std::vector<QRectF> DrawLuminaire(QPainter& painter, const Mapping& map,
                                  const IlluminancePanel& panel, qreal font) {
    if (!panel.luminaire)
        return {};
    const QPointF at = map.ToPicture(panel.luminaire->x(), panel.luminaire->y());
    if (!map.plot.contains(at))
        return {};
    std::vector<QRectF> taken;
    painter.setPen(QPen(Qt::black, 1.5));
    painter.setBrush(Qt::white);
    painter.drawEllipse(at, kMarkerRadius, kMarkerRadius);
    painter.drawLine(at - QPointF(kMarkerRadius, 0), at + QPointF(kMarkerRadius, 0));
    painter.drawLine(at - QPointF(0, kMarkerRadius), at + QPointF(0, kMarkerRadius));
    taken.emplace_back(at - QPointF(kMarkerRadius + 2, kMarkerRadius + 2),
                       QSizeF(2 * kMarkerRadius + 4, 2 * kMarkerRadius + 4));
    if (!panel.showC0)
        return taken;
    const qreal length = 0.12 * map.plot.width();
    const QPointF tip = at + QPointF(length, 0);
    painter.drawLine(at + QPointF(kMarkerRadius, 0), tip);
    painter.drawLine(tip, tip + QPointF(-0.5 * font, -0.35 * font));
    painter.drawLine(tip, tip + QPointF(-0.5 * font, 0.35 * font));
    painter.setFont(PictureFont(font, true));
    const QRectF text(tip.x() - 2.5 * font, tip.y() - 1.7 * font, 2.5 * font, 1.3 * font);
    painter.drawText(text, Qt::AlignRight | Qt::AlignVCenter, "C0");
    taken.push_back(
        QRectF(at.x(), text.top(), tip.x() - at.x() + 2, at.y() - text.top() + 0.5 * font));
    return taken;
}

// The bands under the legend's title, from the highest down; returns the last row's baseline.
qreal DrawBands(QPainter& painter, QPointF at, const LegendText& legend,
                const std::vector<double>& levels, qreal font) {
    painter.setFont(PictureFont(font, true));
    qreal y = at.y() + 1.5 * font;
    painter.setPen(Qt::black);
    painter.drawText(QPointF(at.x(), y), legend.title);
    painter.setFont(PictureFont(font));
    for (std::size_t k = 0; k < legend.bands.size(); ++k) {
        y += kRowShare * font;
        painter.setPen(QPen(kLineColour, 0.8));
        painter.setBrush(BandColour(legend.bands.size() - 1 - k, levels.size() + 1));
        painter.drawRect(QRectF(at.x(), y - font, 1.6 * font, 1.1 * font));
        painter.setPen(Qt::black);
        painter.drawText(QPointF(at.x() + kSwatchShare * font, y), legend.bands[k]);
    }
    return y;
}

// The figures one under another, each cut with an ellipsis where even the smallest text is too
// wide for the room to the right of `at`.
void DrawFigures(QPainter& painter, QPointF at, qreal right, const LegendText& legend, qreal font) {
    painter.setFont(PictureFont(font));
    painter.setPen(Qt::black);
    const QFontMetricsF metrics(painter.font());
    qreal y = at.y();
    for (const QString& figure : legend.figures) {
        painter.drawText(QPointF(at.x(), y),
                         metrics.elidedText(figure, Qt::ElideRight, right - at.x()));
        y += kRowShare * font;
    }
}

void DrawLegend(QPainter& painter, const Layout& layout, const std::vector<double>& levels,
                const IlluminancePanel& panel) {
    const LegendText legend = LegendOf(levels, panel);
    const qreal font = layout.legendFont;
    const QPointF at = layout.legend.topLeft();
    const qreal right = layout.legend.right();
    const qreal last = DrawBands(painter, at, legend, levels, font);
    if (layout.legendBelow)
        DrawFigures(painter,
                    at + QPointF(BandsWidth(legend, font) + font, (1.5 + kRowShare) * font), right,
                    legend, font);
    else
        DrawFigures(painter, QPointF(at.x(), last + 2.5 * kRowShare * font), right, legend, font);
}

void PaintPanel(QPainter& painter, const QRectF& area, const IlluminancePanel& panel) {
    const Layout layout = LayoutOf(area, panel);
    painter.setPen(Qt::black);
    painter.setFont(PictureFont(1.1 * layout.fontPixels, true));
    painter.drawText(layout.title, Qt::AlignLeft | Qt::AlignVCenter,
                     QFontMetricsF(painter.font())
                         .elidedText(panel.texts.title, Qt::ElideRight, layout.title.width()));
    if (panel.grid.U.size() < 2 || panel.grid.V.size() < 2 || layout.plot.width() < 2)
        return;
    const Mapping map(layout.plot, panel.grid);
    const DrawnField field(panel.grid);
    const std::vector<double> levels = IsoluxLevels(panel.grid);
    const QSize pixels(static_cast<int>(layout.plot.width()),
                       static_cast<int>(layout.plot.height()));
    painter.drawImage(layout.plot, FalseColour(field, levels, pixels));
    DrawAxes(painter, map, panel, layout.fontPixels);
    const std::vector<Isolux> lines = IsoluxLines(field, levels, map);
    DrawLines(painter, lines);
    const std::vector<QRectF> keepFree = DrawLuminaire(painter, map, panel, layout.fontPixels);
    DrawLabels(painter, lines, layout.plot, keepFree, layout.fontPixels);
    DrawLegend(painter, layout, levels, panel);
}

[[noreturn]] void CannotWrite(const QString& fileName, const QString& reason) {
    throw LumetraError(
        ("Cannot write " + fileName + (reason.isEmpty() ? "" : ": " + reason)).toStdString());
}

} // namespace

std::vector<IlluminancePanel> ResultPanels(const illuminance::IlluminanceResult& result,
                                           illuminance::UnitSystem units,
                                           const PanelTexts& floorTexts,
                                           const PanelTexts& wallTexts) {
    std::vector<IlluminancePanel> panels;
    panels.push_back(
        {illuminance::InUnits(result.Floor, units), units, floorTexts, QPointF(0, 0), true});
    if (result.Wall) {
        const double height =
            static_cast<double>(result.Request.Height / illuminance::MetresPerUnit(units));
        panels.push_back({illuminance::InUnits(*result.Wall, units), units, wallTexts,
                          QPointF(0, height), false});
    }
    return panels;
}

std::vector<double> IsoluxLevels(const illuminance::PlaneGrid& grid) {
    return contours::RoundLevels(static_cast<double>(grid.Figures.Min),
                                 static_cast<double>(grid.Figures.Max), kMostLevels);
}

QRectF PlotRect(const QRectF& area, const IlluminancePanel& panel) {
    return LayoutOf(area, panel).plot;
}

std::optional<QPointF> PlotToPlane(const QRectF& plot, const IlluminancePanel& panel, QPointF at) {
    if (!plot.contains(at) || panel.grid.U.size() < 2 || panel.grid.V.size() < 2)
        return std::nullopt;
    const Mapping map(plot, panel.grid);
    return QPointF(map.u0 + (at.x() - plot.left()) / plot.width() * (map.u1 - map.u0),
                   map.v0 + (plot.bottom() - at.y()) / plot.height() * (map.v1 - map.v0));
}

QRectF PanelArea(QSize picture, std::size_t count, std::size_t k) {
    const qreal width =
        static_cast<qreal>(picture.width()) / static_cast<qreal>(std::max<std::size_t>(count, 1));
    return QRectF(static_cast<qreal>(k) * width, 0, width, picture.height()).adjusted(8, 4, -8, -4);
}

void PaintIlluminance(QPainter& painter, QSize picture,
                      const std::vector<IlluminancePanel>& panels) {
    painter.fillRect(QRect(QPoint(0, 0), picture), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    for (std::size_t k = 0; k < panels.size(); ++k)
        PaintPanel(painter, PanelArea(picture, panels.size(), k), panels[k]);
}

QImage IlluminanceImage(QSize picture, const std::vector<IlluminancePanel>& panels) {
    QImage image(picture, QImage::Format_RGB32);
    if (image.isNull())
        throw LumetraError("Not enough memory for a picture of " + std::to_string(picture.width()) +
                           " x " + std::to_string(picture.height()) + " pixels");
    QPainter painter(&image);
    PaintIlluminance(painter, picture, panels);
    return image;
}

QSize IlluminanceExportSize(std::size_t panels) {
    return {static_cast<int>(std::max<std::size_t>(panels, 1)) * 1000, 760};
}

void ExportIlluminance(const ExportTarget& target, const std::vector<IlluminancePanel>& panels,
                       const QString& title) {
    const QSize picture = IlluminanceExportSize(panels.size());
    QSaveFile file(target.fileName);
    if (!file.open(QIODevice::WriteOnly))
        CannotWrite(target.fileName, file.errorString());
    if (target.format == ExportFormat::Svg) {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(picture);
        svg.setViewBox(QRect(QPoint(0, 0), picture));
        svg.setTitle(title);
        QPainter painter(&svg);
        PaintIlluminance(painter, picture, panels);
    } else if (target.format == ExportFormat::Pdf) {
        QPdfWriter pdf(&file);
        pdf.setTitle(title);
        pdf.setCreator("Lumetra");
        pdf.setResolution(72); // one unit is one point
        pdf.setPageSize(QPageSize(QSizeF(picture), QPageSize::Point));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter;
        if (!painter.begin(&pdf))
            CannotWrite(target.fileName, {});
        PaintIlluminance(painter, picture, panels);
        painter.end();
    } else if (!IlluminanceImage(picture, panels).save(&file, "PNG")) {
        file.cancelWriting();
        CannotWrite(target.fileName, {});
    }
    if (!file.commit())
        CannotWrite(target.fileName, file.errorString());
}

void ExportText(const QString& fileName, const std::string& text) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(text.data(), static_cast<qint64>(text.size())) !=
            static_cast<qint64>(text.size()) ||
        !file.commit())
        CannotWrite(fileName, file.errorString());
}

} // namespace lumetra
