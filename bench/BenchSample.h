#pragma once
// A sample file loaded as the viewer loads it, for the benchmarks that time what follows a load.

#include "eulumdat/PhotometryFile.h"

#include <string>

namespace lumetra::bench {

// The largest real sample: 263 x 361 values over a full turn.
inline constexpr const char* kLargestSample = "lm1995_263x361_crlf.ies";

struct Sample {
    tIES Record;
    LuminaireFacts Facts;
};

// The sample `name` of the IES sample folder, IES or EULUMDAT.
inline Sample LoadSample(const std::string& name) {
    Sample sample;
    TextLines lines, header;
    LoadPhotometryFile(std::string(LUMETRA_SAMPLES_DIR) + "/" + name, sample.Record, lines, header,
                       nullptr, sample.Facts);
    return sample;
}

} // namespace lumetra::bench
