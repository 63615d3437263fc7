#pragma once
// Loading a file, or reading a text, the way the viewer does, with the reader's messages recorded
// instead of shown: everything one load leaves behind.

#include "Samples.h"
#include "data/Errors.h"
#include "data/IesReader.h"
#include "data/Loading.h"
#include "data/LuminaireFacts.h"
#include "data/Notifier.h"
#include "data/Photometry.h"
#include "data/TextLines.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumetra::test {

// Stands in for the message box: keeps every message the reader shows.
struct MessageRecorder {
    std::vector<std::string> messages;
    Notifier notifier() {
        return [this](const Message& message) { messages.push_back(message.English()); };
    }
};

struct LoadOutcome {
    tIES record;
    TextLines fileLines;
    TextLines headerLines;
    std::vector<std::string> messages;
    bool parseError = false;
    std::optional<std::string> error; // the LumetraError that ended the load
};

// LoadPhotometry on the file, the viewer's own road from file name to record.
inline LoadOutcome LoadFile(const std::string& fileName) {
    LoadOutcome outcome;
    MessageRecorder recorder;
    try {
        outcome.parseError = LoadPhotometry(fileName, outcome.record, outcome.fileLines,
                                            outcome.headerLines, recorder.notifier());
    } catch (const LumetraError& error) {
        outcome.error = error.what();
    }
    outcome.messages = recorder.messages;
    return outcome;
}

// Splits the text into lines as loading a file does and runs the reader on them.
inline LoadOutcome ReadText(std::string_view fileText) {
    LoadOutcome outcome;
    MessageRecorder recorder;
    outcome.fileLines = SplitIntoLines(fileText);
    outcome.parseError =
        ReadIES(outcome.fileLines, outcome.record, outcome.headerLines, recorder.notifier());
    outcome.messages = recorder.messages;
    return outcome;
}

// Runs the reader straight on the text, as loading a file does.
inline LoadOutcome ReadTextDirectly(std::string_view fileText) {
    LoadOutcome outcome;
    MessageRecorder recorder;
    LuminaireFacts facts;
    outcome.parseError = ReadIES(fileText, outcome.fileLines, outcome.record, outcome.headerLines,
                                 recorder.notifier(), facts);
    outcome.messages = recorder.messages;
    return outcome;
}

} // namespace lumetra::test
