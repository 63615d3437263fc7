#pragma once
// Walking a file's bytes by lines and by numeric tokens in place. The check needs the file line
// of every token, and copying the file into lines would make its memory depend on the file's
// shape (a file of nothing but line breaks) rather than on its size.

#include "TokenSign.h"

#include <cstddef>
#include <string_view>

namespace lumetra {

// The lines of a text, broken as SplitIntoLines breaks them: at CR, LF or CR LF, a NUL ending
// the text and a break at the very end starting no further line.
class LineCursor {
  public:
    explicit LineCursor(std::string_view text);

    // Moves to the next line; false when there is none.
    bool Next();
    std::string_view line() const { return line_; }
    // 1-based file line of line(); 0 before the first Next().
    std::size_t number() const { return number_; }
    // The text after line() and its line break, up to the end of the text or its NUL.
    std::string_view rest() const {
        return text_.substr(pos_ < text_.size() ? pos_ : text_.size());
    }

  private:
    std::size_t NextBreak();

    std::string_view text_;
    std::size_t pos_ = 0;
    std::size_t number_ = 0;
    std::string_view line_;
    std::size_t nextLf_; // the first LF and CR at or after pos_, or the text's size
    std::size_t nextCr_;
};

// Number of lines of the text, counting no further than limit + 1.
std::size_t CountLinesUpTo(std::string_view text, std::size_t limit);

// Whether the text has more than limit lines. Every line takes at least one byte, so a text no
// longer than the limit is not walked at all.
bool HasMoreLinesThan(std::string_view text, std::size_t limit);

// 1-based line of the first NUL byte; 0 when there is none.
std::size_t NulLine(std::string_view bytes);

struct Token {
    std::string_view text;
    std::size_t line = 0;
};

inline bool IsSeparator(char c) {
    return c == ' ' || c == ',';
}

// The numeric block's tokens, as the reader cuts them: blanks and commas separate tokens and a
// line break ends one; a tab or any other character belongs to its token.
class TokenCursor {
  public:
    // Starts at the line after the one the cursor stands on.
    explicit TokenCursor(LineCursor lines) : lines_(lines) {}

    // Moves to the next token; false once the text is used up.
    bool Next(Token& token) {
        PlainDecimal unused;
        return Next(token, unused);
    }

    // The same, reading the token's front in the plain form of a number on the way (most tokens
    // are nothing else), so that a number is taken apart in the same pass that finds its end.
    // Inline, with plain loops: it runs once per number of a file, its tokens are a few
    // characters long, and the library's find_first_of would search its set once per character.
    bool Next(Token& token, PlainDecimal& plain) {
        for (;;) {
            const char* p = rest_.data();
            const char* const end = p + rest_.size();
            while (p != end && IsSeparator(*p))
                ++p;
            if (p != end) {
                plain = ReadPlainDecimal(std::string_view(p, static_cast<std::size_t>(end - p)));
                const char* q = p + plain.length;
                while (q != end && !IsSeparator(*q))
                    ++q;
                token =
                    Token{std::string_view(p, static_cast<std::size_t>(q - p)), lines_.number()};
                rest_ = std::string_view(q, static_cast<std::size_t>(end - q));
                return true;
            }
            if (!lines_.Next())
                return false;
            rest_ = lines_.line();
        }
    }

    // The line the cursor has reached: the file's last line once the tokens have run out.
    std::size_t line() const { return lines_.number(); }

  private:
    LineCursor lines_;
    std::string_view rest_;
};

} // namespace lumetra
