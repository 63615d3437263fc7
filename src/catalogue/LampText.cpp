#include "LampText.h"

#include "properties/FigureText.h"

#include <cmath>

namespace lumetra::catalogue {

namespace {

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") + 1 - first);
}

bool IsPlainNumber(const std::string& text) {
    if (text.empty())
        return false;
    for (const char c : text)
        if ((c < '0' || c > '9') && c != '.' && c != ',')
            return false;
    return true;
}

// A stated value with the unit (or label) it lacks: "5700" becomes "5700 K", "3000K" stays.
std::string Labelled(const std::string& verbatim, const char* prefix, const char* suffix) {
    std::string text = Trimmed(verbatim);
    if (!IsPlainNumber(text))
        return text;
    return prefix + text + suffix;
}

void Add(std::string& list, const std::string& part, const char* separator) {
    if (part.empty())
        return;
    list += (list.empty() ? "" : separator) + part;
}

// What a set with a blank type states otherwise.
std::string Details(const EulumdatLampSet& set) {
    std::string details;
    Add(details, Labelled(set.ColourTemperature, "", " K"), ", ");
    Add(details, Labelled(set.ColourRendering, "Ra ", ""), ", ");
    if (set.Wattage > 0 && std::isfinite(set.Wattage))
        Add(details, properties::StoredNumberText(set.Wattage) + " W", ", ");
    return details;
}

std::string SetText(const EulumdatLampSet& set) {
    std::string text = Trimmed(set.LampType);
    if (text.empty())
        text = Details(set);
    const long double count = std::fabs(set.NumberOfLamps);
    if (text.empty() || !(count > 1) || !std::isfinite(count))
        return text;
    return properties::StoredNumberText(count) + " × " + text;
}

} // namespace

std::string LampSetsText(const std::vector<EulumdatLampSet>& sets) {
    std::string text;
    for (const EulumdatLampSet& set : sets)
        Add(text, SetText(set), "; ");
    return text;
}

} // namespace lumetra::catalogue
