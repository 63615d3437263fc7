#pragma once
// Helpers shared by the data tests: temporary files and running the reader on a file's text.

#include "data/IesReader.h"
#include "data/Notifier.h"
#include "data/Photometry.h"
#include "data/TextLines.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace lumetra::test {

// A folder of its own under the system's temporary folder, removed with everything in it.
class TempFolder {
  public:
    TempFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "lumetra-data-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("cannot create a temporary folder");
        path_ = pattern;
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

    // Writes the bytes exactly as given and returns the file's full name.
    std::string Write(const std::string& name, std::string_view bytes) const {
        const auto file = path_ / name;
        std::ofstream out(file, std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out)
            throw std::runtime_error("cannot write " + file.string());
        return file.string();
    }

  private:
    std::filesystem::path path_;
};

// Stands in for the message box: keeps every message the reader shows.
struct MessageRecorder {
    std::vector<std::string> messages;
    Notifier notifier() {
        return [this](const std::string& text) { messages.push_back(text); };
    }
};

// Everything one run of the reader leaves behind.
struct ReadOutcome {
    tIES record;
    TextLines lines;
    TextLines headerLines;
    std::vector<std::string> messages;
    bool parseError = false;
};

// Splits the text into lines and runs the reader on them.
inline ReadOutcome ReadText(std::string_view fileText) {
    ReadOutcome outcome;
    MessageRecorder recorder;
    outcome.lines = SplitIntoLines(fileText);
    outcome.parseError =
        ReadIES(outcome.lines, outcome.record, outcome.headerLines, recorder.notifier());
    outcome.messages = recorder.messages;
    return outcome;
}

// Runs the reader straight on the text, as loading a file does.
inline ReadOutcome ReadTextDirectly(std::string_view fileText) {
    ReadOutcome outcome;
    MessageRecorder recorder;
    LuminaireFacts facts;
    outcome.parseError = ReadIES(fileText, outcome.lines, outcome.record, outcome.headerLines,
                                 recorder.notifier(), facts);
    outcome.messages = recorder.messages;
    return outcome;
}

} // namespace lumetra::test
