#include "NumericValidation.h"

#include "IesReader.h"
#include "NumericText.h"
#include "TokenSign.h"
#include "Translatable.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

namespace lumetra {

namespace {

constexpr std::array<const char*, 13> kLeadingNames = {
    LUMETRA_TR_NOOP("Check", "the number of lamps"),
    LUMETRA_TR_NOOP("Check", "the lumens per lamp"),
    LUMETRA_TR_NOOP("Check", "the candela multiplier"),
    LUMETRA_TR_NOOP("Check", "the number of vertical angles"),
    LUMETRA_TR_NOOP("Check", "the number of horizontal angles"),
    LUMETRA_TR_NOOP("Check", "the photometric type"),
    LUMETRA_TR_NOOP("Check", "the units type"),
    LUMETRA_TR_NOOP("Check", "the width"),
    LUMETRA_TR_NOOP("Check", "the length"),
    LUMETRA_TR_NOOP("Check", "the height"),
    LUMETRA_TR_NOOP("Check", "the ballast factor"),
    LUMETRA_TR_NOOP("Check", "the ballast-lamp photometric factor"),
    LUMETRA_TR_NOOP("Check", "the input watts"),
};
constexpr std::size_t kVerticalCountIndex = 3;
constexpr std::size_t kHorizontalCountIndex = 4;
constexpr std::size_t kPhotometricTypeIndex = 5;
constexpr std::size_t kUnitsTypeIndex = 6;

constexpr long double kTwoTo63 = 9223372036854775808.0L; // exact in extended precision

struct Number {
    long double value = 0;
    bool converted = false;
    Token token;
};

Message NotANumberMessage(std::string_view token, const char* expected) {
    Message message =
        token.find('\t') == std::string_view::npos
            ? LUMETRA_MESSAGE("Check", "Token %1 is not a number (expected %2)")
            : LUMETRA_MESSAGE("Check", "Token %1 is not a number (expected %2); a tab does "
                                       "not separate numbers (lumetra-cli convert --lenient "
                                       "reads it as a blank and writes the file out clean)");
    return std::move(message).Arg(Quoted(token)).Arg(Message("Check", expected));
}

// The reader refuses a file whose count does not fit a 64-bit integer once rounded.
bool FitsReaderRange(long double rounded) {
    return rounded >= -kTwoTo63 && rounded < kTwoTo63;
}

// What the reader keeps of a rounded count: its low 16 bits.
std::uint16_t LowWord(long double rounded) {
    return static_cast<std::uint16_t>(
        static_cast<std::uint64_t>(static_cast<std::int64_t>(rounded)) & 0xFFFFu);
}

// The LM-63 forms of the horizontal angles. Photometric types A and B (3 and 2) lay their
// horizontal angles from -90 or 0 to 90; type C lays C-planes.
bool IsLm63HorizontalForm(long double first, long double last, bool typeAOrB) {
    if (typeAOrB)
        return (first == 0 || first == -90) && last == 90;
    return (first == 0 && (last == 90 || last == 180 || last == 360)) ||
           (first == 90 && last == 270);
}

// The horizontal angles' first and last, when they are none of the LM-63 forms.
Message HorizontalFormMessage(const Number& first, const Number& last, bool typeAOrB) {
    Message message =
        typeAOrB ? LUMETRA_MESSAGE("Check", "The horizontal angles run from %1 to %2, none of the "
                                            "LM-63 forms (for photometric types A and B: one "
                                            "plane; 0 to 90; -90 to 90)")
                 : LUMETRA_MESSAGE("Check", "The horizontal angles run from %1 to %2, none of the "
                                            "LM-63 forms (one plane; 0 to 90; 0 to 180; 90 to "
                                            "270; 0 to 360)");
    return std::move(message).Arg(std::string(first.token.text)).Arg(std::string(last.token.text));
}

// The highest of the values considered, the first of equals, and its line.
struct HighestValue {
    std::optional<long double> value;
    std::size_t line = 0;

    void Consider(const Token& token) {
        long double converted = 0;
        ConvertToken(token.text, converted);
        if (!value || converted > *value) {
            value = converted;
            line = token.line;
        }
    }
};

class NumericBlockCheck {
  public:
    NumericBlockCheck(const LineCursor& tiltLine, FindingList& findings)
        : tokens_(tiltLine), findings_(findings) {}

