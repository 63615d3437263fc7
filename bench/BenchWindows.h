#pragma once
// The viewer's main, Properties and render windows over one model, linked and started as the
// program starts them, for the benchmarks that time what the windows do.

#include "data/ProgramData.h"
#include "ui/Properties.h"
#include "ui/Uies.h"
#include "ui/UiesRender.h"
#include "ui/WindowLinks.h"
#include "viewer/ViewerModel.h"

#include <QApplication>

namespace lumetra::bench {

struct ViewerWindows {
    ViewerWindows() : properties(viewer, nullptr), render(viewer, nullptr, &main) {
        LinkProperties(main, properties);
        LinkWindows(main, render);
        main.ShowAtStart();
        QApplication::processEvents();
    }
    ProgramData data;
    ViewerModel viewer{data};
    TMainWindow main{viewer};
    PropertiesWindow properties;
    TRenderWindow render;
};

} // namespace lumetra::bench
