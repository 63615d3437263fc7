// lumetra-cli: the viewer's core without windows.

#include "Commands.h"
#include "HelpText.h"
#include "language/LanguageChoice.h"
#include "translate/Translations.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

// Qt wants a private runtime folder and warns on every run without one; a command-line tool
// should print only what it was asked for.
static void UsePrivateRuntimeFolder() {
    if (std::getenv("XDG_RUNTIME_DIR") != nullptr)
        return;
    const std::string folder = "/tmp/lumetra-runtime-" + std::to_string(getuid());
    mkdir(folder.c_str(), 0700);
    struct stat info {};
    if (stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == getuid() &&
        (info.st_mode & 0777) == 0700)
        setenv("XDG_RUNTIME_DIR", folder.c_str(), 1);
}

// The subcommands by name; a new one adds its row.
struct Subcommand {
    const char* name;
    int (*run)(const QStringList& arguments);
};
// One row per line, so that adding a subcommand touches one line.
// clang-format off
const Subcommand kSubcommands[] = {
    {"info", lumetra::cli::RunInfo},
    {"gonio", lumetra::cli::RunGonio},
    {"render", lumetra::cli::RunRender},
    {"check", lumetra::cli::RunCheck},
    {"summary", lumetra::cli::RunSummary},
    {"sheet", lumetra::cli::RunSheet},
    {"compare", lumetra::cli::RunCompare},
    {"catalogue", lumetra::cli::RunCatalogue},
    {"diagram", lumetra::cli::RunDiagram},
    {"illuminance", lumetra::cli::RunIlluminance},
    {"bug", lumetra::cli::RunBug},
    {"convert", lumetra::cli::RunConvert},
};
// clang-format on

int main(int argc, char* argv[]) {
    // Drawing text into images needs a GUI application, never a display.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    UsePrivateRuntimeFolder();
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationVersion(QStringLiteral(LUMETRA_VERSION));
    lumetra::InstallTranslations(
        lumetra::ChooseLanguage(lumetra::LocaleEnvironment::OfProcess(), {}));
    QStringList arguments = QGuiApplication::arguments();
    arguments.removeFirst();
    if (arguments.isEmpty() || arguments.front() == "--help" || arguments.front() == "-h") {
        std::fputs(lumetra::cli::HelpText().c_str(), arguments.isEmpty() ? stderr : stdout);
        return arguments.isEmpty() ? 2 : 0;
    }
    if (arguments.front() == "--version") {
        std::puts("lumetra-cli " LUMETRA_VERSION);
        return 0;
    }
    const QString command = arguments.takeFirst();
    for (const Subcommand& subcommand : kSubcommands)
        if (command == subcommand.name)
            return subcommand.run(arguments);
    const QString unknown = QCoreApplication::translate("lumetra-cli", "Unknown command '%1'.");
    std::fprintf(stderr, "%s\n\n%s", unknown.arg(command).toLocal8Bit().constData(),
                 lumetra::cli::HelpText().c_str());
    return 2;
}
