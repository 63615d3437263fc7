#include "Contours.h"

#include <array>
#include <cmath>
#include <unordered_map>

namespace lumetra::diagrams {

namespace {

// A cell's edges: 0 top (row r), 1 right (column c + 1), 2 bottom (row r + 1), 3 left (column c).
using EdgePair = std::array<int, 2>;

// The segments of each case (corner bits: top-left 1, top-right 2, bottom-right 4, bottom-left
// 8), saddles (5 and 10) with their centre outside; -1 ends the list.
constexpr std::array<std::array<int, 4>, 16> kCases{{{-1, -1, -1, -1},
                                                     {3, 0, -1, -1},
                                                     {0, 1, -1, -1},
                                                     {3, 1, -1, -1},
                                                     {1, 2, -1, -1},
                                                     {3, 0, 1, 2},
                                                     {0, 2, -1, -1},
                                                     {3, 2, -1, -1},
                                                     {2, 3, -1, -1},
                                                     {0, 2, -1, -1},
                                                     {0, 1, 2, 3},
                                                     {1, 2, -1, -1},
                                                     {1, 3, -1, -1},
                                                     {0, 1, -1, -1},
                                                     {3, 0, -1, -1},
                                                     {-1, -1, -1, -1}}};

// Saddles with their centre inside join the other pair of corners.
constexpr std::array<int, 4> kSaddle5Inside{0, 1, 2, 3};
constexpr std::array<int, 4> kSaddle10Inside{3, 0, 1, 2};

bool Inside(double value, double level) {
    return value >= level; // false for NaN
}

struct Segment {
    std::size_t from; // edge ids
    std::size_t to;
};

class Tracer {
  public:
    Tracer(const ContourGrid& grid, double level) : grid_(grid), level_(level) {}

    void AddCell(std::size_t c, std::size_t r) {
        const double corners[4] = {grid_.At(c, r), grid_.At(c + 1, r), grid_.At(c + 1, r + 1),
                                   grid_.At(c, r + 1)};
        int index = 0;
        for (int i = 0; i < 4; ++i)
            if (Inside(corners[i], level_))
                index |= 1 << i;
        std::array<int, 4> edges = kCases[static_cast<std::size_t>(index)];
        if (index == 5 || index == 10) {
            const double centre = (corners[0] + corners[1] + corners[2] + corners[3]) / 4;
            if (Inside(centre, level_))
                edges = index == 5 ? kSaddle5Inside : kSaddle10Inside;
        }
        for (std::size_t i = 0; i < 4 && edges[i] >= 0; i += 2)
            Add(EdgeId(c, r, edges[i]), EdgeId(c, r, edges[i + 1]));
    }

    std::vector<ContourLine> Lines();

  private:
    // Horizontal edge from (c, r) to (c + 1, r): 2 (r columns + c); vertical edge from (c, r) to
    // (c, r + 1): the same plus one. Neighbouring cells name a shared edge alike.
    std::size_t EdgeId(std::size_t c, std::size_t r, int edge) const {
        if (edge == 1)
            ++c;
        if (edge == 2)
            ++r;
        const bool vertical = edge == 1 || edge == 3;
        return 2 * (r * grid_.columns + c) + (vertical ? 1 : 0);
    }

    ContourPoint PointOn(std::size_t edge) const {
        const std::size_t corner = edge / 2;
        const std::size_t c = corner % grid_.columns;
        const std::size_t r = corner / grid_.columns;
        const bool vertical = edge % 2 == 1;
        const double a = grid_.At(c, r);
        const double b = vertical ? grid_.At(c, r + 1) : grid_.At(c + 1, r);
        double t = (std::isfinite(a) && std::isfinite(b) && b != a) ? (level_ - a) / (b - a) : 0.5;
        t = std::fmin(1.0, std::fmax(0.0, t));
        const auto x = static_cast<double>(c);
        const auto y = static_cast<double>(r);
        return vertical ? ContourPoint{x, y + t} : ContourPoint{x + t, y};
    }

    void Add(std::size_t from, std::size_t to) {
        const std::size_t index = segments_.size();
        segments_.push_back({from, to});
        users_[from].push_back(index);
        users_[to].push_back(index);
    }

    ContourLine Follow(std::size_t segment, std::size_t edge, std::vector<bool>& used);

    const ContourGrid& grid_;
    double level_;
    std::vector<Segment> segments_;
    std::unordered_map<std::size_t, std::vector<std::size_t>> users_;
};

// Walks from a segment's edge through the segments that share edges until none is left.
ContourLine Tracer::Follow(std::size_t segment, std::size_t edge, std::vector<bool>& used) {
    ContourLine line{PointOn(edge)};
    while (true) {
        used[segment] = true;
        const Segment& s = segments_[segment];
        edge = s.from == edge ? s.to : s.from;
        line.push_back(PointOn(edge));
        std::size_t next = segments_.size();
        for (const std::size_t other : users_[edge])
            if (!used[other])
                next = other;
        if (next == segments_.size())
            return line;
        segment = next;
    }
}

std::vector<ContourLine> Tracer::Lines() {
    std::vector<ContourLine> lines;
    std::vector<bool> used(segments_.size(), false);
    // Open lines first, from an edge that only one segment touches; then the closed ones.
    for (std::size_t i = 0; i < segments_.size(); ++i)
        for (const std::size_t edge : {segments_[i].from, segments_[i].to})
            if (!used[i] && users_[edge].size() == 1)
                lines.push_back(Follow(i, edge, used));
    for (std::size_t i = 0; i < segments_.size(); ++i)
        if (!used[i])
            lines.push_back(Follow(i, segments_[i].from, used));
    return lines;
}

} // namespace

std::vector<ContourLine> ContourLines(const ContourGrid& grid, double level) {
    if (grid.columns < 2 || grid.rows < 2 || grid.values.size() < grid.columns * grid.rows)
        return {};
    Tracer tracer(grid, level);
    for (std::size_t r = 0; r + 1 < grid.rows; ++r)
        for (std::size_t c = 0; c + 1 < grid.columns; ++c)
            tracer.AddCell(c, r);
    return tracer.Lines();
}

} // namespace lumetra::diagrams
