#include "ViewerLoad.h"

#include "FuzzCheck.h"
#include "data/Errors.h"
#include "data/GlobalMax.h"
#include "data/IesReader.h"
#include "data/Loading.h"
#include "data/TextLines.h"
#include "support/TempFolder.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace lumetra::fuzz {

namespace {

// What the file-selection handler does once the reader has returned: the peak over the plane
// selector's range (every plane of the file) and the description of the header.
void Describe(ViewerLoad& load) {
    const int lastPlane = static_cast<int>(load.record.HorizontalAngles.size()) - 1;
    FindGlobalMaxCandela(load.record, 0, lastPlane, load.globalMax);
    load.description = BuildDescription(HeaderText(load.headerLines));
}

Notifier Recorder(ViewerLoad& load) {
    return [&load](const Message& message) { load.messages.push_back(message.English()); };
}

bool StartsWith(const std::string& text, std::string_view prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

} // namespace

// One folder per process, removed at exit; every input overwrites the file of its name.
std::string WriteInputFile(std::string_view bytes, const std::string& name) {
    static const test::TempFolder folder;
    const std::string fileName = (folder.path() / name).string();
    std::ofstream out(fileName, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    FUZZ_CHECK(out.good(), "cannot write the input file");
    return fileName;
}

ViewerLoad LoadBytes(std::string_view bytes) {
    ViewerLoad load;
    try {
        load.fileLines = SplitIntoLines(bytes);
        load.parseError = ReadIES(load.fileLines, load.record, load.headerLines, Recorder(load));
    } catch (const LumetraError& error) {
        load.error = error.what();
    }
    Describe(load);
    return load;
}

ViewerLoad LoadThroughFile(std::string_view bytes) {
    const std::string fileName = WriteInputFile(bytes, "input.ies");
    ViewerLoad load;
    try {
        load.parseError =
            LoadPhotometry(fileName, load.record, load.fileLines, load.headerLines, Recorder(load));
    } catch (const LumetraError& error) {
        load.error = error.what();
    }
    Describe(load);
    return load;
}

void CheckLoad(const ViewerLoad& load) {
    const tIES& record = load.record;
    FUZZ_CHECK(load.messages.size() <= 1, "the reader shows its message at most once");
    for (const auto& message : load.messages)
        FUZZ_CHECK(StartsWith(message, "Error!\r\rLine "), "the reader's message has its form");
    FUZZ_CHECK(std::count(load.description.begin(), load.description.end(), '\r') == 6,
               "the description has six lines");

    if (load.error) {
        FUZZ_CHECK(!load.error->empty(), "an error has a text");
        FUZZ_CHECK(record.Candela.empty(), "a failed load leaves no candela value to index");
    } else {
        FUZZ_CHECK(record.VerticalAngles.size() == record.VerticalCount, "vertical angles sized");
        FUZZ_CHECK(record.HorizontalAngles.size() == record.HorizontalCount,
                   "horizontal angles sized");
        FUZZ_CHECK(record.Candela.size() == record.HorizontalCount, "one candela plane per angle");
        for (const auto& plane : record.Candela)
            FUZZ_CHECK(plane.size() == record.VerticalCount, "one value per vertical angle");
        FUZZ_CHECK(load.fileLines.size() == 1, "the numeric text is the one line left");
        FUZZ_CHECK(load.messages.empty() || load.parseError, "a message comes with the flag");
    }

    bool found = false;
    for (const auto& plane : record.Candela)
        for (const long double value : plane) {
            FUZZ_CHECK(std::isfinite(value), "the reader never stores an infinity or a NaN");
            FUZZ_CHECK(value <= load.globalMax, "the global peak is no smaller than any value");
            found = found || value == load.globalMax;
        }
    const bool hasValues = std::any_of(record.Candela.begin(), record.Candela.end(),
                                       [](const tArrEx& plane) { return !plane.empty(); });
    FUZZ_CHECK(found == hasValues, "the global peak is a value of the file");
    if (!hasValues)
        FUZZ_CHECK(load.globalMax == 0, "without values the peak keeps its start value");
}

void CheckSameLoad(const ViewerLoad& a, const ViewerLoad& b) {
    FUZZ_CHECK(a.error == b.error, "the same error");
    FUZZ_CHECK(a.messages == b.messages, "the same message");
    FUZZ_CHECK(a.parseError == b.parseError, "the same parse-error flag");
    FUZZ_CHECK(a.headerLines == b.headerLines, "the same header");
    FUZZ_CHECK(a.fileLines == b.fileLines, "the same numeric text");
    FUZZ_CHECK(a.record.VerticalAngles == b.record.VerticalAngles, "the same vertical angles");
    FUZZ_CHECK(a.record.HorizontalAngles == b.record.HorizontalAngles,
               "the same horizontal angles");
    FUZZ_CHECK(a.record.Candela == b.record.Candela, "the same candela values");
    FUZZ_CHECK(a.description == b.description, "the same description");
}

} // namespace lumetra::fuzz
