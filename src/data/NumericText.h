#pragma once
// The numeric block of an IES file as one space-separated text, consumed from the front by a
// cursor so that reading stays linear in the size of the file.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace lumetra {

class NumericText {
  public:
    NumericText() = default;
    explicit NumericText(std::string text) : text_(std::move(text)) {}

    const std::string& text() const { return text_; }
    std::string release() && { return std::move(text_); }
    bool empty() const { return text_.empty(); }
    // Offset of the token most recently taken (or of the point where none was found).
    std::size_t lastTokenStart() const { return lastTokenStart_; }
    // True once no further token can be taken.
    bool exhausted() const;

    // Skips leading spaces and takes everything before the next space. When no space follows,
    // the token is empty and the rest of the text stays where it is.
    std::string_view TakeToken();
    // Takes the next token and converts it as ConvertToken does; false (value 0) when it cannot.
    // The plain decimals that make up nearly every file are read in one pass.
    bool TakeNumber(long double& value);
    // Appends the plain decimals that come next to values, up to count values in all, stopping
    // before the first token of another form; the caller takes that one with TakeNumber.
    void TakePlainNumbers(std::vector<long double>& values, std::size_t count);

  private:
    std::string text_;
    std::size_t pos_ = 0;
    std::size_t lastTokenStart_ = 0;
};

// Converts a whole token: optional sign, digits with at most one ".", at least one digit, then
// optionally "E"/"e", an optional sign and at least one digit. Always "." whatever the locale.
// Fails (giving 0) on anything else and on a magnitude beyond extended precision.
bool ConvertToken(std::string_view token, long double& value);

// Takes the next token and converts it; sets the error flag on failure and never clears it.
long double ReadNumber(NumericText& text, bool& error);

} // namespace lumetra
