#include "CheckReport.h"

#include "translate/Translations.h"

#include <QCoreApplication>
#include <algorithm>

namespace lumetra::cli {

namespace {

std::size_t CountOf(const FileReport& report, Severity severity) {
    return static_cast<std::size_t>(
        std::count_if(report.findings.begin(), report.findings.end(),
                      [severity](const Finding& finding) { return finding.severity == severity; }));
}

} // namespace

void CheckTotals::Add(const FileReport& report) {
    ++files;
    errors += CountOf(report, Severity::Error);
    warnings += CountOf(report, Severity::Warning);
}

std::string ReportText(const FileReport& report) {
    const std::string path = report.path.toStdString();
    if (report.findings.empty())
        return path + ": ok\n";
    std::string text;
    for (const Finding& finding : report.findings) {
        text += path + ':' + std::to_string(finding.line) + ": ";
        text += SeverityName(finding.severity);
        text += ": " + TranslatedUtf8(finding.message) + '\n';
    }
    return text;
}

// "%n files" and its neighbours, in the form the count asks for in the user's language.
std::string Counted(const char* marked, std::size_t count) {
    return QCoreApplication::translate("lumetra-cli", marked, nullptr, static_cast<int>(count))
        .toStdString();
}

std::string SummaryLine(const CheckTotals& totals) {
    return Counted(QT_TRANSLATE_N_NOOP("lumetra-cli", "%n files"), totals.files) + ", " +
           Counted(QT_TRANSLATE_N_NOOP("lumetra-cli", "%n errors"), totals.errors) + ", " +
           Counted(QT_TRANSLATE_N_NOOP("lumetra-cli", "%n warnings"), totals.warnings) + "\n";
}

nlohmann::ordered_json ReportJson(const FileReport& report) {
    nlohmann::ordered_json findings = nlohmann::ordered_json::array();
    for (const Finding& finding : report.findings)
        findings.push_back({{"severity", SeverityName(finding.severity)},
                            {"line", finding.line},
                            {"message", finding.message.English()}});
    return {{"path", report.path.toStdString()},
            {"errors", CountOf(report, Severity::Error)},
            {"warnings", CountOf(report, Severity::Warning)},
            {"findings", std::move(findings)}};
}

nlohmann::ordered_json CheckJson(nlohmann::ordered_json files, const QStringList& unreadable,
                                 const CheckTotals& totals) {
    nlohmann::ordered_json paths = nlohmann::ordered_json::array();
    for (const QString& path : unreadable)
        paths.push_back(path.toStdString());
    return {{"files", std::move(files)},
            {"unreadable", std::move(paths)},
            {"summary",
             {{"files", totals.files}, {"errors", totals.errors}, {"warnings", totals.warnings}}}};
}

} // namespace lumetra::cli
