#include "IntensityUnit.h"

#include <cmath>

namespace lumetra::compare {

namespace {

bool Positive(const summary::Figure& figure) {
    return figure && *figure > 0 && std::isfinite(*figure);
}

} // namespace

std::optional<long double> UnitFactor(const summary::PhotometricSummary& s, IntensityUnit unit) {
    if (unit == IntensityUnit::Candela)
        return 1.0L;
    if (Positive(s.LampFlux))
        return 1000 / *s.LampFlux;
    if (Positive(s.Flux))
        return 1000 / *s.Flux;
    return std::nullopt;
}

} // namespace lumetra::compare
