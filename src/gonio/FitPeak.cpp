#include "Curves.h"

namespace lumetra {

const tArrEx* PlaneOf(const tIES& record, int plane) {
    if (plane < 0 || static_cast<std::size_t>(plane) >= record.Candela.size())
        return nullptr;
    return &record.Candela[static_cast<std::size_t>(plane)];
}

std::optional<long double> FitPeak(const tIES& record, std::initializer_list<int> planes) {
    std::optional<long double> peak;
    for (const int plane : planes) {
        const tArrEx* values = PlaneOf(record, plane);
        if (values == nullptr)
            continue;
        for (const long double value : *values)
            if (!peak || value > *peak)
                peak = value;
    }
    return peak;
}

} // namespace lumetra
