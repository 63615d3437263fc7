#include "WindowLinks.h"

#include "CatalogueWindow.h"
#include "DiagramsWindow.h"
#include "GuardedConnect.h"
#include "IlluminanceWindow.h"
#include "KeepOnScreen.h"
#include "Properties.h"
#include "Uies.h"
#include "UiesRender.h"

namespace lumetra {

void LinkWindows(TMainWindow& main, TRenderWindow& render) {
    QObject::connect(&render, &TRenderWindow::renderStarted, &main, &TMainWindow::RenderStarted);
    QObject::connect(&render, &TRenderWindow::renderProgress, &main, &TMainWindow::RenderProgress);
    QObject::connect(&render, &TRenderWindow::renderFinished, &main, &TMainWindow::RenderFinished);
    QObject::connect(&render, &TRenderWindow::shownChanged, &main, &TMainWindow::RenderWindowShown);
    // An error of a pass ends the main window's handler that asked for it, as if it had rendered
    // itself.
    QObject::connect(&main, &TMainWindow::renderWanted, &render, &TRenderWindow::DoRender);
    QObject::connect(&main, &TMainWindow::renderWindowWanted, &render, &QWidget::show);
    QObject::connect(&main, &TMainWindow::renderWindowToFront, &render, &QWidget::raise);
    QObject::connect(&main, &TMainWindow::pictureOutdated, &render, &TRenderWindow::ClearPicture);
}

void LinkProperties(TMainWindow& main, PropertiesWindow& properties) {
    KeepAbove(properties, main);
    ConnectGuarded(&main, &TMainWindow::propertiesWanted, &properties, &PropertiesWindow::Open);
    ConnectGuarded(&main, &TMainWindow::fileLoaded, &properties, &PropertiesWindow::FileLoaded);
    ConnectGuarded(&main, &TMainWindow::fileLoadFailed, &properties,
                   &PropertiesWindow::FileLoadFailed);
    ConnectGuarded(&properties, &PropertiesWindow::encodingChosen, &main,
                   &TMainWindow::ChooseHeaderEncoding);
    ConnectGuarded(&main, &TMainWindow::headerEncodingChanged, &properties,
                   &PropertiesWindow::HeaderEncodingChanged);
}

void LinkDiagrams(TMainWindow& main, TDiagramsWindow& diagrams) {
    KeepAbove(diagrams, main);
    ConnectGuarded(&main, &TMainWindow::diagramsWanted, &diagrams, &TDiagramsWindow::Open);
    ConnectGuarded(&main, &TMainWindow::fileLoaded, &diagrams, &TDiagramsWindow::FileLoaded);
    ConnectGuarded(&main, &TMainWindow::fileLoadFailed, &diagrams,
                   &TDiagramsWindow::FileLoadFailed);
}

void LinkCatalogue(TMainWindow& main, CatalogueWindow& catalogue) {
    KeepAbove(catalogue, main);
    catalogue.SetEncodingLookup(
        [&main](const std::string& fileName) { return main.Viewer().Encodings().For(fileName); });
    ConnectGuarded(&main, &TMainWindow::catalogueWanted, &catalogue, &CatalogueWindow::Open);
    ConnectGuarded(&catalogue, &CatalogueWindow::fileChosen, &main, &TMainWindow::OpenPath);
}

void LinkIlluminance(TMainWindow& main, TIlluminanceWindow& illuminance,
                     const ViewerModel& viewer) {
    KeepAbove(illuminance, main);
    illuminance.SetSource([&viewer](TIlluminanceWindow& window, const QString& fileName) {
        window.ShowRecord(fileName, viewer.Record(), viewer.Facts());
    });
    ConnectGuarded(&main, &TMainWindow::illuminanceWanted, &illuminance, &TIlluminanceWindow::Open);
    ConnectGuarded(&main, &TMainWindow::fileLoaded, &illuminance, &TIlluminanceWindow::FileLoaded);
    ConnectGuarded(&main, &TMainWindow::fileLoadFailed, &illuminance,
                   &TIlluminanceWindow::FileLoadFailed);
}

} // namespace lumetra
