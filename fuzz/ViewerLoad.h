#pragma once
// The bytes of a file loaded the way the viewer loads a selected file: split into lines, read
// through a notifier that records the reader's message, then the global peak over every plane
// and the description of the header.

#include "data/Photometry.h"
#include "support/LoadOutcome.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumetra::fuzz {

struct ViewerLoad : test::LoadOutcome {
    long double globalMax = 0;
    std::string description;
};

// Reads the bytes from memory, as LoadPhotometry reads them from a file.
ViewerLoad LoadBytes(std::string_view bytes);

// Writes the bytes to the named file in this process's own temporary folder; returns its full name.
std::string WriteInputFile(std::string_view bytes, const std::string& name);

// Writes the bytes to a file of this process's own temporary folder and loads that file with
// LoadPhotometry, the viewer's own path from file name to record.
ViewerLoad LoadThroughFile(std::string_view bytes);

// Aborts unless the load left what every consumer of the record relies on: lists sized from the
// counts, at most one message and of the reader's form, a description of six lines, and a global
// peak that is one of the file's values and no smaller than any of them.
void CheckLoad(const ViewerLoad& load);

// Aborts unless the two loads agree in every observable result.
void CheckSameLoad(const ViewerLoad& a, const ViewerLoad& b);

} // namespace lumetra::fuzz
