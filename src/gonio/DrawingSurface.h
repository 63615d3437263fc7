#pragma once
// The drawing surface the goniogram is drawn on: a canvas that keeps a pen, a brush and a font
// from one call to the next, and draws rectangles, ellipses, lines and text with them.

#include <cstdint>
#include <string>
#include <vector>

namespace lumetra {

// 24-bit colour, red in the low byte; kClBtnFace stands for the system button-face colour,
// which each surface resolves itself.
using Color = std::uint32_t;
constexpr Color Rgb(unsigned r, unsigned g, unsigned b) {
    return static_cast<Color>((r & 0xFFu) | ((g & 0xFFu) << 8) | ((b & 0xFFu) << 16));
}
constexpr Color kClBtnFace = 0xFF00000Fu;

enum class PenStyle { Solid, Dash, Dot, DashDot, DashDotDot, Clear };
enum class BrushStyle { Solid, Clear };

struct Pen {
    Color color = Rgb(0, 0, 0);
    int width = 1;
    PenStyle style = PenStyle::Solid;
    bool operator==(const Pen&) const = default;
};

struct Brush {
    Color color = Rgb(255, 255, 255);
    BrushStyle style = BrushStyle::Solid;
    bool operator==(const Brush&) const = default;
};

// A negative height asks for characters of that many pixels, not counting internal leading.
struct Font {
    std::string name = "MS Sans Serif";
    Color color = Rgb(0, 0, 0);
    int height = -11;
    bool operator==(const Font&) const = default;
};

// A corner of a polygon, in pixels.
struct SurfacePoint {
    int x = 0;
    int y = 0;
    bool operator==(const SurfacePoint&) const = default;
};

// The box a text takes: its advance and its character cell's height, in pixels.
struct TextExtent {
    int width = 0;
    int height = 0;
    bool operator==(const TextExtent&) const = default;
};

// A text's box estimated from the font's height alone, for surfaces that hold no font metrics:
// wide enough for digits and the degree sign of any common sans-serif face.
TextExtent EstimatedTextExtent(const Font& font, const std::string& text);

class DrawingSurface {
  public:
    virtual ~DrawingSurface() = default;

    Pen pen;
    Brush brush;
    Font font;

    // Boxes are (left, top, right, bottom) with the right and bottom edges outside the shape.
    virtual void Rectangle(int left, int top, int right, int bottom) = 0;
    virtual void Ellipse(int left, int top, int right, int bottom) = 0;
    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;
    // Text whose top-left corner is at (x, y); text is UTF-8.
    virtual void TextOut(int x, int y, const std::string& text) = 0;
    virtual void Lock() = 0;
    virtual void Unlock() = 0;
    // A closed polygon filled with the brush and outlined with the pen. A surface that cannot
    // fill draws the outline alone.
    virtual void Polygon(const std::vector<SurfacePoint>& corners) {
        if (corners.empty())
            return;
        MoveTo(corners.front().x, corners.front().y);
        for (std::size_t i = 1; i < corners.size(); ++i)
            LineTo(corners[i].x, corners[i].y);
        LineTo(corners.front().x, corners.front().y);
    }
    // The box TextOut would fill with the current font; labels are laid out with it so they
    // neither overlap nor leave the picture.
    virtual TextExtent MeasureText(const std::string& text) const {
        return EstimatedTextExtent(font, text);
    }
};

} // namespace lumetra
