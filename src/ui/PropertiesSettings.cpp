// The properties window's section of the settings: applied when the window first opens, taken
// when it closes.

#include "Properties.h"
#include "WindowBounds.h"
#include "WindowSettings.h"

namespace lumetra {

void PropertiesWindow::ApplySettings(const SectionRead<PropertiesSection>& read) {
    const PropertiesSection& window = read.values;
    KeysRead keys(read.keysRead);
    if (keys.Next())
        SetWindowWidth(*this, window.width.value_or(width()));
    if (keys.Next())
        SetWindowHeight(*this, window.height.value_or(height()));
    if (keys.Next())
        SetWindowLeft(*this, window.left.value_or(
                                 CentredStart(ScreenSize().width(), OuterSize(*this).width())));
    if (keys.Next())
        SetWindowTop(*this, window.top.value_or(
                                CentredStart(ScreenSize().height(), OuterSize(*this).height())));
    if (keys.Next())
        SetOpenTab(window.tab);
    ThrowReadError(read);
}

PropertiesSection PropertiesWindow::SettingsToStore() const {
    const QRect bounds = NormalBounds(*this);
    return {bounds.width(), bounds.height(), bounds.x(), bounds.y(), OpenTab()};
}

} // namespace lumetra
