#pragma once
// The Summary tab's rows for the loaded file: the summary's figures in the locale's number
// format, or why a file that did not read completely has none, and for an EULUMDAT file what it
// says about the luminaire.

#include "eulumdat/ReadingVerdict.h"
#include "properties/RowWriter.h"

#include <string>
#include <vector>

namespace lumetra {

class ViewerModel;

// Whether the loaded file's figures are results: complete unless the reader flagged it, else why
// not (the file named by fileBytes read again for check's finding).
ReadingVerdict LoadedVerdict(const ViewerModel& viewer, const std::string& fileBytes);

// fileBytes names the file as the file system gives it; it is read again only for a file that did
// not read completely (check's finding) or an EULUMDAT file (its luminaire facts).
std::vector<properties::CaptionedValue> SummaryTabRows(const ViewerModel& viewer,
                                                       const std::string& fileBytes);

} // namespace lumetra
