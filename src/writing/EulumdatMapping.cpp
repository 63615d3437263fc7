#include "EulumdatMapping.h"

#include "Adjustment.h"
#include "EulumdatPlanes.h"
#include "NumberFormat.h"
#include "WritingTexts.h"
#include "data/AsciiCase.h"
#include "data/Errors.h"
#include "data/IesReader.h"
#include "data/Loading.h"
#include "data/TextLines.h"
#include "eulumdat/LineCursor.h"
#include "eulumdat/StoredPlanes.h"
#include "properties/KeywordTable.h"
#include "summary/PhotometricSummary.h"

#include <algorithm>
#include <cmath>

namespace lumetra::writing {

namespace {

constexpr std::size_t kTextLength = 78;
constexpr std::size_t kLampTextLength = 40;
constexpr std::size_t kMostCPlanes = 65535;

std::string Trimmed(std::string_view text) {
    return std::string(TrimBlanks(text));
}

std::string Cut(std::string text, std::size_t length) {
    if (text.size() > length)
        text.resize(length);
    return text;
}

// Figures computed here; values copied from the source use FormatNumber.
std::string Number(long double value) {
    return FormatComputed(value);
}

// Values as read, or computed when a factor other than 1 scales them.
void AppendNumbers(TextLines& lines, const tArrEx& values, long double factor = 1) {
    for (const long double value : values) {
        if (!std::isfinite(value * factor))
            throw LumetraError(texts::Said(texts::kValueTooLarge));
        lines.push_back(factor == 1 ? FormatNumber(value) : FormatComputed(value * factor));
    }
}

// C-angles, gamma angles and the stored planes, the planes' values multiplied by factor.
void AppendPlanes(TextLines& lines, const EulumdatPlanes& planes, const tIES& record,
                  long double factor) {
    AppendNumbers(lines, planes.CAngles);
    AppendNumbers(lines, record.VerticalAngles);
    for (const std::size_t plane : planes.Stored)
        AppendNumbers(lines, record.Candela[plane], factor);
}

EulumdatPlanes CheckedPlanes(const tIES& record, std::vector<std::string>& notes) {
    EulumdatPlanes planes = EulumdatPlanesOf(record);
    if (planes.CAngles.size() > kMostCPlanes)
        throw LumetraError("The file has more C-planes than EULUMDAT can list (65535)");
    if (planes.DroppedC360)
        notes.emplace_back(texts::kC360Dropped);
    return planes;
}

std::string BaseName(const std::string& fileName) {
    const auto slash = fileName.rfind('/');
    return slash == std::string::npos ? fileName : fileName.substr(slash + 1);
}

} // namespace

std::string WriteEulumdat(const TextLines& lines) {
    return JoinLinesCrLf(lines);
}

// ---- IES source ----

namespace {

struct IesFigures {
    long double LampFlux = 0; // F, lm
    long double Lamps = 0;    // signed: negative for absolute photometry
    long double Dff = 0;      // %
    long double Lorl = 0;     // %
};

summary::PhotometricSummary ScaledSummary(const SourceFile& source) {
    tIES inCandela = source.Record;
    inCandela.CandelaMultiplier = CandelaPerStoredValue(source);
    LuminaireFacts facts = source.Facts;
    facts.BallastFactor = 1;
    return summary::Summarize(inCandela, facts);
}

IesFigures FiguresOf(const SourceFile& source) {
    const summary::PhotometricSummary summary = ScaledSummary(source);
    const long double flux = summary.Flux.value_or(0);
    IesFigures figures;
    if (const auto stated = StatedLampFlux(source)) {
        figures.LampFlux = *stated;
        figures.Lamps = source.Facts.NumberOfLamps;
    } else {
        figures.LampFlux = flux;
        figures.Lamps = -std::max(1.0L, source.Facts.NumberOfLamps);
    }
    if (!(figures.LampFlux > 0) || !std::isfinite(figures.LampFlux))
        throw LumetraError(texts::Said(texts::kNoFluxForEulumdat));
    figures.Dff = flux > 0 ? 100 * summary.DownwardFlux.value_or(0) / flux : 0;
    figures.Lorl = 100 * flux / figures.LampFlux;
    return figures;
}

// The header keywords EULUMDAT has a line for, and how many characters the line holds.
struct MappedKeyword {
    const char* keyword;
    std::size_t length;
};
constexpr MappedKeyword kMappedKeywords[] = {
    {"[MANUFAC]", kTextLength}, {"[TEST]", kTextLength},      {"[LUMINAIRE]", kTextLength},
    {"[LUMCAT]", kTextLength},  {"[ISSUEDATE]", kTextLength}, {"[LAMP]", kLampTextLength},
};

std::string Written(const std::string& headerText, const MappedKeyword& mapped) {
    return Cut(Trimmed(HeaderKeyword(mapped.keyword, headerText)), mapped.length);
}

std::string Described(const std::string& headerText, const char* keyword) {
    return Written(headerText, {keyword, kTextLength});
}

std::string UpperAscii(std::string text) {
    for (char& c : text)
        c = AsciiUpper(c);
    return text;
}

const MappedKeyword* MappedKeywordOf(const std::string& keyword) {
    for (const MappedKeyword& mapped : kMappedKeywords)
        if (UpperAscii(keyword) == mapped.keyword)
            return &mapped;
    return nullptr;
}

void AddName(std::string& list, const std::string& name) {
    if (list.find(name) == std::string::npos)
        list += (list.empty() ? "" : ", ") + name;
}

// What of the header EULUMDAT cannot hold, said rather than dropped silently: a mapped keyword
// whose text was cut (too long, continued on [MORE] lines, or given twice) and every other
// keyword line or text line with a value.
void NoteHeaderLeftOut(const TextLines& headerLines, std::vector<std::string>& notes) {
    const std::string headerText = HeaderText(headerLines);
    std::string cut;
    std::string leftOut;
    std::vector<const MappedKeyword*> seen;
    for (const properties::KeywordRow& row : properties::KeywordTable(headerLines)) {
        const MappedKeyword* mapped = MappedKeywordOf(row.keyword);
        const bool first = mapped && std::find(seen.begin(), seen.end(), mapped) == seen.end();
        seen.push_back(mapped);
        if (first && row.value != Written(headerText, *mapped))
            AddName(cut, mapped->keyword);
        else if (!first && !row.value.empty())
            AddName(leftOut, mapped                ? std::string(mapped->keyword)
                             : row.keyword.empty() ? std::string(texts::kLinesWithoutKeyword)
                                                   : row.keyword);
    }
    if (!cut.empty())
        notes.push_back(FormatMessage(texts::kTextCut, cut));
    if (!leftOut.empty())
        notes.push_back(FormatMessage(texts::kKeywordsLeftOut, leftOut));
}

long double Millimetres(const SourceFile& source, long double size) {
    return std::fabs(size) * (source.Record.UnitsType == 1 ? 304.8L : 1000);
}

void AppendIdentification(TextLines& lines, const SourceFile& source, const EulumdatPlanes& planes,
                          const std::string& headerText) {
    lines.push_back(Described(headerText, "[MANUFAC]"));
    lines.push_back(planes.Isym == 1 ? "1" : "3");
    lines.push_back(std::to_string(planes.Isym));
    lines.push_back(std::to_string(planes.Isym == 1 ? 1 : planes.CAngles.size()));
    lines.push_back(Number(CommonStep(planes.CAngles)));
    lines.push_back(std::to_string(source.Record.VerticalAngles.size()));
    lines.push_back(Number(CommonStep(source.Record.VerticalAngles)));
    lines.push_back(Described(headerText, "[TEST]"));
    lines.push_back(Described(headerText, "[LUMINAIRE]"));
    lines.push_back(Described(headerText, "[LUMCAT]"));
}

void AppendSizes(TextLines& lines, const SourceFile& source) {
    const LuminaireFacts& facts = source.Facts;
    const bool round = facts.Length < 0 && facts.Width < 0;
    const std::string length = Number(Millimetres(source, facts.Length));
    const std::string width = round ? "0" : Number(Millimetres(source, facts.Width));
    const std::string height = Number(Millimetres(source, facts.Height));
    lines.insert(lines.end(), {length, width, height, length, width});
    lines.insert(lines.end(), 4, height);
}

void AppendLampSet(TextLines& lines, const IesFigures& figures, const std::string& headerText,
                   const SourceFile& source) {
    lines.insert(lines.end(), {Number(figures.Dff), Number(figures.Lorl), "1", "0", "1"});
    lines.push_back(Number(figures.Lamps));
    lines.push_back(Cut(Trimmed(HeaderKeyword("[LAMP]", headerText)), kLampTextLength));
    lines.push_back(Number(figures.LampFlux));
    lines.insert(lines.end(), 2, std::string());
    lines.push_back(Number(source.Facts.InputWatts));
    lines.insert(lines.end(), 10, "0");
}

TextLines FromIes(const SourceFile& source, const std::string& targetName,
                  std::vector<std::string>& notes) {
    if (KindOf(source.Facts.PhotometricType) != PhotometricKind::C)
        throw LumetraError(
            texts::Said(texts::kEulumdatTypeC).Arg(Number(source.Facts.PhotometricType)));
    if (!source.Ies.Tilt.empty())
        notes.emplace_back(texts::kTiltDropped);
    NoteHeaderLeftOut(source.Ies.HeaderLines, notes);
    const EulumdatPlanes planes = CheckedPlanes(source.Record, notes);
    const IesFigures figures = FiguresOf(source);
    const std::string headerText = HeaderText(source.Ies.HeaderLines);
    TextLines lines;
    AppendIdentification(lines, source, planes, headerText);
    lines.push_back(Cut(BaseName(targetName), kTextLength));
    lines.push_back(Described(headerText, "[ISSUEDATE]"));
    AppendSizes(lines, source);
    AppendLampSet(lines, figures, headerText, source);
    AppendPlanes(lines, planes, source.Record,
                 CandelaPerStoredValue(source) * 1000 / figures.LampFlux);
    return lines;
}

} // namespace

// ---- EULUMDAT source ----

namespace {

enum class LineKind { Text, LampText, Number };

// Which lines hold text: 1, 8 to 12, and each lamp set's type, colour temperature and rendering.
LineKind KindOfLine(std::size_t k, std::size_t sets) {
    if (k == 1 || (k >= 8 && k <= 12))
        return LineKind::Text;
    if (k >= 27 && k < 27 + 6 * sets) {
        const std::size_t field = (k - 27) % 6;
        if (field >= 1 && field <= 4 && field != 2)
            return LineKind::LampText;
    }
    return LineKind::Number;
}

std::string KeptLine(const std::string& line, LineKind kind) {
    if (kind == LineKind::Text)
        return Cut(line, kTextLength);
    if (kind == LineKind::LampText)
        return Cut(line, kLampTextLength);
    std::string trimmed = Trimmed(line);
    long double value = 0;
    if (IsPlainNumber(trimmed) || !ConvertLineNumber(trimmed, value))
        return trimmed;
    return FormatNumber(value);
}

TextLines KeptLines(const SourceFile& source) {
    const EulumdatFile& file = source.Eulumdat.File;
    const std::size_t sets = file.LampSets.size();
    const std::size_t count =
        26 + 6 * sets + 10 + file.Mc + file.Ng + StoredPlaneCount(file.Isym, file.Mc) * file.Ng;
    TextLines lines;
    for (std::size_t k = 1; k <= count && k <= source.Eulumdat.Lines.size(); ++k)
        lines.push_back(KeptLine(source.Eulumdat.Lines[k - 1], KindOfLine(k, sets)));
    return lines;
}

void ScaleLine(std::string& line, long double factor) {
    long double value = 0;
    if (factor != 1 && ConvertLineNumber(line, value))
        line = Number(value * factor);
}

// A new lamp flux shared among the sets as their fluxes were.
void ScaleFluxLines(const SourceFile& source, TextLines& lines) {
    const auto stated = source.Facts.StatedLampFlux;
    if (!source.LampFlux || !stated || *stated == 0)
        return;
    for (std::size_t i = 0; i < source.Eulumdat.File.LampSets.size(); ++i)
        ScaleLine(lines[28 + 6 * i], *source.LampFlux / *stated);
}

// A turned record: new symmetry, C-angles and planes; everything else as kept.
TextLines TurnedLines(const SourceFile& source, TextLines lines, std::size_t planesStart,
                      std::vector<std::string>& notes) {
    const EulumdatPlanes planes = CheckedPlanes(source.Record, notes);
    lines.resize(planesStart);
    lines[2] = std::to_string(planes.Isym);
    lines[3] = std::to_string(planes.CAngles.size());
    lines[4] = Number(CommonStep(planes.CAngles));
    AppendPlanes(lines, planes, source.Record, source.Multiply);
    return lines;
}

TextLines FromEulumdat(const SourceFile& source, std::vector<std::string>& notes) {
    TextLines lines = KeptLines(source);
    const EulumdatFile& file = source.Eulumdat.File;
    const std::size_t planesStart = 26 + 6 * file.LampSets.size() + 10;
    ScaleFluxLines(source, lines);
    ScaleLine(lines[22], source.Multiply); // the light output ratio follows the intensities
    if (source.Turned)
        return TurnedLines(source, std::move(lines), planesStart, notes);
    for (std::size_t i = planesStart + file.Mc + file.Ng; i < lines.size(); ++i)
        ScaleLine(lines[i], source.Multiply);
    return lines;
}

} // namespace

TextLines EulumdatLinesOf(const SourceFile& source, const std::string& targetName,
                          std::vector<std::string>& notes) {
    if (source.Format == PhotometricFormat::Eulumdat)
        return FromEulumdat(source, notes);
    return FromIes(source, targetName, notes);
}

} // namespace lumetra::writing
