#pragma once
// The Illuminance window's state and rules without widgets: the record it follows, what the user
// typed (in metres or feet), the result of the last calculation or why there is none, and the
// value under any point of either plane.

#include "Illuminance.h"
#include "IlluminanceUnits.h"

#include <memory>
#include <optional>
#include <string>

namespace lumetra::illuminance {

// What the window's fields hold, in the shown units.
struct IlluminanceInputs {
    long double Height = 3;
    long double Size = 10;
    long double Step = 0.5L;
    bool Wall = false;
    long double WallDistance = 2;
    UnitSystem Units = UnitSystem::Metric;
    bool operator==(const IlluminanceInputs&) const = default;
};

// The inputs in the other units: height and wall distance converted to a hundredth, the size
// to a whole unit with the same number of steps, so that the grid stays usable.
IlluminanceInputs InUnitsOf(const IlluminanceInputs& inputs, UnitSystem units);

class IlluminanceModel {
  public:
    // A copy of the record is kept, so the model does not depend on the caller's.
    void SetRecord(const tIES& record, const LuminaireFacts& facts);
    // No record: a failed load or nothing selected; the text says why.
    void ClearRecord(const std::string& why);
    void SetInputs(const IlluminanceInputs& inputs);

    const IlluminanceInputs& Inputs() const { return inputs_; }
    // The result in metres and lux, or none; then Problem says why.
    const std::optional<IlluminanceResult>& Result() const { return result_; }
    const std::string& Problem() const { return problem_; }
    // E in the shown units at a point given in the shown units, or none without a result.
    std::optional<long double> FloorValueAt(long double x, long double y) const;
    std::optional<long double> WallValueAt(long double y, long double z) const;

  private:
    void Recalculate();

    std::unique_ptr<tIES> record_;
    LuminaireFacts facts_;
    std::optional<summary::IntensityGrid> intensity_;
    IlluminanceInputs inputs_;
    std::optional<IlluminanceResult> result_;
    std::string problem_ = "No file is loaded.";
    std::string recordProblem_ = "No file is loaded.";
};

} // namespace lumetra::illuminance
