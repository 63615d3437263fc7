#pragma once
// Where the labels of contour lines go: on the line, inside the picture, clear of each other and
// of areas the picture keeps free (a legend, a marker).

#include "Contours.h"

#include <optional>
#include <vector>

namespace lumetra::contours {

// An axis-aligned box in picture coordinates (y down or up, it does not matter): a label's box
// here and in the diagrams' own label placer (diagrams/Labels.h), so both test overlap alike.
struct Box {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;

    double Right() const { return left + width; }
    double Bottom() const { return top + height; }
    bool Overlaps(const Box& other) const;
    bool Inside(const Box& bounds) const;
    static Box Centred(Point centre, double width, double height);
};

// A line to label, in picture coordinates, and the size its label's text needs.
struct LabelRequest {
    std::vector<Point> path;
    double width = 0;
    double height = 0;
};

struct PlacedLabel {
    std::size_t request = 0; // index into the requests
    Box box;
    Point anchor; // the point on the line the label is centred on
};

// The labels, taken in the order requested (put the most important first): each goes to the
// first of its candidate places (the middle of the line, then its quarters, eighths, ...) whose
// box, widened by `gap` on every side, lies inside bounds and clear of the labels placed before
// and of the kept-free boxes. A line without such a place gets no label.
std::vector<PlacedLabel> PlaceLabels(const std::vector<LabelRequest>& requests, const Box& bounds,
                                     const std::vector<Box>& keepFree, double gap = 2);

// The point at a fraction (0..1) of a path's length.
Point AlongPath(const std::vector<Point>& path, double fraction);

} // namespace lumetra::contours
