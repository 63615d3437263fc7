#include "PhotometryFile.h"

#include "EulumdatLoading.h"
#include "data/Loading.h"
#include "data/ProgramData.h"

namespace lumetra {

bool IsEulumdatFileName(std::string_view fileName) {
    constexpr std::string_view kExtension = ".ldt";
    if (fileName.size() < kExtension.size())
        return false;
    const std::string_view tail = fileName.substr(fileName.size() - kExtension.size());
    for (std::size_t i = 0; i < tail.size(); ++i) {
        const char c = tail[i] >= 'A' && tail[i] <= 'Z' ? static_cast<char>(tail[i] + 32) : tail[i];
        if (c != kExtension[i])
            return false;
    }
    return true;
}

bool LoadPhotometryFile(const std::string& fileName, tIES& record, TextLines& fileLines,
                        TextLines& headerLines, const Notifier& notify, LuminaireFacts& facts) {
    if (!IsEulumdatFileName(fileName))
        return LoadPhotometry(fileName, record, fileLines, headerLines, notify, facts);
    LoadEulumdat(fileName, record, fileLines, headerLines, facts);
    return false;
}

void LoadPhotometryFile(const std::string& fileName, const Notifier& notify) {
    ParseError =
        LoadPhotometryFile(fileName, Photometry, FileLines, HeaderLines, notify, Luminaire);
}

} // namespace lumetra
