#include "IntensityUnit.h"

namespace lumetra::summary {

const char* UnitName(IntensityUnit unit) {
    return unit == IntensityUnit::Candela ? "cd" : "cd/klm";
}

std::optional<IntensityUnit> UnitNamed(const std::string& name) {
    if (name == "cd")
        return IntensityUnit::Candela;
    if (name == "cdklm" || name == "cd/klm")
        return IntensityUnit::CandelaPerKilolumen;
    return std::nullopt;
}

} // namespace lumetra::summary
