#pragma once
// The locale's way of writing numbers, for the one number format of the core's figure texts.

#include "properties/FigureText.h"

#include <QLocale>

namespace lumetra {

// The locale's decimal separator and group separator; no grouping where the locale omits it
// (the C locale, which scripts use).
properties::NumberFormat LocaleNumberFormat(const QLocale& locale = QLocale());

} // namespace lumetra
