#include "GridCsv.h"

#include <array>
#include <charconv>

namespace lumetra::illuminance {

namespace {

constexpr int kSignificantDigits = 10;

} // namespace

std::string CsvNumber(long double value) {
    std::array<char, 64> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                            std::chars_format::general, kSignificantDigits);
    return error == std::errc() ? std::string(buffer.data(), end) : std::string("nan");
}

std::string GridCsv(const PlaneGrid& shown, const char* uName, const char* vName,
                    UnitSystem units) {
    const std::string length = LengthUnit(units);
    std::string csv = std::string("\"") + vName + " (" + length + ") \\ " + uName + " (" + length +
                      "), E (" + IlluminanceUnit(units) + ")\"";
    for (const long double u : shown.U)
        csv += "," + CsvNumber(u);
    csv += "\r\n";
    for (std::size_t j = 0; j < shown.V.size(); ++j) {
        csv += CsvNumber(shown.V[j]);
        for (std::size_t i = 0; i < shown.U.size(); ++i)
            csv += "," + CsvNumber(shown.At(i, j));
        csv += "\r\n";
    }
    return csv;
}

} // namespace lumetra::illuminance
