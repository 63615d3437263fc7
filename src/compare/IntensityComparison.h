#pragma once
// Intensities of several files at the compared angles, each through the interpolant the summary
// uses (bilinear on the symmetry-completed grid, zero outside a non-periodic axis), in one unit,
// and the largest difference of each file to the first one. Rows are computed on demand, one
// plane angle at a time, so even a large union of angles is never held whole.

#include "ComparedAngles.h"
#include "IntensityUnit.h"
#include "summary/PhotometricSummary.h"

#include <optional>
#include <span>
#include <vector>

namespace lumetra::compare {

struct Luminaire;

// Where a file differs most from the first one.
struct IntensityDifference {
    std::size_t File = 0;  // the index of the file compared with the first
    long double Value = 0; // its intensity minus the first file's, in the unit
    long double First = 0; // the first file's intensity there
    long double Other = 0; // the file's intensity there
    long double C = 0;     // C (H for types A and B), degrees
    long double Gamma = 0; // gamma (V for types A and B), degrees
    bool SharedGrid = false;
};

// One file's interpolant at the compared vertical angles.
class IntensitySampler {
  public:
    IntensitySampler(summary::SummaryGrid grid, const tArrEx& verticals, long double factor);
    // The file's intensities at plane angle c, one per compared vertical angle, in the unit.
    void Row(long double c, tArrEx& row) const;

  private:
    summary::SummaryGrid grid_;
    std::vector<summary::Bracket> brackets_;
    long double factor_;
};

class IntensityComparison {
  public:
    // files and summaries side by side; files must outlive this.
    IntensityComparison(std::span<const Luminaire> files,
                        std::span<const summary::PhotometricSummary> summaries, IntensityUnit unit);

    // False when the files' types differ or a file has no data or, in cd/klm, no flux: the
    // intensities then have nothing in common to compare.
    bool Comparable() const { return comparable_; }
    const ComparedAngles& Angles() const { return angles_; }
    // File file's intensities at the compared plane angle with index plane.
    void Row(std::size_t file, std::size_t plane, tArrEx& row) const;
    // Where file differs most from the first file (the first such place in ascending plane,
    // then vertical angles); none when not comparable.
    std::optional<IntensityDifference> Largest(std::size_t file) const;

  private:
    bool comparable_ = false;
    ComparedAngles angles_;
    std::vector<IntensitySampler> samplers_;
};

} // namespace lumetra::compare
