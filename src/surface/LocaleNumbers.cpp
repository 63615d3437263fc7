#include "LocaleNumbers.h"

namespace lumetra {

properties::NumberFormat LocaleNumberFormat(const QLocale& locale) {
    // The C locale is no person's language: scripts run in it and want plain digits.
    const bool grouped = locale.language() != QLocale::C &&
                         !locale.numberOptions().testFlag(QLocale::OmitGroupSeparator);
    return properties::NumberFormat(locale.decimalPoint().toStdString(),
                                    grouped ? locale.groupSeparator().toStdString() : "");
}

} // namespace lumetra
