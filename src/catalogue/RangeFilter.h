#pragma once
// Range filters on numeric columns as a person types them: "flux 2,500-3,500; beam < 30;
// efficacy >= 120". Clauses are separated by ";"; each names a column by its keyword (Columns())
// and gives a range "a-b" (inclusive), "<a", "<=a", ">a" or ">=a". Commas group thousands.

#include "CatalogueColumns.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumetra::catalogue {

struct Bound {
    long double value = 0;
    bool inclusive = true;
};

struct Range {
    Column column = Column::Flux;
    std::optional<Bound> low;
    std::optional<Bound> high;
};

// True when the value lies in the range; an undefined value lies in none.
bool InRange(const Range& range, std::optional<long double> value);

struct ParsedRanges {
    std::vector<Range> ranges; // empty when error is set
    std::string error;         // the first faulty clause and what is wrong with it
};

ParsedRanges ParseRanges(std::string_view text);

} // namespace lumetra::catalogue
