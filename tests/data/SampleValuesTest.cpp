// Every value of every sample that reads cleanly is, to the last of its 80 bits, what the C
// library's strtold makes of its token. This guards the quick paths of the reader (line
// splitting, tokens, the exact-decimal conversion) against changing a single value of a real file.

#include "data/Loading.h"
#include "support/Samples.h"
#include "support/TempFolder.h"

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <locale.h>
#include <sstream>
#include <string>
#include <vector>

namespace lumetra {
namespace {

namespace fs = std::filesystem;

// The tokens after the TILT=NONE line, split at blanks, commas and line breaks.
std::vector<std::string> TokensAfterTilt(const fs::path& file) {
    std::string text = test::ReadWholeFile(file);
    const auto tilt = text.find("TILT=NONE");
    if (tilt == std::string::npos)
        return {};
    for (char& c : text)
        c = (c == ',' || c == '\r' || c == '\n') ? ' ' : c;
    std::istringstream numbers(text.substr(tilt + 9));
    return {std::istream_iterator<std::string>(numbers), std::istream_iterator<std::string>()};
}

long double Library(const std::string& token) {
    static const locale_t classic = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return strtold_l(token.c_str(), nullptr, classic);
}

// The values in reading order: vertical angles, horizontal angles, then plane by plane.
std::vector<long double> ValuesInOrder(const tIES& record) {
    std::vector<long double> values(record.VerticalAngles.begin(), record.VerticalAngles.end());
    values.insert(values.end(), record.HorizontalAngles.begin(), record.HorizontalAngles.end());
    for (const tArrEx& plane : record.Candela)
        values.insert(values.end(), plane.begin(), plane.end());
    return values;
}

TEST(SampleValues, EveryValueHasTheLibrarysBits) {
    std::size_t filesCompared = 0;
    for (const auto& entry : fs::directory_iterator(test::SamplesFolder())) {
        if (entry.path().extension() != ".ies")
            continue;
        tIES record;
        TextLines fileLines;
        TextLines headerLines;
        const std::vector<std::string> tokens = TokensAfterTilt(entry.path());
        bool parseError = true;
        try {
            parseError = LoadPhotometry(entry.path().string(), record, fileLines, headerLines, {});
        } catch (const std::exception&) {
            continue; // a refused file has no values to compare
        }
        const std::vector<long double> values = ValuesInOrder(record);
        if (parseError || tokens.size() < 13 + values.size())
            continue;
        ++filesCompared;
        for (std::size_t i = 0; i < values.size(); ++i) {
            const long double expected = Library(tokens[13 + i]);
            ASSERT_EQ(std::memcmp(&values[i], &expected, 10), 0)
                << entry.path().filename() << " token " << tokens[13 + i];
        }
    }
    EXPECT_GE(filesCompared, 20u) << "too few samples read cleanly to compare";
}

} // namespace
} // namespace lumetra
