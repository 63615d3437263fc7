#include "Loading.h"

#include "DescriptionKeywords.h"
#include "Errors.h"
#include "FileReading.h"
#include "IesReader.h"
#include "TextEncoding.h"
#include "TextLines.h"

#include <optional>
#include <string_view>

namespace lumetra {

namespace {

// Reads a regular file whole. Anything else (a folder, a pipe that could block, a device) is
// refused as unopenable; a file too large to be an IES file is refused before it is read, and the
// read itself stops at the cap in case the file grows meanwhile.
std::string_view ReadWholeFile(const std::string& fileName, const std::string& format,
                               FileReader& reader) {
    switch (reader.Read(fileName)) {
    case FileRead::Whole:
        break;
    case FileRead::TooLarge:
        throw LumetraError(
            LUMETRA_MESSAGE("Loading", "File %1 is too large to be an %2 file (%3 bytes)")
                .Arg(fileName)
                .Arg(format)
                .Arg(std::to_string(reader.size())));
    case FileRead::Unreadable:
        throw LumetraError(LUMETRA_MESSAGE("Loading", "Cannot open file %1").Arg(fileName));
    }
    return reader.bytes();
}

// Every line costs a string object of its own, so a file made of nothing but line breaks would
// need many times its size in memory; such a file cannot be an IES file of a supported size.
std::size_t CountLines(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    const std::size_t lines = CountLineBreaks(text);
    const bool unterminated = !text.empty() && text.back() != '\n' && text.back() != '\r';
    return lines + (unterminated ? 1 : 0);
}

LumetraError TooManyLines(const std::string& fileName, const std::string& format) {
    return LumetraError(
        LUMETRA_MESSAGE("Loading", "File %1 has too many lines to be an %2 file (more than %3)")
            .Arg(fileName)
            .Arg(format)
            .Arg(std::to_string(kMaxFileLines)));
}

} // namespace

TextLines ReadFileLines(const std::string& fileName, const std::string& format) {
    FileReader reader;
    const std::string_view bytes = ReadWholeFile(fileName, format, reader);
    // Every line takes a byte at least, so only a file longer than the limit can pass it.
    if (bytes.size() > kMaxFileLines && CountLines(bytes) > kMaxFileLines)
        throw TooManyLines(fileName, format);
    return SplitIntoLines(bytes);
}

bool LoadPhotometry(const std::string& fileName, tIES& record, TextLines& fileLines,
                    TextLines& headerLines, const Notifier& notify) {
    LuminaireFacts unused;
    return LoadPhotometry(fileName, record, fileLines, headerLines, notify, unused);
}

bool LoadPhotometry(const std::string& fileName, tIES& record, TextLines& fileLines,
                    TextLines& headerLines, const Notifier& notify, LuminaireFacts& facts) {
    for (auto& plane : record.Candela)
        plane.clear();
    record.Candela.clear();
    // Straight from the bytes: splitting them into a string per line first would cost an
    // allocation per line, and the reader joins the numeric lines again anyway. The lines are
    // counted as they are split, and the split stops at the first line beyond the limit.
    FileReader reader;
    const std::string_view bytes = ReadWholeFile(fileName, "IES", reader);
    TextLines header;
    std::optional<NumericBlock> block = SplitFileText(bytes, header, kMaxFileLines);
    if (!block)
        throw TooManyLines(fileName, "IES");
    headerLines = std::move(header);
    return ReadIES(std::move(*block), fileLines, record, headerLines, notify, facts);
}

std::string BuildDescription(const std::string& headerText) {
    std::string description;
    for (const auto& [caption, keyword] : kDescriptionLines) {
        description += caption;
        description += HeaderKeyword(std::string(keyword), headerText);
        description += '\r';
    }
    return description;
}

std::string BuildDescription(const std::string& headerText,
                             std::string (*wording)(const Message& text)) {
    if (wording == nullptr)
        return BuildDescription(headerText);
    std::string description;
    for (const auto& [caption, keyword] : kDescriptionLines) {
        if (!caption.empty())
            description += wording(Message("Description", caption.data()));
        description += ToUtf8(HeaderKeyword(std::string(keyword), headerText));
        description += '\r';
    }
    return description;
}

std::string HeaderText(const TextLines& headerLines) {
    return JoinLinesCrLf(headerLines);
}

} // namespace lumetra
