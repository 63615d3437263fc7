#include "PhotometryFile.h"

#include "EulumdatLoading.h"
#include "data/AsciiCase.h"
#include "data/Loading.h"

namespace lumetra {

namespace {

// The extension is given in lower case; the name's may be in any letter case.
bool HasExtension(std::string_view fileName, std::string_view extension) {
    if (fileName.size() < extension.size())
        return false;
    const std::string_view tail = fileName.substr(fileName.size() - extension.size());
    for (std::size_t i = 0; i < tail.size(); ++i) {
        if (AsciiLower(tail[i]) != extension[i])
            return false;
    }
    return true;
}

} // namespace

bool IsEulumdatFileName(std::string_view fileName) {
    return HasExtension(fileName, ".ldt");
}

bool IsPhotometricFileName(std::string_view fileName) {
    return HasExtension(fileName, ".ies") || IsEulumdatFileName(fileName);
}

bool LoadPhotometryFile(const std::string& fileName, tIES& record, TextLines& fileLines,
                        TextLines& headerLines, const Notifier& notify, LuminaireFacts& facts) {
    if (!IsEulumdatFileName(fileName))
        return LoadPhotometry(fileName, record, fileLines, headerLines, notify, facts);
    LoadEulumdat(fileName, record, fileLines, headerLines, facts);
    return false;
}

} // namespace lumetra
