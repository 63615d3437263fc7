#pragma once
// Text placed on a diagram so that no label leaves the picture or covers another one: every
// label is measured on the surface, pushed inside the picture, and dropped when it would still
// overlap a label placed before it. Labels are placed in order of importance.

#include "DiagramTypes.h"
#include "contours/LabelPlacement.h"

#include <string>
#include <vector>

namespace lumetra::diagrams {

// A label's box in pixels: the contour library's label box, so that contour labels and the
// diagrams' own labels share one notion of overlap.
using TextBox = contours::Box;

// Where the anchor point lies on the label's box.
enum class HAlign { Left, Centre, Right };
enum class VAlign { Top, Middle, Bottom };

// The fonts of a diagram: the text height follows the picture's smaller side.
int TextPixels(const Box& picture, double textScale);
Font LabelFont(int pixels, Color color = Rgb(0, 0, 0));

class LabelPlacer {
  public:
    LabelPlacer(DrawingSurface& surface, const Box& picture);

    // Draws the text with the surface's font at the anchor; false when it was dropped. An
    // opaque label clears its box to white first, for values drawn over grid lines.
    bool Place(const std::string& text, int x, int y, HAlign h, VAlign v, bool opaque = false);
    // Keeps later labels off a box that something else (a legend sample, a title) occupies.
    void Reserve(const TextBox& box) { placed_.push_back(box); }
    bool IsFree(const TextBox& box) const;
    const std::vector<TextBox>& Placed() const { return placed_; }

  private:
    DrawingSurface& surface_;
    Box picture_;
    std::vector<TextBox> placed_;
};

// The text cut with an ellipsis so that it is at most maxWidth wide in the surface's font.
std::string FittedText(const DrawingSurface& surface, const std::string& text, int maxWidth);

} // namespace lumetra::diagrams
