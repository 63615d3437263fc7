// The locale's number format for the figure texts: its separators, no grouping in C.

#include "surface/LocaleNumbers.h"

#include <gtest/gtest.h>

namespace lumetra {
namespace {

TEST(LocaleNumbers, SeparatorsOfTheLocale) {
    const struct {
        QLocale locale;
        const char* shown;
    } rows[] = {
        {QLocale(QLocale::English, QLocale::UnitedStates), "12,345.7 lm"},
        {QLocale(QLocale::German, QLocale::Germany), "12.345,7 lm"},
        {QLocale(QLocale::C), "12345.7 lm"},
        {QLocale::c(), "12345.7 lm"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(properties::FigureText(12345.67L, properties::Unit{"lm", 1},
                                         LocaleNumberFormat(row.locale)),
                  row.shown)
            << row.locale.name().toStdString();
}

} // namespace
} // namespace lumetra
