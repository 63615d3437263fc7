// Lumetra: start-up of the viewer.

#include "LumetraApplication.h"
#include "SettingsFile.h"
#include "ui/Uies.h"
#include "ui/UiesRender.h"
#include "ui/WindowLinks.h"

#include <QIcon>

int main(int argc, char* argv[]) {
    lumetra::LumetraApplication app(argc, argv);
    lumetra::LumetraApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/lumetra.svg")));
    lumetra::SettingsFile settings; // outlives both windows: the render window writes as it goes
    lumetra::TMainWindow mainWindow(&settings);
    lumetra::TRenderWindow renderWindow(mainWindow.Viewer(), &settings, &mainWindow);
    lumetra::LinkWindows(mainWindow, renderWindow);
    mainWindow.ShowAtStart();
    return lumetra::LumetraApplication::exec();
}
