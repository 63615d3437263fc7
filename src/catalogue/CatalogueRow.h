#pragma once
// One catalogue row: what a photometric file says about its luminaire and its photometric
// summary, or why it could not be read.

#include "summary/ExtendedJson.h"
#include "summary/PhotometricSummary.h"

#include <cstdint>
#include <optional>
#include <string>

namespace lumetra::catalogue {

enum class RowStatus {
    Clean,         // loaded without a word from the reader
    ReaderMessage, // loaded, but the reader reported a message (statusText); figures as read
    Fails          // not loaded, or nothing to summarise; statusText says why
};

struct CatalogueRow {
    std::string file;   // path relative to the catalogued folder, as its bytes
    std::string format; // "EULUMDAT", an IES version line, or empty when not loaded
    // Description fields as UTF-8.
    std::string manufacturer;
    std::string catalogueNumber;
    std::string luminaire;
    std::string lamp;
    RowStatus status = RowStatus::Fails;
    std::string statusText; // the reader's message or the failure, UTF-8; empty when clean
    summary::PhotometricSummary summary;
    std::string bugRating;                     // "B1-U0-G2", or why there is none
    std::optional<long double> maxLuminance65; // cd/m², the largest over the planes at gamma 65
    Json summaryJson; // `summary --json` for the file; null unless asked for, or when it fails
    // The row's JSON object as written (CatalogueExport's RowJson, dumped) when a scan was asked
    // for JSON: made on the thread that read the file, which spends summaryJson on it.
    std::string jsonText;
};

// Files larger than this are listed as failing instead of read: one huge file must not hold up
// a folder of thousands (the viewer still opens it).
// The gamma of the catalogue's luminance column: where indoor glare limits are usually checked.
inline constexpr int kCatalogueLuminanceGamma = 65;

inline constexpr std::uintmax_t kMaxCatalogueFileBytes = 32u * 1024u * 1024u;

struct RowRequest {
    std::string path;     // the file's name to open, as bytes
    std::string relative; // its name in the catalogue
    bool withJson = false;
    // The header's encoding as iconv names it; empty: guessed as the viewer does.
    std::string encoding{};
};

// Loads and summarises one file as `lumetra-cli summary` does. Never throws for a bad file.
CatalogueRow LoadCatalogueRow(const RowRequest& request);

} // namespace lumetra::catalogue
