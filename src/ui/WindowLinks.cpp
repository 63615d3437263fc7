#include "WindowLinks.h"

#include "Uies.h"
#include "UiesRender.h"

namespace lumetra {

void LinkWindows(TMainWindow& main, TRenderWindow& render) {
    QObject::connect(&render, &TRenderWindow::renderStarted, &main, &TMainWindow::RenderStarted);
    QObject::connect(&render, &TRenderWindow::renderProgress, &main, &TMainWindow::RenderProgress);
    QObject::connect(&render, &TRenderWindow::renderFinished, &main, &TMainWindow::RenderFinished);
    QObject::connect(&render, &TRenderWindow::shownChanged, &main, &TMainWindow::RenderWindowShown);
}

} // namespace lumetra
