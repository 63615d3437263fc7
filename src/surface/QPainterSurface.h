#pragma once
// src/surface: pictures drawn with QPainter, shared by the windows and lumetra-cli.
//   QPainterSurface      the goniogram's drawing surface on any Qt paint device: a QImage for the
//                        paint area and PNG files, a QSvgGenerator for SVG files
//   GoniogramExport      the goniogram as a picture of its own: image, PNG or SVG file
//   LightPatternPicture  the render pass's grid as the 300-pixel picture
// It uses the core (data, gonio, render) and Qt Gui; it knows nothing of widgets or windows.

#include "gonio/DrawingSurface.h"

#include <QColor>
#include <QPoint>
#include <QPolygon>
#include <memory>
#include <optional>

class QFont;
class QPaintDevice;
class QPainter;

namespace lumetra {

class QPainterSurface : public DrawingSurface {
  public:
    explicit QPainterSurface(QPaintDevice* device = nullptr);
    // Draws with a painter that someone else began and ends, under its transform: how a picture
    // is placed on a page or inside a larger image. Locks then only gather lines.
    explicit QPainterSurface(QPainter& painter);
    ~QPainterSurface() override;
    QPainterSurface(const QPainterSurface&) = delete;
    QPainterSurface& operator=(const QPainterSurface&) = delete;

    // Ends any lock still held on the previous device.
    void SetDevice(QPaintDevice* device);
    QPaintDevice* Device() const { return device_; }
    // Exports want white where the window shows its button face.
    void SetButtonFace(const QColor& color) { buttonFace_ = color; }

    void Rectangle(int left, int top, int right, int bottom) override;
    void Ellipse(int left, int top, int right, int bottom) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void TextOut(int x, int y, const std::string& text) override;
    // Locks nest; the outermost one keeps a painter open on the device until its Unlock, which
    // a QSvgGenerator needs to write one document. Drawing outside a lock opens a painter for
    // each call.
    void Lock() override;
    void Unlock() override;
    TextExtent MeasureText(const std::string& text) const override;
    void Polygon(const std::vector<SurfacePoint>& corners) override;

    // A surface colour as Qt's, with the button-face sentinel resolved from the palette.
    static QColor ToQColor(Color color);
    // The font Qt draws for a surface font.
    static QFont ToQFont(const Font& font);

  private:
    QColor Resolve(Color color) const;
    template <typename Draw> void Paint(Draw&& draw);
    void ApplyPen(QPainter& painter, const Pen& linePen) const;
    void ApplyPenAndBrush(QPainter& painter) const;
    // Inside a lock, joined lines are gathered into one polyline (one path in an SVG file) and
    // drawn before anything else is.
    void FlushPolyline();

    QPaintDevice* device_ = nullptr;
    std::unique_ptr<QPainter> ownPainter_;
    QPainter* painter_ = nullptr; // the painter open on the device, own or given
    bool givenPainter_ = false;
    std::optional<QColor> buttonFace_;
    int lockDepth_ = 0;
    QPoint position_;
    QPolygon polyline_;
    Pen polylinePen_;
};

} // namespace lumetra
