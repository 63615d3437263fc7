#include "FastSweep.h"

#include "PixelShade.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

namespace lumetra {

namespace {

// The range for which the bounds below are proven. Inside it nothing overflows, in double or
// in extended, and the only fault the exact arithmetic can meet is a division by an angle
// difference of 0, which is known per segment before the first sample.
constexpr long double kMaxAngleMagnitude = 1e4L;
constexpr long double kMaxCandelaMagnitude = 1e60L;
constexpr long double kMinPeak = 1e-60L;
constexpr long double kMaxSlopeMagnitude = 1e100L;
constexpr long double kMinSetting = 1e-3L;
constexpr long double kMaxBrightness = 1e6L;
constexpr long double kMaxZoom = 1e9L;

// Bound on the distance between a sample's estimated angle and its exact one, including the
// rounding of the stored angles to double: the true figure is below 1e-12 degrees. An estimate
// is trusted only when it lies farther than this from every angle it is compared with.
constexpr double kAngleSlack = 1e-9;
// Bound on the relative error that each double step adds against its extended twin (the true
// figure is a few units of 2^-53, about 1e-16).
constexpr double kRelativeSlack = 1e-12;
constexpr double kAbsoluteSlack = 1e-12;
// No sample angle lies farther than this from 0 (180 degrees plus the picture's offset).
constexpr double kMaxSampleAngle = 181;

constexpr int kCentre = kPatternSize / 2;
constexpr double kDegreesPerRadianDouble = static_cast<double>(kDegreesPerRadian);
constexpr double kHalfPiDouble = static_cast<double>(kHalfPi);
constexpr double kPiDouble = static_cast<double>(2 * kHalfPi);

// The bracketing pair (i - 1, i) of one plane, ready for the interpolation.
struct Segment {
    double startAngle = 0; // V[i - 1]
    double startValue = 0; // C[i - 1]
    double slope = 0;      // (C[i] - C[i - 1]) / (V[i] - V[i - 1]), computed in extended
    bool faults = false;   // V[i] = V[i - 1]: the exact division faults
};

enum class Placement { Inside, Outside, Doubtful };

bool InRange(long double value, long double low, long double high) {
    return value >= low && value <= high; // false for a NaN
}

class FastSweep {
  public:
    explicit FastSweep(const LightPatternPass& pass) : pass_(pass) { applies_ = Prepare(); }

    bool applies() const { return applies_; }

    void Run(const ProgressSink& progress, LightPatternGrid& grid) {
        for (int row = 0; row < kPatternSize; ++row) {
            if (row % kProgressRowStep == 0 && progress)
                progress(row);
            SweepRow(row, grid);
        }
    }

  private:
    bool Prepare();
    bool PrepareAngles();
    bool PrepareSegments(int h, std::vector<Segment>& segments);
    void PrepareWindow();
    void PrepareQuadrant();

    void SweepRow(int row, LightPatternGrid& grid);
    std::uint8_t Shade(int a, int b);
    Placement Place(double x) const;
    std::size_t Bracket(double g);
    std::uint8_t Certified(double v, double scale, int a, int b) const;
    std::uint8_t Exact(int a, int b) const { return PixelShade(pass_, a, b); }

    const LightPatternPass& pass_;
    bool applies_ = false;

    std::vector<double> angles_;
    std::size_t last_ = 0;
    std::size_t cursor_ = 0; // bracket of the previous sample: the next one is usually near
    std::vector<Segment> rightSegments_; // plane P, indexed by i of the pair (i - 1, i)
    std::vector<Segment> leftSegments_;  // plane Q
    long double maxSlope_ = 0;
    long double maxCandela_ = 0;
    long double maxAngle_ = 0;

    // The window L..U and its mirror image -U..-L (empty unless L is 90), narrowed by the slack
    // for the samples certainly inside and widened by it for those that might be.
    struct Interval {
        double low = 1;
        double high = 0;
        bool Holds(double x) const { return x >= low && x <= high; }
    };
    Interval inside_, mirroredInside_, reach_, mirroredReach_;

    double radiosity_ = 0;
    double brightness_ = 0;
    double zoom_ = 0;
    double factor_ = 0;      // 255 / (R + 1) * B
    double inversePeak_ = 0; // 1 / Imax
    double tolerancePerScale_ = 0;

