#include "Contours.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <unordered_map>
#include <utility>

namespace lumetra::contours {

namespace {

// A cell edge by the lower-left node it starts from: even keys run along x, odd keys along y.
using EdgeKey = std::uint64_t;
using Segment = std::pair<EdgeKey, EdgeKey>;

struct Cells {
    const SampledField& field;
    double level;
    std::size_t columns;

    double Value(std::size_t i, std::size_t j) const { return field.values[j * columns + i]; }
    bool Above(std::size_t i, std::size_t j) const { return Value(i, j) >= level; }
    EdgeKey AlongX(std::size_t i, std::size_t j) const { return 2 * (j * columns + i); }
    EdgeKey AlongY(std::size_t i, std::size_t j) const { return 2 * (j * columns + i) + 1; }
};

// Where the level crosses the edge between two nodes, by linear interpolation.
Point Crossing(const Cells& cells, EdgeKey key) {
    const std::size_t node = key / 2;
    const std::size_t i = node % cells.columns;
    const std::size_t j = node / cells.columns;
    const bool alongX = key % 2 == 0;
    const std::size_t i1 = alongX ? i + 1 : i;
    const std::size_t j1 = alongX ? j : j + 1;
    const double a = cells.Value(i, j);
    const double b = cells.Value(i1, j1);
    const double ratio = (cells.level - a) / (b - a);
    const double t = std::isfinite(ratio) ? std::clamp(ratio, 0.0, 1.0) : 0.5; // NaN: halfway
    const double x0 = cells.field.xs[i];
    const double y0 = cells.field.ys[j];
    return {x0 + t * (cells.field.xs[i1] - x0), y0 + t * (cells.field.ys[j1] - y0)};
}

// The segments of one cell. Edges in order bottom, right, top, left; corners bottom-left,
// bottom-right, top-right, top-left, each edge running from corner e to corner e + 1.
void CellSegments(const Cells& cells, std::size_t i, std::size_t j, std::vector<Segment>& out) {
    const std::array<bool, 4> above{cells.Above(i, j), cells.Above(i + 1, j),
                                    cells.Above(i + 1, j + 1), cells.Above(i, j + 1)};
    const std::array<EdgeKey, 4> edges{cells.AlongX(i, j), cells.AlongY(i + 1, j),
                                       cells.AlongX(i, j + 1), cells.AlongY(i, j)};
    std::array<std::size_t, 4> crossed{};
    std::size_t count = 0;
    for (std::size_t e = 0; e < 4; ++e)
        if (above[e] != above[(e + 1) % 4])
            crossed[count++] = e;
    if (count == 2) {
        out.emplace_back(edges[crossed[0]], edges[crossed[1]]);
        return;
    }
    if (count != 4)
        return;
    // A saddle: the corners on the centre's side stay joined, so the lines cut off the others.
    const double centre = (cells.Value(i, j) + cells.Value(i + 1, j) + cells.Value(i + 1, j + 1) +
                           cells.Value(i, j + 1)) /
                          4;
    const bool centreAbove = centre >= cells.level;
    // Corner c lies between edges c - 1 and c; cut off the corners unlike the centre.
    for (std::size_t c = 0; c < 4; ++c)
        if (above[c] != centreAbove)
            out.emplace_back(edges[(c + 3) % 4], edges[c]);
}

using Adjacency = std::unordered_map<EdgeKey, std::vector<std::size_t>>;

Adjacency SegmentsAtEdges(const std::vector<Segment>& segments) {
    Adjacency at;
    for (std::size_t s = 0; s < segments.size(); ++s) {
        at[segments[s].first].push_back(s);
        at[segments[s].second].push_back(s);
    }
    return at;
}

// Follows unused segments from an edge until the chain ends or comes back to where it started.
ContourLine Walk(const Cells& cells, const std::vector<Segment>& segments, const Adjacency& at,
                 std::vector<bool>& used, EdgeKey start) {
    ContourLine line;
    line.points.push_back(Crossing(cells, start));
    EdgeKey here = start;
    for (;;) {
        const auto& next = at.at(here);
        const auto free =
            std::find_if(next.begin(), next.end(), [&](std::size_t s) { return !used[s]; });
        if (free == next.end())
            break;
        used[*free] = true;
        const Segment& segment = segments[*free];
        here = segment.first == here ? segment.second : segment.first;
        if (here == start) {
            line.closed = true;
            break;
        }
        line.points.push_back(Crossing(cells, here));
    }
    return line;
}

std::vector<ContourLine> Chains(const Cells& cells, const std::vector<Segment>& segments) {
    const Adjacency at = SegmentsAtEdges(segments);
    std::vector<bool> used(segments.size(), false);
    std::vector<ContourLine> lines;
    // Open lines first, from their ends on the border, then the closed ones from anywhere.
    for (const Segment& segment : segments)
        for (const EdgeKey end : {segment.first, segment.second})
            if (at.at(end).size() == 1 && !used[at.at(end).front()])
                lines.push_back(Walk(cells, segments, at, used, end));
    for (std::size_t s = 0; s < segments.size(); ++s)
        if (!used[s])
            lines.push_back(Walk(cells, segments, at, used, segments[s].first));
    return lines;
}

} // namespace

std::vector<ContourLine> Contours(const SampledField& field, double level) {
    const std::size_t columns = field.xs.size();
    const std::size_t rows = field.ys.size();
    if (columns < 2 || rows < 2 || field.values.size() != columns * rows)
        return {};
    const Cells cells{field, level, columns};
    std::vector<Segment> segments;
    for (std::size_t j = 0; j + 1 < rows; ++j)
        for (std::size_t i = 0; i + 1 < columns; ++i)
            CellSegments(cells, i, j, segments);
    return Chains(cells, segments);
}

} // namespace lumetra::contours
