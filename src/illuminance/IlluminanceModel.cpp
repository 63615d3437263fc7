#include "IlluminanceModel.h"

#include "IlluminanceText.h"

#include <cmath>

namespace lumetra::illuminance {

namespace {

long double Hundredths(long double value) {
    return std::nearbyint(value * 100) / 100;
}

} // namespace

IlluminanceInputs InUnitsOf(const IlluminanceInputs& inputs, UnitSystem units) {
    if (inputs.Units == units)
        return inputs;
    const long double factor = MetresPerUnit(inputs.Units) / MetresPerUnit(units);
    IlluminanceInputs converted = inputs;
    converted.Units = units;
    converted.Height = Hundredths(inputs.Height * factor);
    converted.WallDistance = Hundredths(inputs.WallDistance * factor);
    const auto steps = WholeSteps(inputs.Size, inputs.Step);
    converted.Size = std::max(1.0L, std::nearbyint(inputs.Size * factor));
    converted.Step = steps ? converted.Size / static_cast<long double>(*steps)
                           : Hundredths(inputs.Step * factor);
    return converted;
}

void IlluminanceModel::SetRecord(const tIES& record, const LuminaireFacts& facts) {
    record_ = std::make_unique<tIES>(record);
    facts_ = facts;
    intensity_.reset();
    const auto intensity = TypeCIntensity(*record_, facts_);
    if (const auto* grid = std::get_if<summary::IntensityGrid>(&intensity))
        intensity_ = *grid;
    else
        recordProblem_ = RecordFaultText(std::get<RecordFault>(intensity));
    Recalculate();
}

void IlluminanceModel::ClearRecord(const std::string& why) {
    intensity_.reset();
    record_.reset();
    recordProblem_ = why;
    Recalculate();
}

void IlluminanceModel::SetInputs(const IlluminanceInputs& inputs) {
    inputs_ = inputs;
    Recalculate();
}

void IlluminanceModel::Recalculate() {
    result_.reset();
    if (!intensity_) {
        problem_ = recordProblem_;
        return;
    }
    IlluminanceRequest shown{inputs_.Height, inputs_.Size, inputs_.Step, {}};
    if (inputs_.Wall)
        shown.Wall = inputs_.WallDistance;
    const IlluminanceRequest request = InMetres(shown, inputs_.Units);
    if (const auto fault = FaultOf(request)) {
        problem_ = RequestFaultText(*fault);
        return;
    }
    problem_.clear();
    result_ = Calculate(*intensity_, request);
}

std::optional<long double> IlluminanceModel::FloorValueAt(long double x, long double y) const {
    if (!result_)
        return std::nullopt;
    const long double m = MetresPerUnit(inputs_.Units);
    return FloorIlluminance(*intensity_, result_->Request.Height, x * m, y * m) /
           LuxPerUnit(inputs_.Units);
}

std::optional<long double> IlluminanceModel::WallValueAt(long double y, long double z) const {
    if (!result_ || !result_->Request.Wall)
        return std::nullopt;
    const long double m = MetresPerUnit(inputs_.Units);
    return WallIlluminance(*intensity_, result_->Request.Height, *result_->Request.Wall, y * m,
                           z * m) /
           LuxPerUnit(inputs_.Units);
}

} // namespace lumetra::illuminance
