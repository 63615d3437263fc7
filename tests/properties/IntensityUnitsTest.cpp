// The Intensities tab's units: an EULUMDAT file's cd/klm first, cd on request, an IES file's
// values as stored; the factor and note that go with each, and the text copied in the unit.

#include "properties/IntensityTable.h"

#include <gtest/gtest.h>

namespace lumetra::properties {
namespace {

LuminaireFacts Eulumdat(std::optional<long double> lampFlux) {
    LuminaireFacts facts;
    facts.Format = PhotometricFormat::Eulumdat;
    facts.StatedLampFlux = lampFlux;
    return facts;
}

TEST(IntensityUnits, EachFormatOffersWhatItHolds) {
    const struct {
        LuminaireFacts facts;
        std::vector<TableUnit> units;
    } rows[] = {
        {LuminaireFacts{}, {TableUnit::AsStored}},
        {Eulumdat(2500), {TableUnit::CandelaPerKilolumen, TableUnit::Candela}},
        {Eulumdat(0), {TableUnit::Candela}}, // no flux to divide by
        {Eulumdat(std::nullopt), {TableUnit::Candela}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(TableUnits(row.facts), row.units);
}

TEST(IntensityUnits, FactorsTurnTheRecordsCandelaIntoTheUnit) {
    EXPECT_EQ(TableFactor(Eulumdat(2500), TableUnit::CandelaPerKilolumen), 0.4L);
    EXPECT_EQ(TableFactor(Eulumdat(2500), TableUnit::Candela), 1);
    EXPECT_EQ(TableFactor(Eulumdat(0), TableUnit::CandelaPerKilolumen), 1);
    EXPECT_EQ(TableFactor(LuminaireFacts{}, TableUnit::AsStored), 1);
}

TEST(IntensityUnits, TheNoteSaysWhichUnitIsShown) {
    tIES record;
    record.CandelaMultiplier = 1;
    const struct {
        LuminaireFacts facts;
        TableUnit unit;
        std::string note;
    } rows[] = {
        {Eulumdat(12500), TableUnit::CandelaPerKilolumen,
         "Values in cd/klm, as the file holds them (per 1000 lm of its 12 500 lm lamp flux)."},
        {Eulumdat(12500), TableUnit::Candela,
         "Values in cd: the file's cd/klm times its 12 500 lm lamp flux."},
        {Eulumdat(0), TableUnit::Candela,
         "Values in cd; the file gives no lamp flux to show its cd/klm by."},
        {LuminaireFacts{}, TableUnit::AsStored, "Values as stored; the candela multiplier is 1."},
    };
    for (const auto& row : rows)
        EXPECT_EQ(TableNote(record, row.facts, row.unit), row.note);
    EXPECT_EQ(TableUnitName(TableUnit::CandelaPerKilolumen), std::string("cd/klm"));
}

TEST(IntensityUnits, CopiedTextHoldsTheValuesInTheUnit) {
    tIES record;
    record.VerticalAngles = {0, 90};
    record.HorizontalAngles = {0};
    record.Candela = {{500, 25}};
    const long double perKilolumen = TableFactor(Eulumdat(2000), TableUnit::CandelaPerKilolumen);
    EXPECT_EQ(TabSeparatedText(record, ".", perKilolumen), "gamma \\ C\t0\n0\t250\n90\t12.5\n");
    EXPECT_EQ(CsvText(record, perKilolumen), "gamma \\ C,0\r\n0,250\r\n90,12.5\r\n");
}

} // namespace
} // namespace lumetra::properties
