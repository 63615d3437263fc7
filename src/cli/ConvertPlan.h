#pragma once
// What lumetra-cli convert does with a folder: every photometric file below it, each with the
// output name that keeps its path relative to the folder and takes the target's extension.

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

namespace lumetra::cli {

struct ConvertJob {
    std::string input; // by the bytes of its name
    std::string output;
    QString shown;   // the input as the report names it
    QString refusal; // set when the job is refused before it runs
};

struct ConvertPlan {
    std::vector<ConvertJob> jobs; // sorted by input path
    QStringList unreadable;       // folders that could not be listed
};

// The jobs for the files below inputFolder (see CollectCheckPaths), written below outputFolder
// with extension (".ies" or ".ldt"). Two inputs that would give the same output (a.ies and a.ldt)
// refuse the second.
ConvertPlan PlanFolderConversion(const QString& inputFolder, const QString& outputFolder,
                                 const std::string& extension);

// Creates the output folders before any thread writes, so no two threads race to make one; a
// folder that cannot be made fails its files, with the reason.
void MakeOutputFolders(const ConvertPlan& plan);

} // namespace lumetra::cli
