#include "IesWriter.h"

#include "NumberFormat.h"
#include "WritingTexts.h"
#include "data/AsciiCase.h"
#include "data/Errors.h"

#include <algorithm>
#include <array>

namespace lumetra::writing {

namespace {

// LM-63-2002 allows 256 characters per line, CR LF included; a keyword value that is longer
// continues on [MORE] lines.
constexpr std::size_t kLineText2002 = 254;
constexpr std::size_t kNumbersPerLine = 10;

constexpr std::array<const char*, 4> kRequired{"[TEST]", "[TESTLAB]", "[ISSUEDATE]", "[MANUFAC]"};

class LineWriter {
  public:
    explicit LineWriter(IesVersion version) : limited_(version == IesVersion::Lm63_2002) {}

    void Line(std::string_view text) {
        text_.append(text);
        text_.append("\r\n");
    }
    // The values as records of at most ten numbers and, for 2002, at most 254 characters.
    void Numbers(const tArrEx& values, std::string (*format)(long double) = FormatNumber) {
        std::vector<std::string> texts;
        texts.reserve(values.size());
        for (const long double value : values)
            texts.push_back(format(value));
        NumberTexts(texts);
    }
    void NumberTexts(const std::vector<std::string>& numbers) {
        std::string line;
        std::size_t count = 0;
        for (const std::string& number : numbers) {
            if (limited_ && number.size() > kLineText2002)
                throw LumetraError(texts::Said(texts::kLineTooLong));
            const bool full = count == kNumbersPerLine ||
                              (limited_ && line.size() + 1 + number.size() > kLineText2002);
            if (count > 0 && full) {
                Line(line);
                line.clear();
                count = 0;
            }
            line += (count > 0 ? " " : "") + number;
            ++count;
        }
        if (count > 0)
            Line(line);
    }
    // A keyword line; in 2002 a long value goes on as [MORE] lines, split at a blank if it can.
    // Neither part keeps blanks at the cut, so that writing the written file again changes nothing.
    void Keyword(std::string line) {
        while (limited_ && line.size() > kLineText2002) {
            std::size_t cut = line.rfind(' ', kLineText2002);
            if (cut == std::string::npos || cut <= 7)
                cut = kLineText2002;
            Line(TrimTrailingBlanks(std::string_view(line).substr(0, cut)));
            line = "[MORE] " + std::string(TrimLeadingBlanks(std::string_view(line).substr(cut)));
        }
        Line(line);
    }
    std::string Take() && { return std::move(text_); }

  private:
    bool limited_;
    std::string text_;
};

std::string TiltLine(const IesDocument& document, IesVersion version) {
    const std::string upper = AsciiUpperText(document.Tilt);
    if (upper == "NONE" || upper == "INCLUDE")
        return "TILT=" + upper;
    if (version == IesVersion::Lm63_2019)
        throw LumetraError(texts::Said(texts::kTiltFile2019).Arg(document.Tilt));
    return "TILT=" + document.Tilt;
}

void WriteTilt(LineWriter& out, const tArrEx& values) {
    if (values.size() < 2)
        return;
    out.Numbers({values[0]});
    out.Numbers({values[1]});
    const std::size_t pairs = (values.size() - 2) / 2;
    out.Numbers(
        tArrEx(values.begin() + 2, values.begin() + 2 + static_cast<std::ptrdiff_t>(pairs)));
    out.Numbers(tArrEx(values.begin() + 2 + static_cast<std::ptrdiff_t>(pairs), values.end()));
}

void WriteNumbers(LineWriter& out, const IesDocument& document) {
    const IesNumbers& n = document.Numbers;
    const auto computed = n.Computed ? FormatComputed : FormatNumber;
    out.NumberTexts({FormatNumber(n.Lamps), computed(n.LumensPerLamp), computed(n.Multiplier),
                     std::to_string(document.VerticalAngles.size()),
                     std::to_string(document.HorizontalAngles.size()),
                     FormatNumber(n.PhotometricType), std::to_string(n.UnitsType),
                     FormatNumber(n.Width), FormatNumber(n.Length), FormatNumber(n.Height)});
    out.Numbers({n.BallastFactor, n.SecondValue, n.InputWatts});
    out.Numbers(document.VerticalAngles);
    out.Numbers(document.HorizontalAngles);
    for (const tArrEx& plane : document.Candela)
        out.Numbers(plane, document.CandelaComputed ? FormatComputed : FormatNumber);
}

} // namespace

TextLines WithRequiredKeywords(const TextLines& keywordLines) {
    TextLines lines;
    for (const char* keyword : kRequired) {
        const bool present = std::any_of(keywordLines.begin(), keywordLines.end(),
                                         [keyword](const std::string& line) {
                                             return StartsWithIgnoringAsciiCase(line, keyword);
                                         });
        if (!present)
            lines.emplace_back(keyword);
    }
    lines.insert(lines.end(), keywordLines.begin(), keywordLines.end());
    return lines;
}

std::string WriteIes(const IesDocument& document, IesVersion version) {
    LineWriter out(version);
    out.Line(version == IesVersion::Lm63_2019 ? "IES:LM-63-2019" : "IESNA:LM-63-2002");
    for (const std::string& line : WithRequiredKeywords(document.KeywordLines))
        out.Keyword(line);
    const std::string tilt = TiltLine(document, version);
    out.Line(tilt);
    if (tilt == "TILT=INCLUDE")
        WriteTilt(out, document.TiltValues);
    WriteNumbers(out, document);
    return std::move(out).Take();
}

} // namespace lumetra::writing
