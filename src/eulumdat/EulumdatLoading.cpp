#include "EulumdatLoading.h"

#include "Eulumdat.h"
#include "EulumdatRecord.h"
#include "data/Loading.h"

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