    void Run(bool tiltInclude) {
        std::array<Number, 13> leading;
        if ((tiltInclude && !SkipTiltBlock()) || !ReadLeading(leading))
            return;
        const auto vertical =
            CheckCount(leading[kVerticalCountIndex], LUMETRA_TR_NOOP("Check", "vertical angles"));
        const auto horizontal = vertical ? CheckCount(leading[kHorizontalCountIndex],
                                                      LUMETRA_TR_NOOP("Check", "horizontal angles"))
                                         : std::nullopt;
        if (!horizontal || !CheckUnitsTypeRange(leading[kUnitsTypeIndex]) ||
            !CheckGridSize(*vertical, *horizontal, leading[kHorizontalCountIndex].token.line))
            return;
        const long double type = std::nearbyintl(leading[kPhotometricTypeIndex].value);
        if (CheckVerticalAngles(*vertical) &&
            CheckHorizontalAngles(*horizontal, type == 2 || type == 3) &&
            CheckCandela(*vertical, *horizontal))
            CheckRemainder();
    }

  private:
    // Takes the next token into number, reporting one that does not convert (it reads as 0, as
    // in the reader); false once the file has run out.
    bool Take(const char* expected, Number& number) {
        if (!tokens_.Next(number.token))
            return false;
        number.converted = ConvertToken(number.token.text, number.value);
        if (!number.converted)
            ReportNotANumber(number.token, expected);
        return true;
    }

    void ReportNotANumber(const Token& token, const char* expected) {
        findings_.Add(Repeating::NotANumber, Severity::Error, token.line,
                      NotANumberMessage(token.text, expected));
    }

    // The same for a token read on its own.
    std::optional<Number> Take(const char* expected) {
        Number number;
        if (!Take(expected, number))
            return std::nullopt;
        return number;
    }

    void ReportEnd(Message message) {
        findings_.Add(Severity::Error, tokens_.line(), std::move(message));
    }

    // The tilt block of TILT=INCLUDE, skipped as the reader skips it: geometry, a count N, N
    // angles and N factors.
    bool SkipTiltBlock() {
        const auto geometry = Take(LUMETRA_TR_NOOP("Check", "the lamp-to-luminaire geometry"));
        const auto count =
            geometry ? Take(LUMETRA_TR_NOOP("Check", "the number of tilt angles")) : std::nullopt;
        if (!count) {
            ReportEnd(LUMETRA_MESSAGE("Check", "The file ends inside the tilt block"));
            return false;
        }
        const long double rounded = std::nearbyintl(count->value);
        if (count->converted && (rounded != count->value || rounded < 0))
            findings_.Add(Severity::Error, count->token.line,
                          LUMETRA_MESSAGE("Check", "The number of tilt angles, %1, is not a whole "
                                                   "number from 0 up")
                              .Arg(Quoted(count->token.text)));
        // Taking stops when the tokens run out, so a huge count costs no more than the file.
        const long double pairs = std::fmin(std::fmax(rounded, 0.0L), kTwoTo63 / 4);
        const auto values = 2 * static_cast<std::uint64_t>(pairs);
        Number value;
        for (std::uint64_t i = 0; i < values; ++i) {
            if (!Take(i < values / 2 ? LUMETRA_TR_NOOP("Check", "a tilt angle")
                                     : LUMETRA_TR_NOOP("Check", "a tilt factor"),
                      value)) {
                ReportEnd(LUMETRA_MESSAGE("Check", "The file ends inside the tilt block, after "
                                                   "%1 of its %2 angles and factors")
                              .Arg(std::to_string(i))
                              .Arg(std::to_string(values)));
                return false;
            }
        }
        return true;
    }

    bool ReadLeading(std::array<Number, 13>& leading) {
        for (std::size_t i = 0; i < leading.size(); ++i) {
            const auto number = Take(kLeadingNames[i]);
            if (!number) {
                ReportEnd(LUMETRA_MESSAGE("Check", "The file ends after %1 of the 13 numbers "
                                                   "that lead the photometric data")
                              .Arg(std::to_string(i)));
                return false;
            }
            leading[i] = *number;
        }
        return true;
    }

