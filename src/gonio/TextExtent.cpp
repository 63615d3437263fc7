#include "DrawingSurface.h"

#include <cstdlib>

namespace lumetra {

namespace {

// Sans-serif digits are about 0.55 em wide and a cell about 1.2 em high; a little more of each
// keeps an estimate on the safe side for the widest common faces.
constexpr int kAdvancePerMille = 640;
constexpr int kCellPerMille = 1250;
constexpr int kDefaultPixels = 11;

// Characters, not bytes: a UTF-8 continuation byte starts no character.
int CharacterCount(const std::string& text) {
    int count = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0u) != 0x80u)
            ++count;
    return count;
}

} // namespace

TextExtent EstimatedTextExtent(const Font& font, const std::string& text) {
    const int em = font.height == 0 ? kDefaultPixels : std::abs(font.height);
    const long long width = 1LL * CharacterCount(text) * em * kAdvancePerMille / 1000;
    return {static_cast<int>(width), (em * kCellPerMille + 999) / 1000};
}

} // namespace lumetra
