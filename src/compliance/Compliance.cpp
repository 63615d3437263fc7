#include "Compliance.h"

namespace lumetra::compliance {

ComplianceFigures ComplianceOf(const tIES& record, const LuminaireFacts& facts,
                               std::optional<long double> front) {
    return {RateBug(record, facts, front), LuminanceTableOf(record, facts)};
}

} // namespace lumetra::compliance
