#pragma once
// The report of lumetra-cli check, as text lines or as JSON.

#include "data/Validation.h"

#include <QString>
#include <QStringList>
#include <cstddef>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace lumetra::cli {

struct FileReport {
    QString path;
    std::vector<Finding> findings;
};

struct CheckTotals {
    std::size_t files = 0;
    std::size_t errors = 0;
    std::size_t warnings = 0;

    void Add(const FileReport& report);
};

// "PATH:LINE: error: MESSAGE" per finding, or "PATH: ok" for a file without findings.
std::string ReportText(const FileReport& report);
// "N files, E errors, W warnings".
std::string SummaryLine(const CheckTotals& totals);

// {"path", "errors", "warnings", "findings": [{"severity", "line", "message"}]}.
nlohmann::ordered_json ReportJson(const FileReport& report);
// {"files": [...], "unreadable": [...], "summary": {"files", "errors", "warnings"}}.
nlohmann::ordered_json CheckJson(nlohmann::ordered_json files, const QStringList& unreadable,
                                 const CheckTotals& totals);

} // namespace lumetra::cli
