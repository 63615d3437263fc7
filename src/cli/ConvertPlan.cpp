#include "ConvertPlan.h"

#include "CheckPaths.h"

#include <QFile>
#include <filesystem>
#include <map>

namespace lumetra::cli {

namespace {

namespace fs = std::filesystem;

std::string NativeName(const QString& name) {
    return QFile::encodeName(name).toStdString();
}

std::string OutputFor(const std::string& input, const fs::path& inputFolder,
                      const fs::path& outputFolder, const std::string& extension) {
    fs::path relative = fs::path(input).lexically_relative(inputFolder);
    relative.replace_extension(extension);
    return (outputFolder / relative).lexically_normal().string();
}

} // namespace

ConvertPlan PlanFolderConversion(const QString& inputFolder, const QString& outputFolder,
                                 const std::string& extension) {
    const CheckPaths paths = CollectCheckPaths({inputFolder});
    ConvertPlan plan;
    plan.unreadable = paths.unreadable;
    const fs::path from = fs::path(NativeName(inputFolder)).lexically_normal();
    const fs::path to = fs::path(NativeName(outputFolder)).lexically_normal();
    std::map<std::string, QString> taken; // output name -> the input that has it
    for (std::size_t i = 0; i < paths.nativeFiles.size(); ++i) {
        ConvertJob job;
        job.input = paths.nativeFiles[i];
        job.shown = paths.files[static_cast<qsizetype>(i)];
        job.output =
            OutputFor(fs::path(job.input).lexically_normal().string(), from, to, extension);
        const auto [at, added] = taken.emplace(job.output, job.shown);
        if (!added)
            job.refusal = "its output " + QFile::decodeName(job.output.c_str()) +
                          " is also the output of " + at->second;
        plan.jobs.push_back(std::move(job));
    }
    return plan;
}

void MakeOutputFolders(const ConvertPlan& plan) {
    for (const ConvertJob& job : plan.jobs) {
        std::error_code ignored;
        fs::create_directories(fs::path(job.output).parent_path(), ignored);
    }
}

} // namespace lumetra::cli
