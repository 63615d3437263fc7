// lumetra-cli info: the loaded record as JSON.

#include "Commands.h"
#include "ExtendedJson.h"

#include "data/Errors.h"
#include "data/GlobalMax.h"
#include "data/Loading.h"
#include "data/ProgramData.h"
#include "data/TextEncoding.h"

#include <cstdio>
#include <iostream>
#include <optional>

namespace lumetra::cli {

namespace {

Json HeaderLinesJson(const TextLines& lines) {
    Json array = Json::array();
    for (const auto& line : lines)
        array.push_back(ToUtf8(line));
    return array;
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

} // namespace

int RunInfo(const QStringList& arguments) {
    if (arguments.size() != 1)
        return Fail("Usage: lumetra-cli info FILE");
    const std::string fileName = arguments.front().toLocal8Bit().toStdString();

    std::optional<std::string> message;
    const Notifier notify = [&message](const std::string& text) {
        std::fprintf(stderr, "%s\n", ToUtf8(text).c_str());
        if (!message)
            message = text;
    };
    try {
        LoadPhotometry(fileName, notify);
    } catch (const LumetraError& error) {
        return Fail(QString::fromStdString(ToUtf8(error.what())));
    }
    FindGlobalMaxCandela(Photometry, 0, static_cast<int>(Photometry.Candela.size()) - 1,
                         GlobalMaxCandela);

    Json json = RecordJson(Photometry);
    json["HeaderLines"] = HeaderLinesJson(HeaderLines);
    json["Description"] = ToUtf8(BuildDescription(HeaderText(HeaderLines)));
    json["GlobalMaxCandela"] = GlobalMaxCandela;
    json["ParseError"] = ParseError;
    json["Message"] = message ? Json(ToUtf8(*message)) : Json(nullptr);
    std::cout << json.dump() << '\n';
    return 0;
}

} // namespace lumetra::cli
