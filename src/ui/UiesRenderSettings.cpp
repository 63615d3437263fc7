// The render window's section of the settings: applied while the window is created, taken when
// it is destroyed.

#include "GuardedConnect.h"
#include "UiesRender.h"
#include "WindowBounds.h"
#include "WindowSettings.h"

namespace lumetra {

void TRenderWindow::ApplySettings(const SectionRead<RenderSection>& read) {
    const RenderSection& render = read.values;
    KeysRead keys(read.keysRead);
    if (keys.Next())
        SetWindowLeft(*this, render.left.value_or(
                                 CentredStart(ScreenSize().width(), OuterSize(*this).width())));
    if (keys.Next())
        SetWindowTop(*this, render.top.value_or(
                                CentredStart(ScreenSize().height(), OuterSize(*this).height())));
    // The model takes the positions inside the bars' ranges; a change of the box counts as its
    // click.
    const bool radiosity = viewer_.Controls().radiosity;
    if (keys.Next())
        MoveBrightness(render.brightness);
    if (keys.Next())
        MoveZoom(render.zoom);
    if (keys.Next())
        viewer_.SetRadiosity(render.radiosity);
    ShowControls();
    if (viewer_.Controls().radiosity != radiosity)
        Guarded(this, [this] { CheckBoxRadiosityClick(); });
    ThrowReadError(read);
}

RenderSection TRenderWindow::SettingsToStore() const {
    RenderSection render;
    render.left = geometry().x();
    render.top = geometry().y();
    render.brightness = viewer_.Controls().brightness;
    render.zoom = viewer_.Controls().zoom;
    render.radiosity = viewer_.Controls().radiosity;
    return render;
}

} // namespace lumetra
