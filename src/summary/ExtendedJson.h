#pragma once
// JSON whose numbers are extended-precision reals written with 21 significant digits, so that
// every value reads back to the identical 80-bit value.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <map>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace lumetra {

using Json = nlohmann::basic_json<std::map, std::vector, std::string, bool, std::int64_t,
                                  std::uint64_t, long double>;

} // namespace lumetra

// The library's own writer for reals that are not IEEE single or double passes a long double to
// "%g", which prints garbage; this writes it with "%Lg" instead, always with a "." and a
// fraction or exponent so that it reads back as a real.
template <>
inline void nlohmann::detail::serializer<lumetra::Json>::dump_float(long double x,
                                                                    std::false_type) {
    constexpr int kDigits = std::numeric_limits<long double>::max_digits10;
    int len = std::snprintf(number_buffer.data(), number_buffer.size(), "%.*Lg", kDigits, x);
    len = std::clamp(len, 0, static_cast<int>(number_buffer.size()) - 1);
    const auto end = number_buffer.begin() + len;
    std::replace(number_buffer.begin(), end, ',', '.'); // a locale's decimal comma
    o->write_characters(number_buffer.data(), static_cast<std::size_t>(len));
    const bool intLike = std::none_of(number_buffer.begin(), end,
                                      [](char c) { return c == '.' || c == 'e' || c == 'n'; });
    if (intLike)
        o->write_characters(".0", 2);
}
