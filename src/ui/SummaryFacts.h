#pragma once
// The Summary tab's rows for the loaded file: the summary's figures in the locale's number
// format, or why a file that did not read completely has none, and for an EULUMDAT file what it
// says about the luminaire.

#include "properties/RowWriter.h"

#include <string>
#include <vector>

namespace lumetra {

class ViewerModel;

// fileBytes names the file as the file system gives it; it is read again only for a file that did
// not read completely (check's finding) or an EULUMDAT file (its luminaire facts).
std::vector<properties::CaptionedValue> SummaryTabRows(const ViewerModel& viewer,
                                                       const std::string& fileBytes);

} // namespace lumetra
