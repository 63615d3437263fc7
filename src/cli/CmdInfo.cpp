// lumetra-cli info: the loaded record as JSON.

#include "Commands.h"
#include "ExtendedJson.h"
#include "data/Errors.h"
#include "data/GlobalMax.h"
#include "data/Loading.h"
#include "data/ProgramData.h"
#include "data/ReadableText.h"
#include "data/TextEncoding.h"
#include "eulumdat/PhotometryFile.h"

#include <QFile>
#include <cstdio>
#include <iostream>
#include <optional>

namespace lumetra::cli {

namespace {

// Each line is decoded on its own: one Latin-1 line must not turn the UTF-8 lines of the same
// header into mojibake.
TextLines DecodedLines(const TextLines& lines) {
    TextLines decoded;
    decoded.reserve(lines.size());
    for (const auto& line : lines)
        decoded.push_back(ToUtf8(line));
    return decoded;
}

Json RecordJson(const tIES& record) {
    Json candela = Json::array();
    for (const auto& plane : record.Candela)
        candela.push_back(plane);
    return Json{{"LampLumens", record.LampLumens},
                {"CandelaMultiplier", record.CandelaMultiplier},
                {"VerticalCount", record.VerticalCount},
                {"HorizontalCount", record.HorizontalCount},
                {"UnitsType", record.UnitsType},
                {"VerticalAngles", record.VerticalAngles},
                {"HorizontalAngles", record.HorizontalAngles},
                {"Candela", std::move(candela)}};
}

// The luminaire's leading numbers, as read.
void AddLuminaireFacts(const LuminaireFacts& facts, Json& json) {
    json["NumberOfLamps"] = facts.NumberOfLamps;
    json["LumensPerLamp"] = facts.LumensPerLamp;
    json["PhotometricType"] = facts.PhotometricType;
    json["Width"] = facts.Width;
    json["Length"] = facts.Length;
    json["Height"] = facts.Height;
    json["BallastFactor"] = facts.BallastFactor;
    json["InputWatts"] = facts.InputWatts;
}

} // namespace

int RunInfo(const QStringList& arguments) {
    if (arguments.size() != 1)
        return UsageError("Usage: lumetra-cli info FILE");
    const std::string fileName = QFile::encodeName(arguments.front()).toStdString();

    std::optional<std::string> message;
    const Notifier notify = [&message](const std::string& text) {
        PrintReaderMessage(text);
        if (!message)
            message = text;
    };
    try {
        LoadPhotometryFile(fileName, notify);
    } catch (const LumetraError& error) {
        return Fail(ErrorText(error));
    }
    FindGlobalMaxCandela(Photometry, 0, static_cast<int>(Photometry.Candela.size()) - 1,
                         GlobalMaxCandela);

    Json json = RecordJson(Photometry);
    // The keywords and the characters that end a value are ASCII, so describing the decoded
    // header gives each value in its own line's encoding.
    const TextLines headerLines = DecodedLines(HeaderLines);
    json["HeaderLines"] = headerLines;
    json["Description"] = BuildDescription(HeaderText(headerLines));
    // What the viewer reads the header as; the texts above keep their stable decoding.
    json["HeaderEncoding"] = DecodeReadableLines(HeaderLines).encoding;
    json["GlobalMaxCandela"] = GlobalMaxCandela;
    json["ParseError"] = ParseError;
    json["Message"] = message ? Json(ToUtf8(*message)) : Json(nullptr);
    AddLuminaireFacts(Luminaire, json);
    std::cout << json.dump() << '\n';
    return 0;
}

} // namespace lumetra::cli
