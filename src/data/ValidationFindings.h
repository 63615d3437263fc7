#pragma once
// The findings of one file as the check collects them. A fault that repeats (a column of tokens
// that are not numbers, a run of negative values) is listed a few times and then summed up in one
// finding, so that the report of any file stays short enough to read and bounded in size.

#include "Validation.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace lumetra {

enum class Repeating { NotANumber, VerticalOrder, NegativeCandela, KeywordForm, kCount };

// Occurrences of one repeating kind listed before the rest are summed up.
inline constexpr std::size_t kListedPerKind = 10;

class FindingList {
  public:
    void Add(Severity severity, std::size_t line, Message message);
    void Add(Repeating kind, Severity severity, std::size_t line, Message message);

    // The findings ordered by line, each capped kind followed by its sum-up.
    std::vector<Finding> Take() &&;

  private:
    struct Omitted {
        std::size_t count = 0;
        std::size_t firstLine = 0;
        Severity severity = Severity::Error;
    };
    std::vector<Finding> findings_;
    std::array<std::size_t, static_cast<std::size_t>(Repeating::kCount)> listed_{};
    std::array<Omitted, static_cast<std::size_t>(Repeating::kCount)> omitted_{};
};

// A token or other file text quoted for a message: control characters escaped, long text cut
// short, the bytes made UTF-8.
std::string Quoted(std::string_view text);

} // namespace lumetra
