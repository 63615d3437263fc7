// Lumetra: start-up of the viewer.

#include "LumetraApplication.h"
#include "ui/Uies.h"
#include "ui/UiesRender.h"

int main(int argc, char* argv[]) {
    lumetra::LumetraApplication app(argc, argv);
    lumetra::TMainWindow mainWindow;
    lumetra::TRenderWindow renderWindow;
    mainWindow.show();
    return lumetra::LumetraApplication::exec();
}