    // By |b| and |a| (index |b| * (kCentre + 1) + |a|): the arc tangent of (|a|, |b|) and
    // factor_ / sqrt(d + B). Both are symmetric about the diagonal, so only half of each is
    // computed; the signs of a and b are applied per sample.
    std::vector<double> quadrantAngle_;
    std::vector<double> quadrantScale_;
    // The current row's entries, with the sign of b applied to the angle.
    std::array<double, kCentre + 1> rowAngle_{};
    const double* rowScale_ = nullptr;
};

bool FastSweep::Prepare() {
    const int radiosity = pass_.radiosity;
    if (radiosity != 0 && radiosity != 1)
        return false;
    if (!InRange(pass_.brightness, kMinSetting, kMaxBrightness) ||
        !InRange(pass_.zoom, kMinSetting, kMaxZoom) ||
        !InRange(pass_.peak, kMinPeak, kMaxCandelaMagnitude))
        return false;
    if (!PrepareAngles() || !PrepareSegments(pass_.plane, rightSegments_) ||
        !PrepareSegments(pass_.leftPlane, leftSegments_))
        return false;
    PrepareWindow();

    radiosity_ = radiosity;
    brightness_ = static_cast<double>(pass_.brightness);
    zoom_ = static_cast<double>(pass_.zoom);
    factor_ =
        static_cast<double>(255 / (static_cast<long double>(radiosity) + 1) * pass_.brightness);
    inversePeak_ = static_cast<double>(1 / pass_.peak);
    PrepareQuadrant();

    // |I| never exceeds |slope| * (|g| + |V[i - 1]|) + |C[i - 1]|; the estimate of I differs from
    // the exact one by at most slope * kAngleSlack plus kRelativeSlack of that magnitude, and the
    // shade v = scale * (I / Imax + R) adds its own rounding.
    const long double magnitude = maxSlope_ * (kMaxSampleAngle + maxAngle_) + maxCandela_;
    tolerancePerScale_ =
        static_cast<double>((maxSlope_ * kAngleSlack + kRelativeSlack * magnitude) / pass_.peak +
                            kRelativeSlack * (1 + radiosity));
    // A bound this wide cannot place a grey level; the centre sample has the largest scale.
    const double largestScale = factor_ / std::sqrt(brightness_);
    return largestScale * tolerancePerScale_ + kAbsoluteSlack < 0.25;
}

bool FastSweep::PrepareAngles() {
    const tArrEx& angles = pass_.record->VerticalAngles;
    if (angles.size() < 2)
        return false;
    last_ = angles.size() - 1;
    angles_.resize(angles.size());
    for (std::size_t i = 0; i <= last_; ++i) {
        if (!InRange(angles[i], -kMaxAngleMagnitude, kMaxAngleMagnitude))
            return false;
        // The bracket is found by moving from the previous one, which needs ascending angles.
        if (i > 0 && angles[i] < angles[i - 1])
            return false;
        maxAngle_ = std::max(maxAngle_, std::fabs(angles[i]));
        angles_[i] = static_cast<double>(angles[i]);
    }
    return true;
}

bool FastSweep::PrepareSegments(int h, std::vector<Segment>& segments) {
    const tArrEx& angles = pass_.record->VerticalAngles;
    const tArrEx& candela = pass_.record->Candela[static_cast<std::size_t>(h)];
    for (std::size_t i = 0; i <= last_; ++i) {
        if (!InRange(candela[i], -kMaxCandelaMagnitude, kMaxCandelaMagnitude))
            return false;
        maxCandela_ = std::max(maxCandela_, std::fabs(candela[i]));
    }
    segments.assign(last_ + 1, Segment{});
    for (std::size_t i = 1; i <= last_; ++i) {
        Segment& segment = segments[i];
        segment.startAngle = angles_[i - 1];
        segment.startValue = static_cast<double>(candela[i - 1]);
        const long double run = angles[i] - angles[i - 1];
        if (run == 0) {
            segment.faults = true;
            continue;
        }
        const long double slope = (candela[i] - candela[i - 1]) / run;
        if (!InRange(slope, -kMaxSlopeMagnitude, kMaxSlopeMagnitude))
            return false;
        maxSlope_ = std::max(maxSlope_, std::fabs(slope));
        segment.slope = static_cast<double>(slope);
    }
    return true;
}

void FastSweep::PrepareWindow() {
    const double lower = static_cast<double>(pass_.window.lower);
    const double upper = static_cast<double>(pass_.window.upper);
    inside_ = {lower + kAngleSlack, upper - kAngleSlack};
    reach_ = {lower - kAngleSlack, upper + kAngleSlack};
    if (pass_.window.lower == 90) {
        mirroredInside_ = {-inside_.high, -inside_.low};
        mirroredReach_ = {-reach_.high, -reach_.low};
    }
}

void FastSweep::PrepareQuadrant() {
    constexpr int kSide = kCentre + 1;
    quadrantAngle_.assign(kSide * kSide, 0);
    quadrantScale_.assign(kSide * kSide, 0);
    for (int m = 0; m < kSide; ++m) {
        for (int k = 0; k <= m; ++k) {
            quadrantAngle_[m * kSide + k] =
                std::atan2(static_cast<double>(k), static_cast<double>(m));
            const double d = static_cast<double>(k * k + m * m) / zoom_;
            quadrantScale_[m * kSide + k] = factor_ / std::sqrt(d + brightness_);
        }
    }
    // Above the diagonal the angle is the complement of its mirror image: an error of a few
    // units in the last place, far inside kAngleSlack.
    for (int m = 0; m < kSide; ++m) {
        for (int k = m + 1; k < kSide; ++k) {
            quadrantAngle_[m * kSide + k] = kHalfPiDouble - quadrantAngle_[k * kSide + m];
            quadrantScale_[m * kSide + k] = quadrantScale_[k * kSide + m];
        }
    }
}

void FastSweep::SweepRow(int row, LightPatternGrid& grid) {
    const int b = kCentre - row;
    const std::size_t start = static_cast<std::size_t>(b < 0 ? -b : b) * (kCentre + 1);
    // Above the centre the angle is measured from the downward axis the long way round.
    for (int k = 0; k <= kCentre; ++k)
        rowAngle_[k] = b < 0 ? kPiDouble - quadrantAngle_[start + k] : quadrantAngle_[start + k];
    rowScale_ = &quadrantScale_[start];
    std::uint8_t* out = &grid.at(0, kPatternSize - 1 - row);
    for (int i = 0; i < kPatternSize; ++i)
        out[i] = Shade(i - kCentre, b);
}

std::uint8_t FastSweep::Shade(int a, int b) {
    const int k = a < 0 ? -a : a;
    const double t = a < 0 ? -rowAngle_[k] : rowAngle_[k];
    const double x = t * kDegreesPerRadianDouble - kHalfPiDouble + 1.5;
    const double scale = rowScale_[k];
    switch (Place(x)) {
    case Placement::Outside:
        // I is exactly 0, so v is exactly 0 without radiosity and scale * 1 with it.
        return radiosity_ == 0 ? 0 : Certified(scale, scale, a, b);
    case Placement::Doubtful:
        return Exact(a, b);
    case Placement::Inside:
        break;
    }
    const double g = std::fabs(x);
    const std::size_t i = Bracket(g);
    if (i == 0)
        return Exact(a, b);
    const Segment& segment = (a < 0 ? leftSegments_ : rightSegments_)[i];
    if (segment.faults)
        return Exact(a, b); // throws the exact fault
    const double intensity = (g - segment.startAngle) * segment.slope + segment.startValue;
    const double v = std::fabs(scale * (intensity * inversePeak_ + radiosity_));
    return Certified(v, scale, a, b);
}

Placement FastSweep::Place(double x) const {
    if (inside_.Holds(x) || mirroredInside_.Holds(x))
        return Placement::Inside;
    if (reach_.Holds(x) || mirroredReach_.Holds(x))
        return Placement::Doubtful;
    return Placement::Outside;
}

// The i of the exact search's pair (i - 1, i), or 0 when g lies too close to a stored angle for
// the estimate to decide it.
std::size_t FastSweep::Bracket(double g) {
    std::size_t i = cursor_;
    while (i < last_ && angles_[i] < g)
        ++i;
    while (i > 0 && angles_[i - 1] >= g)
        --i;
    cursor_ = i;
    if (i == 0)
        return g + kAngleSlack <= angles_[0] ? 1 : 0;
    return angles_[i - 1] < g - kAngleSlack && g + kAngleSlack <= angles_[i] ? i : 0;
}

std::uint8_t FastSweep::Certified(double v, double scale, int a, int b) const {
    const double tolerance = scale * tolerancePerScale_ + kAbsoluteSlack;
    if (v - tolerance > 254.5)
        return 255;
    const double whole = static_cast<double>(static_cast<int>(v)); // v lies in 0..255 here
    const double fraction = v - whole;
    if (std::fabs(fraction - 0.5) <= tolerance)
        return Exact(a, b);
    return static_cast<std::uint8_t>(static_cast<int>(whole) + (fraction > 0.5 ? 1 : 0));
}

} // namespace

bool RunFastSweep(const LightPatternPass& pass, const ProgressSink& progress,
                  LightPatternGrid& grid) {
    FastSweep sweep(pass);
    if (!sweep.applies())
        return false;
    sweep.Run(progress, grid);
    return true;
}

} // namespace lumetra
