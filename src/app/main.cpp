// Lumetra: start-up of the viewer.

#include "CommandLine.h"
#include "LumetraApplication.h"
#include "SettingsFile.h"
#include "compareui/CompareLinks.h"
#include "compareui/CompareWindow.h"
#include "data/ProgramData.h"
#include "language/LanguageChoice.h"
#include "translate/Translations.h"
#include "ui/CatalogueWindow.h"
#include "ui/DiagramsWindow.h"
#include "ui/GuardedConnect.h"
#include "ui/IlluminanceWindow.h"
#include "ui/LanguageMenu.h"
#include "ui/MessageBox.h"
#include "ui/Properties.h"
#include "ui/Uies.h"
#include "ui/UiesRender.h"
#include "ui/WindowLinks.h"
#include "viewer/ViewerModel.h"

#include <QCoreApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    if (lumetra::AsksForHelpOrVersion(argc, argv)) {
        QCoreApplication core(argc, argv); // help and version need no display
        lumetra::NameApplication();
        lumetra::InstallTranslations(
            lumetra::ChooseLanguage(lumetra::LocaleEnvironment::OfProcess(), {}));
        lumetra::PathFromCommandLine(core); // prints and ends the program
    }
    lumetra::LumetraApplication app(argc, argv);
    lumetra::LumetraApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/lumetra.svg")));
    const QString path = lumetra::PathFromCommandLine(app); // may print and end the program
    lumetra::SettingsFile settings; // outlives both windows: the render window writes as it goes
    lumetra::SpeakChosenLanguage(settings); // before any window builds its texts
    lumetra::ProgramData data;              // the one program-wide data set, used in place
    lumetra::ViewerModel viewer(data);
    // Outlives the main window, whose file list marks the files it pins.
    lumetra::compare::TCompareWindow compareWindow;
    lumetra::TMainWindow mainWindow(viewer, &settings);
    // Destroyed after the render window, so its section follows "Render" in a new file.
    lumetra::TPropertiesWindow properties(mainWindow.Viewer(), &settings);
    lumetra::LinkProperties(mainWindow, properties);
    lumetra::TDiagramsWindow diagrams(mainWindow.Viewer());
    lumetra::LinkDiagrams(mainWindow, diagrams);
    lumetra::CatalogueWindow catalogue(&settings);
    lumetra::LinkCatalogue(mainWindow, catalogue);
    lumetra::TIlluminanceWindow illuminance(&settings);
    lumetra::LinkIlluminance(mainWindow, illuminance, mainWindow.Viewer());
    lumetra::TRenderWindow renderWindow(mainWindow.Viewer(), &settings, &mainWindow);
    lumetra::LinkWindows(mainWindow, renderWindow);
    lumetra::compare::LinkCompare(mainWindow, compareWindow);
    lumetra::ConnectGuarded(&catalogue, &lumetra::CatalogueWindow::compareWanted, &compareWindow,
                            [&compareWindow](const QString& first, const QString& second) {
                                lumetra::compare::CompareTwo(compareWindow, first, second);
                            });
    lumetra::AddLanguageMenus(*mainWindow.DescriptionMenu, settings);
    mainWindow.ShowAtStart();
    // Opened in the shown window, so a file that cannot be opened is reported over it.
    if (!path.isEmpty())
        lumetra::Guarded(&mainWindow, [&] { mainWindow.OpenPath(path); });
    return lumetra::LumetraApplication::exec();
}
