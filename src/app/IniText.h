#pragma once
// The text of an INI file, kept byte for byte. Setting a key changes only that key's line (or adds
// one), so comments, blank lines, unknown lines, line endings and the order of everything else
// survive any number of writes.

#include <optional>
#include <string>
#include <string_view>

namespace lumetra {

class IniText {
  public:
    IniText() = default;
    explicit IniText(std::string bytes) : bytes_(std::move(bytes)) {}

    const std::string& Bytes() const { return bytes_; }

    // The value of the first line of the key in any section of that name (sections may repeat),
    // without the blanks around it; nothing when there is no such key. Names ignore ASCII letter
    // case. A line without "=" is a key with an empty value.
    std::optional<std::string_view> Value(std::string_view section, std::string_view key) const;

    // Replaces the value of the line Value would read, or adds "key=value" at the end of the
    // section's first occurrence, or "[section]" and the key at the end of the text.
    void SetValue(std::string_view section, std::string_view key, std::string_view value);

  private:
    std::string bytes_;
};

} // namespace lumetra
