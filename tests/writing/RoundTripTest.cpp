// Every sample of both folders written as IES 2002, IES 2019 and EULUMDAT, the result loaded by
// the viewer's own readers and compared with the source: angles, symmetry, every intensity in
// candela, the luminaire's figures and description, the layout; and writing the written file
// again gives the same bytes.

#include "data/IesReader.h"
#include "data/Loading.h"
#include "data/TextLines.h"
#include "eulumdat/PhotometryFile.h"
#include "summary/PhotometricSummary.h"
#include "summary/SymmetryCompletion.h"
#include "support/Samples.h"
#include "support/TempFolder.h"
#include "writing/Writing.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>
#include <iostream>
#include <map>
#include <set>

namespace lumetra::writing {
namespace {

namespace fs = std::filesystem;

struct Loaded {
    tIES Record;
    LuminaireFacts Facts;
    TextLines HeaderLines;
};

Loaded Load(const std::string& fileName) {
    Loaded loaded;
    TextLines lines;
    LoadPhotometryFile(fileName, loaded.Record, lines, loaded.HeaderLines, nullptr, loaded.Facts);
    return loaded;
}

long double Scale(const Loaded& loaded) {
    return loaded.Record.CandelaMultiplier * loaded.Facts.BallastFactor;
}

// Each completed plane's values by its angle modulo 360.
std::map<long double, const tArrEx*> PlanesModulo360(const tIES& record) {
    const auto form = summary::ClassifySymmetry(record.HorizontalAngles);
    const auto whole = summary::CompletedPlanes(record.HorizontalAngles, form);
    std::map<long double, const tArrEx*> planes;
    for (std::size_t i = 0; i < whole.Angles.size(); ++i) {
        long double angle = std::fmod(whole.Angles[i], 360.0L);
        angle = angle < 0 ? angle + 360 : angle;
        planes.emplace(angle, &record.Candela[whole.Source[i]]); // C0 kept before C360
    }
    return planes;
}

long double LargestIntensity(const Loaded& loaded) {
    long double largest = 0;
    for (const tArrEx& plane : loaded.Record.Candela)
        for (const long double value : plane)
            largest = std::max(largest, std::fabs(value * Scale(loaded)));
    return largest;
}

struct Figures {
    std::size_t files = 0;
    std::size_t conversions = 0;
    long double largestRelative = 0;
};

Figures& RoundTripFigures() {
    static Figures figures;
    return figures;
}

// Compares every intensity; returns the largest relative difference.
long double CompareIntensities(const Loaded& source, const Loaded& written, bool sameAngles) {
    const long double tolerance = 1e-9L * LargestIntensity(source);
    long double largest = 0;
    const auto compare = [&](const tArrEx& a, const tArrEx& b) {
        ASSERT_EQ(a.size(), b.size());
        for (std::size_t v = 0; v < a.size(); ++v) {
            const long double expected = a[v] * Scale(source);
            const long double actual = b[v] * Scale(written);
            const long double difference = std::fabs(expected - actual);
            EXPECT_LE(difference, 1e-9L * std::fabs(expected) + tolerance) << "at value " << v;
            if (expected != 0)
                largest = std::max(largest, difference / std::fabs(expected));
        }
    };
    if (sameAngles) {
        for (std::size_t h = 0; h < source.Record.Candela.size(); ++h)
            compare(source.Record.Candela[h], written.Record.Candela[h]);
        return largest;
    }
    const auto expected = PlanesModulo360(source.Record);
    const auto actual = PlanesModulo360(written.Record);
    EXPECT_EQ(expected.size(), actual.size());
    for (const auto& [angle, plane] : expected) {
        const auto found = actual.find(angle);
        if (found == actual.end()) {
            ADD_FAILURE() << "no plane at C" << static_cast<double>(angle);
            continue;
        }
        compare(*plane, *found->second);
    }
    return largest;
}

std::string Described(const Loaded& loaded, const char* keyword, std::size_t length) {
    std::string text = HeaderKeyword(keyword, HeaderText(loaded.HeaderLines));
    const auto first = text.find_first_not_of(" \t");
    text = first == std::string::npos ? "" : text.substr(first);
    text = text.substr(0, std::min(length, text.size()));
    return text.substr(0, text.find_last_not_of(" \t") + 1);
}

void CompareDescriptions(const Loaded& source, const Loaded& written, bool toEulumdat) {
    for (const char* keyword : {"[TEST]", "[MANUFAC]", "[LUMINAIRE]", "[LUMCAT]", "[LAMP]"}) {
        const std::size_t length = !toEulumdat                        ? std::string::npos
                                   : std::string(keyword) == "[LAMP]" ? 40
                                                                      : 78;
        EXPECT_EQ(Described(source, keyword, length), Described(written, keyword, length))
            << keyword;
    }
}

void CompareLayout(const std::string& bytes, TargetFormat format) {
    const TextLines lines = SplitIntoLines(bytes);
    std::size_t crlf = 0;
    for (std::size_t at = bytes.find("\r\n"); at != std::string::npos;
         at = bytes.find("\r\n", at + 2))
        ++crlf;
    EXPECT_EQ(crlf, lines.size()) << "every line ends with CR LF";
    if (format == TargetFormat::Eulumdat) {
        for (const std::size_t k : {0, 7, 8, 9, 10, 11})
            EXPECT_LE(lines[k].size(), 78u);
        return;
    }
    EXPECT_EQ(lines[0], format == TargetFormat::Ies2019 ? "IES:LM-63-2019" : "IESNA:LM-63-2002");
    if (format != TargetFormat::Ies2002)
        return;
    for (const std::string& line : lines)
        EXPECT_LE(line.size() + 2, 256u);
}

struct Case {
    fs::path File;
    TargetFormat Format;
};

std::string Extension(TargetFormat format) {
    return format == TargetFormat::Eulumdat ? ".ldt" : ".ies";
}

std::vector<Case> AllCases() {
    std::vector<Case> cases;
    for (const std::string& folder : test::SampleFolders())
        for (const auto& entry : fs::directory_iterator(folder))
            if (IsPhotometricFileName(entry.path().string()))
                for (const auto format :
                     {TargetFormat::Ies2002, TargetFormat::Ies2019, TargetFormat::Eulumdat})
                    cases.push_back({entry.path(), format});
    std::sort(cases.begin(), cases.end(), [](const Case& a, const Case& b) {
        return std::tie(a.File, a.Format) < std::tie(b.File, b.Format);
    });
    return cases;
}

// The source as writing reads it: the viewer's reading, or the lenient one where the viewer's
// leaves numbers unread. Empty when neither reads it.
std::optional<SourceFile> ReadForWriting(const std::string& fileName) {
    try {
        SourceFile source = ReadSourceFile(fileName, Reading::Strict);
        if (source.Ies.ParseError)
            source = ReadSourceFile(fileName, Reading::Lenient);
        if (source.Ies.ParseError)
            return std::nullopt;
        return source;
    } catch (const LumetraError&) {
        return std::nullopt;
    }
}

// The symmetry is kept; EULUMDAT writes any turn that is none of the symmetric forms as Isym 0,
// read back as a whole turn, and a whole turn of one plane (C0 and C360 alike) as that plane.
void CompareSymmetry(const Loaded& source, const Loaded& written, const Case& c) {
    using summary::SymmetryForm;
    const SymmetryForm before = summary::ClassifySymmetry(source.Record.HorizontalAngles);
    const SymmetryForm after = summary::ClassifySymmetry(written.Record.HorizontalAngles);
    if (c.Format != TargetFormat::Eulumdat ||
        (before != SymmetryForm::None && before != SymmetryForm::Irregular)) {
        EXPECT_EQ(before, after);
        return;
    }
    const std::size_t planes = PlanesModulo360(source.Record).size();
    EXPECT_EQ(after, planes == 1 ? SymmetryForm::Axial : SymmetryForm::None);
}

void CompareFigures(const Loaded& source, const Loaded& written, const Case& c) {
    EXPECT_EQ(source.Record.VerticalAngles, written.Record.VerticalAngles);
    CompareSymmetry(source, written, c);
    EXPECT_DOUBLE_EQ(static_cast<double>(source.Facts.InputWatts),
                     static_cast<double>(written.Facts.InputWatts));
    if (c.Format != TargetFormat::Eulumdat) {
        EXPECT_EQ(source.Facts.PhotometricType, written.Facts.PhotometricType);
    }
}

void CompareStatedRatios(const Loaded& source, const Loaded& written) {
    const auto summary = summary::Summarize(source.Record, source.Facts);
    ASSERT_TRUE(written.Facts.StatedLightOutputRatio && written.Facts.StatedDownwardFluxFraction);
    // Absolute photometry states the computed flux as the lamp flux: a ratio of 100 %.
    EXPECT_NEAR(static_cast<double>(*written.Facts.StatedLightOutputRatio),
                static_cast<double>(summary.LightOutputRatio.value_or(1)), 1e-12);
    EXPECT_NEAR(static_cast<double>(*written.Facts.StatedDownwardFluxFraction),
                static_cast<double>(summary.DownwardFluxFraction.value_or(0)), 1e-12);
}

void RoundTripOne(const Case& c, Figures& figures) {
    const auto source = ReadForWriting(c.File.string());
    if (!source)
        return; // neither reading takes the file
    const bool ldtSource = source->Format == PhotometricFormat::Eulumdat;
    if (c.Format == TargetFormat::Eulumdat && !ldtSource &&
        KindOf(source->Facts.PhotometricType) != PhotometricKind::C) {
        EXPECT_THROW(WriteAs(*source, c.Format, {}, "out.ldt"), LumetraError);
        return;
    }
    test::TempFolder folder;
    const std::string target = (folder.path() / ("written" + Extension(c.Format))).string();
    const Written written = WriteAs(*source, c.Format, {}, target);
    CompareLayout(written.Bytes, c.Format);
    folder.Write("written" + Extension(c.Format), written.Bytes);

    Loaded original = Load(c.File.string());
    if (source->ReadAs == Reading::Lenient)
        original.Record =
            source->Record; // the viewer reads zeros: compare with the lenient reading
    const Loaded result = Load(target);
    CompareFigures(original, result, c);
    const bool sameAngles = !ldtSource && c.Format != TargetFormat::Eulumdat;
    const long double largest = CompareIntensities(original, result, sameAngles);
    CompareDescriptions(original, result, c.Format == TargetFormat::Eulumdat);
    if (!ldtSource && c.Format == TargetFormat::Eulumdat) {
        CompareStatedRatios(original, result);
    }

    const Written again = WriteAs(ReadSourceFile(target, Reading::Strict), c.Format, {}, target);
    EXPECT_EQ(again.Bytes, written.Bytes) << "writing the written file changes it";

    figures.conversions += 1;
    figures.largestRelative = std::max(figures.largestRelative, largest);
}

std::string FormatName(TargetFormat format) {
    return format == TargetFormat::Eulumdat  ? "EULUMDAT"
           : format == TargetFormat::Ies2019 ? "IES 2019"
                                             : "IES 2002";
}

TEST(RoundTrip, EverySampleBothWays) {
    Figures& figures = RoundTripFigures();
    std::set<fs::path> files;
    for (const Case& c : AllCases()) {
        SCOPED_TRACE(c.File.filename().string() + " as " + FormatName(c.Format));
        RoundTripOne(c, figures);
        files.insert(c.File);
    }
    std::cout << "round trip: " << files.size() << " files, " << figures.conversions
              << " conversions, largest relative difference "
              << static_cast<double>(figures.largestRelative) << "\n";
    EXPECT_GE(figures.conversions, 150u); // 66 files of the two folders, a few refused
    EXPECT_LT(figures.largestRelative, 1e-9L);
}

} // namespace
} // namespace lumetra::writing
