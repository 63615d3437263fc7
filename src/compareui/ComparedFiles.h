#pragma once
// The files the selection names, loaded as the viewer loads them. A file that fails to load is
// left out with its error, so the others are still compared.

#include "compare/Comparison.h"

#include <QStringList>
#include <string>
#include <vector>

namespace lumetra::compare {

struct ComparedFiles {
    std::vector<Luminaire> files;
    std::vector<std::string> paths; // beside files
    QStringList names;              // the files' names for people, beside files
    QStringList errors;             // "name: what went wrong", for the files left out
};

ComparedFiles LoadCompared(const std::vector<std::string>& paths);

} // namespace lumetra::compare
