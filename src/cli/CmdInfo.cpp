// lumetra-cli info: the loaded record as JSON.

#include "Commands.h"
#include "ExtendedJson.h"
#include "data/GlobalMax.h"
#include "data/Loading.h"
#include "data/ReadableText.h"
#include "data/TextEncoding.h"

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
        return FailUsage("Usage: lumetra-cli info FILE");
    ProgramData data;
    std::optional<std::string> message;
    const Notifier firstMessage = [&message](const Message& text) {
        if (!message)
            message = text.English(); // JSON stays English
    };
    if (!LoadRecord(arguments.front(), data, firstMessage))
        return 1;
    FindPeakOfAllPlanes(data.Photometry, data.GlobalMaxCandela);

    Json json = RecordJson(data.Photometry);
    // The keywords and the characters that end a value are ASCII, so describing the decoded
    // header gives each value in its own line's encoding.
    const TextLines headerLines = DecodedLines(data.HeaderLines);
    json["HeaderLines"] = headerLines;
    json["Description"] = BuildDescription(HeaderText(headerLines));
    // What the viewer reads the header as; the texts above keep their stable decoding.
    json["HeaderEncoding"] = DecodeReadableLines(data.HeaderLines).encoding;
    json["GlobalMaxCandela"] = data.GlobalMaxCandela;
    json["ParseError"] = data.ParseError;
    json["Message"] = message ? Json(ToUtf8(*message)) : Json(nullptr);
    AddLuminaireFacts(data.Luminaire, json);
    std::cout << json.dump() << '\n';
    return 0;
}

} // namespace lumetra::cli
