#include "CatalogueTexts.h"

#include "data/Translatable.h"

#include <array>
#include <utility>

namespace lumetra::catalogue {

namespace {

constexpr std::array<std::pair<TextId, const char*>, 8> kTexts{{
    {TextId::TooLarge,
     LUMETRA_TR_NOOP("Catalogue", "Larger than 32 MB: not read for the catalogue")},
    {TextId::OutOfMemory, LUMETRA_TR_NOOP("Catalogue", "Not enough memory to read the file")},
    {TextId::NoPhotometricData, LUMETRA_TR_NOOP("Catalogue", "The file holds no photometric data")},
    {TextId::StatusClean, LUMETRA_TR_NOOP("Catalogue", "Loads cleanly")},
    {TextId::StatusMessage, LUMETRA_TR_NOOP("Catalogue", "Reader's message: ")},
    {TextId::StatusFails, LUMETRA_TR_NOOP("Catalogue", "Fails: ")},
    {TextId::RangeUnknownColumn, LUMETRA_TR_NOOP("Catalogue", "Unknown column")},
    {TextId::RangeBadBounds,
     LUMETRA_TR_NOOP("Catalogue", "Expected a range such as 2500-3500, <30 or >120")},
}};

} // namespace

std::string Text(TextId id) {
    for (const auto& [key, text] : kTexts)
        if (key == id)
            return text;
    return {};
}

} // namespace lumetra::catalogue
