// Analytic EULUMDAT files of every symmetry, with every stored plane different, so that a plane
// put at the wrong horizontal angle fails; and the lines a file may write loosely.

#include "LdtText.h"
#include "data/Loading.h"

#include <gtest/gtest.h>
#include <vector>

namespace lumetra {
namespace {

using test::LdtLines;
using test::LoadLdtText;

struct Symmetry {
    int isym;
    tArrEx horizontalAngles;
    std::vector<std::size_t> storedPlane; // the stored plane (file order) at each angle
};

void PrintTo(const Symmetry& s, std::ostream* out) {
    *out << "Isym " << s.isym;
}

const Symmetry kSymmetries[] = {
    {0, {0, 45, 90, 135, 180, 225, 270, 315}, {0, 1, 2, 3, 4, 5, 6, 7}},
    {1, {0}, {0}},
    {2, {0, 45, 90, 135, 180}, {0, 1, 2, 3, 4}},
    // Stored C270, C315, C0, C45, C90 become 270, 225, 180, 135, 90, then ascend.
    {3, {90, 135, 180, 225, 270}, {4, 3, 2, 1, 0}},
    {4, {0, 45, 90}, {0, 1, 2}},
};

class EulumdatSymmetry : public ::testing::TestWithParam<Symmetry> {};

TEST_P(EulumdatSymmetry, PutsEachStoredPlaneAtItsIesAngleInCandela) {
    const Symmetry& s = GetParam();
    const auto load = LoadLdtText(test::JoinLdt(LdtLines(s.isym)));
    ASSERT_FALSE(load.error) << *load.error;
    const tIES& r = load.record;
    EXPECT_EQ(r.HorizontalAngles, s.horizontalAngles);
    EXPECT_EQ(r.VerticalAngles, (tArrEx{0, 45, 90}));
    EXPECT_EQ(r.HorizontalCount, s.horizontalAngles.size());
    EXPECT_EQ(r.VerticalCount, 3);
    ASSERT_EQ(r.Candela.size(), s.storedPlane.size());
    for (std::size_t h = 0; h < r.Candela.size(); ++h)
        for (std::size_t v = 0; v < 3; ++v) {
            EXPECT_EQ(r.Candela[h][v],
                      test::kCandelaPerUnit * test::StoredValue(s.storedPlane[h], v))
                << "plane " << h << ", gamma " << v;
        }
    EXPECT_EQ(r.LampLumens, 1000);
    EXPECT_EQ(r.CandelaMultiplier, 1);
    EXPECT_EQ(r.UnitsType, 2);
}

INSTANTIATE_TEST_SUITE_P(AllSymmetries, EulumdatSymmetry, ::testing::ValuesIn(kSymmetries));

TEST(EulumdatRecord, DescribesTheLuminaireWithTheSixCaptions) {
    const auto load = LoadLdtText(test::JoinLdt(LdtLines(2)));
    EXPECT_EQ(BuildDescription(HeaderText(load.headerLines)),
              "Test:  R123\rManufacturer:  ACME Lighting\r Luminaire A\r"
              "Luminaire catalog:  L-1\rLamp: LED 40W\rLamp catalog: \r");
    EXPECT_EQ(load.fileLines, LdtLines(2)) << "the file's lines are kept as read";
}

TEST(EulumdatRecord, KeepsTheLuminairesFiguresAndStatedRatios) {
    const LuminaireFacts f = LoadLdtText(test::JoinLdt(LdtLines(2))).facts;
    EXPECT_EQ(f.NumberOfLamps, 2);
    EXPECT_EQ(f.LumensPerLamp, 1000);
    EXPECT_EQ(f.PhotometricType, 1);
    EXPECT_EQ(f.InputWatts, 42.5L);
    EXPECT_EQ(f.StatedLampFlux, 2000);
    EXPECT_EQ(f.StatedLightOutputRatio, 87.5L / 100) << "decimal comma";
    EXPECT_EQ(f.StatedDownwardFluxFraction, 61.5L / 100);
    EXPECT_EQ(f.Width, -0.5L) << "a round area of 500 mm, in metres as IES writes it";
    EXPECT_EQ(f.Length, -0.5L);
    EXPECT_EQ(f.Height, 0.02L);
}

// Loose but sound ways of writing a file: line (1-based) replaced by text, and what must hold.
using Load = const test::LdtLoad&;
struct Variant {
    std::size_t line;
    const char* text;
    bool (*holds)(Load);
};

const Variant kVariants[] = {
    {54, " \t 101 \t", [](Load l) { return l.record.Candela[0][0] == 303; }},
    {54, "100,5", [](Load l) { return l.record.Candela[0][0] == 301.5L; }},
    {22, "n/a", [](Load l) { return !l.facts.StatedDownwardFluxFraction; }},
    {23, "", [](Load l) { return !l.facts.StatedLightOutputRatio; }},
    {2, "type?", [](Load l) { return l.record.Candela.size() == 5; }}, // unused line
    {16, "wide", [](Load l) { return l.facts.Length == 0; }},          // size not a number
    {27, "-2", [](Load l) { return l.record.LampLumens == 1000 && l.record.Candela[0][0] == 300; }},
    {27, "-2", [](Load l) { return l.facts.NumberOfLamps == -2; }},
    {27, "0", [](Load l) { return l.record.LampLumens == 2000 && l.record.Candela[0][0] == 300; }},
    {69, "not read\n1 2 3", [](Load l) { return l.record.Candela[4][2] == 3 * 502; }},
};

class EulumdatVariant : public ::testing::TestWithParam<Variant> {};

TEST_P(EulumdatVariant, LoadsAndHolds) {
    TextLines lines = LdtLines(2);
    lines.resize(std::max(lines.size(), GetParam().line));
    lines[GetParam().line - 1] = GetParam().text;
    for (const std::string lineBreak : {"\n", "\r\n"}) {
        const auto load = LoadLdtText(test::JoinLdt(lines, lineBreak));
        ASSERT_FALSE(load.error) << *load.error;
        EXPECT_TRUE(GetParam().holds(load))
            << "line " << GetParam().line << ": " << GetParam().text;
    }
}

INSTANTIATE_TEST_SUITE_P(LooseFiles, EulumdatVariant, ::testing::ValuesIn(kVariants));

} // namespace
} // namespace lumetra
