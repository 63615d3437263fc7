#include "PhotometryFile.h"

#include "EulumdatError.h"
#include "EulumdatLoading.h"
#include "OtherFormat.h"
#include "data/AsciiCase.h"
#include "data/FileReading.h"
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

namespace {

// An IES file that fails to read is read again only to tell whether it is EULUMDAT data.
std::optional<Message> OtherFormatOfFile(const std::string& fileName) {
    FileReader reader;
    if (reader.Read(fileName) != FileRead::Whole)
        return std::nullopt;
    return OtherFormatNoteOfBytes(fileName, reader.bytes());
}

bool LoadIesNamingOtherFormat(const std::string& fileName, tIES& record, TextLines& fileLines,
                              TextLines& headerLines, const Notifier& notify,
                              LuminaireFacts& facts) {
    try {
        return LoadPhotometry(fileName, record, fileLines, headerLines, notify, facts);
    } catch (const LumetraError& error) {
        if (const auto note = OtherFormatOfFile(fileName))
            throw LumetraError(
                LUMETRA_MESSAGE("OtherFormat", "%1. %2").Arg(error.message()).Arg(*note));
        throw;
    }
}

} // namespace

bool LoadPhotometryFile(const std::string& fileName, tIES& record, TextLines& fileLines,
                        TextLines& headerLines, const Notifier& notify, LuminaireFacts& facts) {
    if (!IsEulumdatFileName(fileName))
        return LoadIesNamingOtherFormat(fileName, record, fileLines, headerLines, notify, facts);
    try {
        LoadEulumdat(fileName, record, fileLines, headerLines, facts);
    } catch (const EulumdatError& error) {
        if (const auto note = OtherFormatNote(fileName, fileLines))
            throw EulumdatError(
                error.line(),
                LUMETRA_MESSAGE("OtherFormat", "%1. %2").Arg(error.reason()).Arg(*note));
        throw;
    }
    return false;
}

} // namespace lumetra
