#include "CatalogueScan.h"

#include "CatalogueExport.h"
#include "data/AsciiCase.h"
#include "eulumdat/PhotometryFile.h"

#include <algorithm>
#include <filesystem>

namespace lumetra::catalogue {

namespace {

namespace fs = std::filesystem;

bool FoldedLess(const RowRequest& a, const RowRequest& b) {
    const auto order = std::lexicographical_compare_three_way(
        a.relative.begin(), a.relative.end(), b.relative.begin(), b.relative.end(),
        [](char x, char y) { return AsciiLower(x) <=> AsciiLower(y); });
    return order != 0 ? order < 0 : a.relative < b.relative;
}

template <typename Iterator>
void Collect(Iterator it, const fs::path& folder, bool withJson, std::vector<RowRequest>& files) {
    std::error_code error;
    for (; it != Iterator(); it.increment(error)) {
        if (error)
            break;
        const fs::path& path = it->path();
        if (it->is_directory(error) || !IsPhotometricFileName(path.filename().native()))
            continue;
        files.push_back(
            {path.native(), path.lexically_relative(folder).generic_string(), withJson});
    }
}

// The JSON text is made here, on the worker, so the thread that writes the rows in order only
// writes them.
CatalogueRow ScannedRow(const RowRequest& request) {
    CatalogueRow row = LoadCatalogueRow(request);
    if (request.withJson)
        row.jsonText = TakeRowJsonText(row);
    return row;
}

} // namespace

std::vector<RowRequest> CatalogueFiles(const std::string& folder, bool recursive, bool withJson) {
    std::vector<RowRequest> files;
    std::error_code error;
    const auto options = fs::directory_options::skip_permission_denied;
    if (recursive)
        Collect(fs::recursive_directory_iterator(folder, options, error), folder, withJson, files);
    else
        Collect(fs::directory_iterator(folder, options, error), folder, withJson, files);
    std::sort(files.begin(), files.end(), FoldedLess);
    return files;
}

std::size_t ScanCatalogue(const std::vector<RowRequest>& files, const batch::JobOptions& jobs,
                          const std::function<void(CatalogueRow&&)>& consume) {
    return batch::RunOrdered(
        files.size(), [&files](std::size_t i) { return ScannedRow(files[i]); },
        [&consume](std::size_t, CatalogueRow&& row) { consume(std::move(row)); }, jobs);
}

} // namespace lumetra::catalogue
