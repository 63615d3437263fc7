// The properties window's section of the settings: applied when the window first opens, taken
// when it closes.

#include "Properties.h"
#include "WindowBounds.h"
#include "WindowSettings.h"

namespace lumetra {

void PropertiesWindow::ApplySettings(const SectionRead<PropertiesSection>& read) {
    const PropertiesSection& window = read.values;
    KeysRead keys(read.keysRead);
    ApplyStoredBounds(*this, keys, window.width, window.height, window.left, window.top);
    if (keys.Next())
        SetOpenTab(window.tab);
    ThrowReadError(read);
}

PropertiesSection PropertiesWindow::SettingsToStore() const {
    const QRect bounds = NormalBounds(*this);
    return {bounds.width(), bounds.height(), bounds.x(), bounds.y(), OpenTab()};
}

} // namespace lumetra
