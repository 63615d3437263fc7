#include "EulumdatLoading.h"

#include "Eulumdat.h"
#include "EulumdatRecord.h"
#include "PhotometryFile.h"
#include "data/Loading.h"

#include <exception>

namespace lumetra {

void LoadEulumdat(const std::string& fileName, tIES& record, TextLines& fileLines,
                  TextLines& headerLines, LuminaireFacts& facts) {
    for (auto& plane : record.Candela)
        plane.clear();
    record.Candela.clear();
    fileLines = ReadFileLines(fileName, "EULUMDAT");
    EulumdatToRecord(ReadEulumdat(fileLines), record, headerLines, facts);
}

} // namespace lumetra

namespace lumetra {

std::optional<EulumdatFile> EulumdatLinesOf(const std::string& fileName) {
    if (!IsEulumdatFileName(fileName))
        return std::nullopt;
    try {
        return ReadEulumdat(ReadFileLines(fileName, "EULUMDAT"));
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

} // namespace lumetra
