#pragma once
// The two windows meet through signals: the render window announces its passes and its showing,
// and the main window shows the progress, the time and the Render button's state; the main window
// asks for passes, for the render window to show or come to the front, and for its picture to go.

namespace lumetra {

class TMainWindow;
class TRenderWindow;

void LinkWindows(TMainWindow& main, TRenderWindow& render);

// The properties window opens when the main window asks and follows its loads.
class PropertiesWindow;
void LinkProperties(TMainWindow& main, PropertiesWindow& properties);

// The Diagrams window opens when the main window asks and follows its loads.
class TDiagramsWindow;
void LinkDiagrams(TMainWindow& main, TDiagramsWindow& diagrams);

// The Catalogue window opens over the main window's folder when it asks; a row selected there
// selects (and so loads) that file in the main window.
class CatalogueWindow;
void LinkCatalogue(TMainWindow& main, CatalogueWindow& catalogue);
// The Illuminance window opens when the main window asks and follows its loads, reading the
// loaded record from the viewer model when it shows.
class TIlluminanceWindow;
class ViewerModel;
void LinkIlluminance(TMainWindow& main, TIlluminanceWindow& illuminance, const ViewerModel& viewer);

} // namespace lumetra
