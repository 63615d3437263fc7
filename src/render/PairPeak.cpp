#include "PairPeak.h"

namespace lumetra {

long double PairPeak(const tIES& record, int plane, int opposite) {
    long double peak = 0;
    for (const int h : {plane, opposite})
        for (const long double value : record.Candela.at(static_cast<std::size_t>(h)))
            if (value > peak)
                peak = value;
    return peak;
}

} // namespace lumetra
