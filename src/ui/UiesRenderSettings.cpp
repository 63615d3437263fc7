// The render window's section of the settings: applied while the window is created, taken when
// it is destroyed.

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
    // The bars keep their positions inside their ranges themselves.
    if (keys.Next())
        TrackBar2->setValue(render.brightness);
    if (keys.Next())
        TrackBarZoom->setValue(render.zoom);
    if (keys.Next())
        CheckBoxRadiosity->setChecked(render.radiosity);
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
