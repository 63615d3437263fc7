#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <string_view>

namespace lumetra {

bool AsksForHelpOrVersion(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--")
            return false; // what follows are paths
        for (const char* option : {"-h", "--help", "--help-all", "-?", "-v", "--version"})
            if (argument == option)
                return true;
    }
    return false;
}

QString PathFromCommandLine(const QCoreApplication& application) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "Viewer of photometric files: the goniogram and the light "
                       "pattern."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("FILE | FOLDER"),
        QCoreApplication::translate(
            "CommandLine", "A file to load, selected in its folder, or a folder to browse."),
        QStringLiteral("[FILE | FOLDER]"));
    parser.process(application);
    const QStringList paths = parser.positionalArguments();
    return paths.isEmpty() ? QString() : paths.front();
}

} // namespace lumetra
