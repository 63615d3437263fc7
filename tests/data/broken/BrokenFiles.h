#pragma once
// The broken-file corpus: the files of this folder by name, the large files that are generated
// rather than kept; support/LoadOutcome.h loads any of them the way the viewer does.

#include "support/LoadOutcome.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace lumetra::test {

inline const std::string kBrokenHeader =
    "IESNA:LM-63-2002\n[TEST] broken-file corpus\n[MANUFAC] Lumetra tests\nTILT=NONE\n";
inline constexpr std::size_t kTenMegabytes = 10u * 1024u * 1024u;

// A sound grid of `vertical` x `horizontal` values: vertical angles spread over 0..180,
// horizontal ones over 0..360 without the end, candela (3v + 7h) mod 1000 + 1, ten per line.
inline std::string GridNumbers(int vertical, int horizontal) {
    std::string text = "1 1000 1 " + std::to_string(vertical) + " " + std::to_string(horizontal) +
                       " 1 1 0 0 0 1 1 100\n";
    const auto list = [&text](int count, auto value) {
        for (int i = 0; i < count; ++i)
            text += std::to_string(value(i)) + ((i + 1) % 10 == 0 || i + 1 == count ? "\n" : " ");
    };
    list(vertical, [vertical](int v) { return vertical > 1 ? 180.0 * v / (vertical - 1) : 0.0; });
    list(horizontal, [horizontal](int h) { return 360.0 * h / horizontal; });
    for (int h = 0; h < horizontal; ++h)
        list(vertical, [h](int v) { return (3 * v + 7 * h) % 1000 + 1; });
    return text;
}

// A million candela values: 1000 vertical angles on 1000 planes.
inline std::string MillionValuesFile() {
    return kBrokenHeader + GridNumbers(1000, 1000);
}

// The whole numeric block on one line of 10 MB: a 19 x 5 grid followed by a long tail of extra
// numbers.
inline std::string TenMegabyteNumberLine() {
    std::string line = GridNumbers(19, 5);
    for (char& c : line)
        if (c == '\n')
            c = ' ';
    line.reserve(kTenMegabytes + 1);
    while (line.size() + 2 <= kTenMegabytes)
        line += "7 ";
    return kBrokenHeader + line + "\n";
}

// One token of 10 MB of digits where the numbers should start.
inline std::string TenMegabyteToken() {
    return kBrokenHeader + std::string(kTenMegabytes, '9') + "\n";
}

// A header keyword whose value is one line of 10 MB, before a sound 3 x 2 grid.
inline std::string TenMegabyteHeaderLine() {
    return "IESNA:LM-63-2002\n[TEST] " + std::string(kTenMegabytes, 'x') + "\nTILT=NONE\n" +
           GridNumbers(3, 2);
}

} // namespace lumetra::test