    // The count as the reader takes it; nothing when the reader refuses the file over it. A
    // count that did not convert reads as 0 and has been reported already.
    std::optional<std::uint16_t> CheckCount(const Number& count, const char* what) {
        if (!count.converted)
            return std::uint16_t{0};
        const std::string written = Quoted(count.token.text);
        const long double rounded = std::nearbyintl(count.value);
        if (!FitsReaderRange(rounded)) {
            findings_.Add(Severity::Error, count.token.line,
                          LUMETRA_MESSAGE("Check", "The number of %1, %2, is out of range: the "
                                                   "viewer refuses the file")
                              .Arg(Message("Check", what))
                              .Arg(written));
            return std::nullopt;
        }
        const std::uint16_t word = LowWord(rounded);
        if (rounded == 0 && count.value == 0)
            findings_.Add(Severity::Error, count.token.line,
                          LUMETRA_MESSAGE("Check", "The file declares no %1: the viewer has "
                                                   "nothing to show")
                              .Arg(Message("Check", what)));
        else if (rounded != count.value || rounded < 1 || rounded > 65535)
            findings_.Add(Severity::Error, count.token.line,
                          LUMETRA_MESSAGE("Check", "The number of %1, %2, is not a whole number "
                                                   "from 1 to 65535: the viewer reads it as %3")
                              .Arg(Message("Check", what))
                              .Arg(written)
                              .Arg(std::to_string(word)));
        return word;
    }

    bool CheckUnitsTypeRange(const Number& units) {
        if (!units.converted || FitsReaderRange(std::nearbyintl(units.value)))
            return true;
        findings_.Add(Severity::Error, units.token.line,
                      LUMETRA_MESSAGE("Check", "The units type, %1, is out of range: the viewer "
                                               "refuses the file")
                          .Arg(Quoted(units.token.text)));
        return false;
    }

    bool CheckGridSize(std::uint16_t vertical, std::uint16_t horizontal, std::size_t line) {
        const unsigned long grid = static_cast<unsigned long>(vertical) * horizontal;
        if (grid <= kMaxCandelaValues)
            return true;
        findings_.Add(Severity::Error, line,
                      LUMETRA_MESSAGE("Check", "The file declares %1 x %2 = %3 candela values, "
                                               "more than the viewer supports (%4): it refuses "
                                               "the file")
                          .Arg(std::to_string(vertical))
                          .Arg(std::to_string(horizontal))
                          .Arg(std::to_string(grid))
                          .Arg(std::to_string(kMaxCandelaValues)));
        return false;
    }

    bool CheckVerticalAngles(std::uint16_t count) {
        Number angle;
        std::optional<Number> previous;
        for (std::size_t i = 0; i < count; ++i) {
            if (!Take(LUMETRA_TR_NOOP("Check", "a vertical angle"), angle)) {
                ReportEnd(LUMETRA_MESSAGE("Check", "The file ends after %1 of its %2 vertical "
                                                   "angles")
                              .Arg(std::to_string(i))
                              .Arg(std::to_string(count)));
                return false;
            }
            if (!angle.converted)
                continue;
            if (i == 0 && angle.value != 0 && angle.value != 90 && angle.value != -90)
                findings_.Add(Severity::Warning, angle.token.line,
                              LUMETRA_MESSAGE("Check", "The first vertical angle is %1, not 0, 90 "
                                                       "or -90 as LM-63 requires")
                                  .Arg(std::string(angle.token.text)));
            if (previous && angle.value <= previous->value)
                findings_.Add(Repeating::VerticalOrder, Severity::Error, angle.token.line,
                              LUMETRA_MESSAGE("Check",
                                              "Vertical angle %1 is not above the angle before "
                                              "it (%2): the light pattern cannot be rendered "
                                              "across equal or descending angles")
                                  .Arg(std::string(angle.token.text))
                                  .Arg(std::string(previous->token.text)));
            previous = angle;
        }
        return true;
    }

