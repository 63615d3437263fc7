#include "CatalogueTexts.h"

#include <array>
#include <utility>

namespace lumetra::catalogue {

namespace {

constexpr std::array<std::pair<TextId, const char*>, 8> kTexts{{
    {TextId::TooLarge, "Larger than 32 MB: not read for the catalogue"},
    {TextId::OutOfMemory, "Not enough memory to read the file"},
    {TextId::NoPhotometricData, "The file holds no photometric data"},
    {TextId::StatusClean, "Loads cleanly"},
    {TextId::StatusMessage, "Reader's message: "},
    {TextId::StatusFails, "Fails: "},
    {TextId::RangeUnknownColumn, "Unknown column"},
    {TextId::RangeBadBounds, "Expected a range such as 2500-3500, <30 or >120"},
}};

} // namespace

std::string Text(TextId id) {
    for (const auto& [key, text] : kTexts)
        if (key == id)
            return text;
    return {};
}

} // namespace lumetra::catalogue
