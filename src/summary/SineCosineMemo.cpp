#include "SineCosineMemo.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace lumetra::summary {

namespace {

constexpr std::size_t kSlots = 1024; // a power of two

// The bytes that hold an argument's value: the x87 format's 80 bits are followed by padding that
// need not be the same for equal values; other formats fill the whole type.
constexpr std::size_t kKeyBytes =
    std::numeric_limits<long double>::digits == 64 ? 10 : sizeof(long double);

struct Slot {
    unsigned char key[kKeyBytes] = {};
    bool used = false;
    SineAndCosine value;
};

std::size_t SlotOf(const unsigned char (&key)[kKeyBytes]) {
    std::uint64_t hash = 1469598103934665603ULL; // FNV-1a over the key's bytes
    for (const unsigned char byte : key)
        hash = (hash ^ byte) * 1099511628211ULL;
    return static_cast<std::size_t>(hash >> 32) & (kSlots - 1);
}

} // namespace

SineAndCosine SineCosineOf(long double radians) {
    thread_local std::array<Slot, kSlots> table;
    unsigned char key[kKeyBytes];
    std::memcpy(key, &radians, sizeof key);
    Slot& slot = table[SlotOf(key)];
    if (slot.used && std::memcmp(slot.key, key, sizeof key) == 0)
        return slot.value;
    slot.value = {std::sin(radians), std::cos(radians)};
    std::memcpy(slot.key, key, sizeof key);
    slot.used = true;
    return slot.value;
}

} // namespace lumetra::summary