    bool CheckHorizontalAngles(std::uint16_t count, bool typeAOrB) {
        Number angle;
        std::optional<Number> first, previous, disorder, disorderPrevious;
        bool allConverted = true;
        for (std::size_t i = 0; i < count; ++i) {
            if (!Take(LUMETRA_TR_NOOP("Check", "a horizontal angle"), angle)) {
                ReportEnd(LUMETRA_MESSAGE("Check", "The file ends after %1 of its %2 horizontal "
                                                   "angles")
                              .Arg(std::to_string(i))
                              .Arg(std::to_string(count)));
                return false;
            }
            allConverted = allConverted && angle.converted;
            if (!angle.converted)
                continue;
            if (previous && angle.value <= previous->value && !disorder) {
                disorder = angle;
                disorderPrevious = previous;
            }
            if (!first)
                first = angle;
            previous = angle;
        }
        if (count < 2 || !allConverted)
            return true; // one plane is a form of its own; a token that is not a number is reported
        if (disorder)
            findings_.Add(Severity::Warning, disorder->token.line,
                          LUMETRA_MESSAGE("Check", "Horizontal angle %1 is not above the angle "
                                                   "before it (%2): the horizontal angles are "
                                                   "none of the LM-63 forms")
                              .Arg(std::string(disorder->token.text))
                              .Arg(std::string(disorderPrevious->token.text)));
        else if (!IsLm63HorizontalForm(first->value, previous->value, typeAOrB))
            findings_.Add(Severity::Warning, first->token.line,
                          HorizontalFormMessage(*first, *previous, typeAOrB));
        return true;
    }

    // The hot loop of the check. Only the sign of a candela value matters, save while none has
    // been above 0: then the highest one is kept, to report where it is should it stay the highest.
    bool CheckCandela(std::uint16_t vertical, std::uint16_t horizontal) {
        const unsigned long total = static_cast<unsigned long>(vertical) * horizontal;
        Token token;
        PlainDecimal plain;
        bool anyPositive = false;
        HighestValue highest;
        for (unsigned long i = 0; i < total; ++i) {
            if (!tokens_.Next(token, plain)) {
                ReportEnd(LUMETRA_MESSAGE("Check", "The file ends after %1 of the %2 candela "
                                                   "values that its counts declare (%3 x %4)")
                              .Arg(std::to_string(i))
                              .Arg(std::to_string(total))
                              .Arg(std::to_string(vertical))
                              .Arg(std::to_string(horizontal)));
                return false;
            }
            const TokenSign sign = SignOf(token.text, plain);
            if (sign == TokenSign::NotANumber) {
                ReportNotANumber(token, LUMETRA_TR_NOOP("Check", "a candela value"));
                continue;
            }
            if (sign == TokenSign::Negative)
                findings_.Add(Repeating::NegativeCandela, Severity::Warning, token.line,
                              LUMETRA_MESSAGE("Check", "Negative candela value %1")
                                  .Arg(std::string(token.text)));
            anyPositive = anyPositive || sign == TokenSign::Positive;
            if (!anyPositive)
                highest.Consider(token);
        }
        if (highest.value && !anyPositive)
            findings_.Add(Severity::Warning, highest.line,
                          LUMETRA_MESSAGE("Check", "No candela value is above 0: the goniogram "
                                                   "has no scale to draw on"));
        return true;
    }

    void CheckRemainder() {
        std::optional<Token> first;
        std::size_t count = 0;
        for (Token token; tokens_.Next(token);) {
            if (count++ == 0)
                first = token;
        }
        if (!first)
            return;
        findings_.Add(Severity::Warning, first->line,
                      count == 1 ? LUMETRA_MESSAGE("Check", "The file holds 1 token more than its "
                                                            "counts declare (%1): the viewer "
                                                            "ignores it")
                                       .Arg(Quoted(first->text))
                                 : LUMETRA_MESSAGE("Check", "The file holds %2 tokens more than "
                                                            "its counts declare, from %1 on: the "
                                                            "viewer ignores them")
                                       .Arg(Quoted(first->text))
                                       .Arg(std::to_string(count)));
    }

    TokenCursor tokens_;
    FindingList& findings_;
};

} // namespace

void CheckNumericBlock(const LineCursor& tiltLine, const HeaderEnd& header, FindingList& findings) {
    LineCursor after = tiltLine;
    if (!after.Next()) {
        findings.Add(Severity::Error, header.tiltLine,
                     LUMETRA_MESSAGE("Check", "Nothing follows the TILT line: the viewer cannot "
                                              "read the file"));
        return;
    }
    NumericBlockCheck(tiltLine, findings).Run(header.tiltInclude);
}

} // namespace lumetra
