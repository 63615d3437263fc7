#pragma once
// Finding a folder's photometric files and reading them into rows on every core, in file order.

#include "CatalogueRow.h"
#include "batch/OrderedJobs.h"

#include <functional>
#include <string>
#include <vector>

namespace lumetra::catalogue {

// Every *.ies and *.ldt (any letter case) in the folder, and in its subfolders when recursive
// (symbolic links to folders are not followed, unreadable folders skipped), ordered by relative
// path ignoring ASCII letter case. Empty when the folder cannot be read.
std::vector<RowRequest> CatalogueFiles(const std::string& folder, bool recursive, bool withJson);

// Reads every file with LoadCatalogueRow and hands the rows to consume in file order, the same
// for any number of jobs. A row asked for JSON comes with its jsonText made (its summaryJson
// spent on it). Returns how many were handed on (fewer when cancelled).
std::size_t ScanCatalogue(const std::vector<RowRequest>& files, const batch::JobOptions& jobs,
                          const std::function<void(CatalogueRow&&)>& consume);

} // namespace lumetra::catalogue
