#pragma once
// What a diagram is drawn from: curves (series) in the diagram's unit and the options that say
// how to draw them. Plain values, so a window comparing several files builds its series itself
// and draws them with one call.

#include "data/Message.h"
#include "gonio/DrawingSurface.h"

#include <string>
#include <vector>

namespace lumetra::diagrams {

// A point of a curve: a signed angle in degrees and an intensity in the diagram's unit. Across
// a type C plane pair the angle is gamma on the first plane and -gamma on its opposite one; for
// types A and B it is the angle across the beam.
struct CurvePoint {
    double angle = 0;
    double value = 0;
    bool operator==(const CurvePoint&) const = default;
};

// One curve with its legend entry.
struct Series {
    std::string label;              // UTF-8, shown in the legend
    std::vector<CurvePoint> points; // ascending angle
    Color color = Rgb(0, 0, 0);
    PenStyle dash = PenStyle::Solid;
};

// Which half of the polar diagram is drawn: both, the lower one (gamma 0-90, downlights) or
// the upper one (gamma 90-180, uplights).
enum class HalfSpace { Both, Lower, Upper };

// A horizontal line across a cartesian diagram, such as 50 % of the peak (beam).
struct LevelMark {
    double value = 0; // in the diagram's unit
    std::string label;
};

struct DiagramOptions {
    std::string unit = "cd";  // after the values of rings and axes
    bool logarithmic = false; // cartesian: intensity on a logarithmic axis
    HalfSpace half = HalfSpace::Both;
    int angleStep = 30;    // degrees between angle labels; finer steps are thinned if crowded
    double textScale = 1;  // multiplies the text height chosen from the picture's size
    std::string angleAxis; // cartesian: the angle axis' title; empty for the default one
    std::vector<LevelMark> levels;
    std::string caption;       // a line under the diagram; empty for none
    Wording wording = nullptr; // the texts' language (DiagramTexts.h); none keeps English
};

// A picture's area in pixels.
struct Box {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int Right() const { return left + width; }
    int Bottom() const { return top + height; }
    bool operator==(const Box&) const = default;
};

} // namespace lumetra::diagrams
