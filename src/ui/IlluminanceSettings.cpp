// The Illuminance window's settings section: its place and size as the Properties window keeps
// its own, and the inputs the user last calculated with.
#include "IlluminanceWindow.h"
#include "MessageBox.h"
#include "WindowBounds.h"

#include <QCloseEvent>

namespace lumetra {

void TIlluminanceWindow::ApplySettings(const SectionRead<IlluminanceSection>& read) {
    const IlluminanceSection& window = read.values;
    KeysRead keys(read.keysRead);
    ApplyStoredBounds(*this, keys, window.width, window.height, window.left, window.top);
    // Keys not read keep their defaults. The fields hold the values within their ranges, and the
    // model takes what the fields hold, so the two never disagree.
    model_.SetInputs(window.inputs);
    ShowInputs();
    InputsChanged();
    ThrowReadError(read);
}

IlluminanceSection TIlluminanceWindow::SettingsToStore() const {
    const QRect bounds = NormalBounds(*this);
    return {bounds.width(), bounds.height(), bounds.x(), bounds.y(), model_.Inputs()};
}

void TIlluminanceWindow::closeEvent(QCloseEvent* event) {
    Guarded(this, [this] { WriteSettings(); });
    event->accept();
}

void TIlluminanceWindow::WriteSettings() {
    if (settings_)
        settings_->WriteIlluminance(SettingsToStore());
}

} // namespace lumetra
