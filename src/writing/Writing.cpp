#include "Writing.h"

#include "EulumdatMapping.h"
#include "IesMapping.h"
#include "WritingTexts.h"
#include "data/AsciiCase.h"
#include "data/Errors.h"
#include "eulumdat/PhotometryFile.h"

#include <filesystem>

namespace lumetra::writing {

namespace {

bool EndsWithIes(const std::string& fileName) {
    if (fileName.size() < 4)
        return false;
    std::string tail;
    for (const char c : fileName.substr(fileName.size() - 4))
        tail += AsciiLower(c);
    return tail == ".ies";
}

void RefuseUnreadNumbers(const SourceFile& source) {
    if (source.Format != PhotometricFormat::Ies || !source.Ies.ParseError)
        return;
    const std::string& said = source.Ies.ReaderMessage;
    const auto line = said.rfind("Line ");
    const Message where = line == std::string::npos
                              ? texts::Said(texts::kEndsEarly)
                              : texts::Said(texts::kAtLine).Arg(said.substr(line + 5));
    const bool tabs = source.ReadAs == Reading::Strict && source.Ies.TabsInNumbers;
    throw LumetraError(
        texts::Said(tabs ? texts::kUnreadNumbersTabs : texts::kUnreadNumbers).Arg(where));
}

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code error;
    return std::filesystem::equivalent(a, b, error);
}

} // namespace

std::optional<TargetFormat> TargetFormatOf(const std::string& fileName, IesVersion iesVersion) {
    if (IsEulumdatFileName(fileName))
        return TargetFormat::Eulumdat;
    if (EndsWithIes(fileName))
        return iesVersion == IesVersion::Lm63_2019 ? TargetFormat::Ies2019 : TargetFormat::Ies2002;
    return std::nullopt;
}

Written WriteAs(SourceFile source, TargetFormat format, const Adjustment& adjustment,
                const std::string& targetName) {
    RefuseUnreadNumbers(source);
    if (source.Record.VerticalAngles.empty() || source.Record.HorizontalAngles.empty())
        throw LumetraError(texts::Said(texts::kNoData));
    Adjust(source, adjustment);
    Written written;
    if (format == TargetFormat::Eulumdat) {
        written.Bytes = WriteEulumdat(EulumdatLinesOf(source, targetName, written.Notes));
        return written;
    }
    const IesVersion version =
        format == TargetFormat::Ies2019 ? IesVersion::Lm63_2019 : IesVersion::Lm63_2002;
    written.Bytes = WriteIes(IesDocumentOf(source, version), version);
    return written;
}

Written ConvertFile(const std::string& input, const std::string& output,
                    const ConvertOptions& options) {
    const auto format = options.Format ? options.Format : TargetFormatOf(output, options.Version);
    if (!format)
        throw LumetraError(texts::Said(texts::kUnknownTarget).Arg(output));
    if (SameFile(input, output))
        throw LumetraError(texts::Said(texts::kOutputIsInput).Arg(output));
    Written written = WriteAs(ReadSourceFile(input, options.Read), *format, options.Adjust, output);
    WriteFileAtomically(output, written.Bytes, options.Output);
    return written;
}

} // namespace lumetra::writing
