// The main window's controls as a screen reader names and describes them. The texts that follow
// the loaded file, the plane and the folder are renewed whenever those change.

#include "Uies.h"
#include "surface/FileNameText.h"
#include "viewer/AccessibleText.h"

#include <QDir>
#include <QFileInfo>

namespace lumetra {

namespace {

QString FromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

// Toggles show glyphs only: their names are their hints. Controls with captions keep them.
void TMainWindow::NameControls() {
    DriveComboBox1->setAccessibleName("Drive");
    DirectoryListBox1->setAccessibleName("Folders");
    FileListBox1->setAccessibleName("Files");
    PaintBox1->setAccessibleName("Goniogram");
    ProgressBarRender->setAccessibleName("Rendering progress");
    for (QToolButton* toggle : {SpeedButtonUpdate, SpeedButtonFit, SpeedButtonOrtho})
        toggle->setAccessibleName(toggle->toolTip());
    if (TrackBarDegree)
        TrackBarDegree->setAccessibleDescription("Selects the C plane the goniogram shows");
    DescribeControls();
}

void TMainWindow::ConnectDescriptions() {
    const auto describe = [this] { DescribeControls(); };
    connect(DirectoryListBox1, &TDirectoryListBox::directoryChanged, this, describe);
    connect(FileListBox1, &TFileListBox::changed, this, describe);
    connect(this, &TMainWindow::fileLoaded, this, describe);
    connect(SpeedButtonFit, &QToolButton::toggled, this, describe);
    connect(SpeedButtonOrtho, &QToolButton::toggled, this, describe);
    if (TrackBarDegree)
        connect(TrackBarDegree, &QSlider::valueChanged, this, describe);
}

void TMainWindow::DescribeControls() {
    const QString folder = QDir::toNativeSeparators(DirectoryListBox1->Directory());
    DirectoryListBox1->setAccessibleDescription("Current folder: " + folder);
    FileListBox1->setAccessibleDescription("Photometric files in " + folder);
    const std::string separator = DecimalSeparator();
    const std::string file = viewer_.GoniogramShown()
                                 ? QFileInfo(SelectedFileName()).fileName().toStdString()
                                 : std::string();
    PaintBox1->setAccessibleDescription(
        FromUtf8(GoniogramDescription(viewer_.Record(), CurrentView(), file)));
    if (TrackBarDegree)
        TrackBarDegree->setAccessibleName(
            FromUtf8(PlaneSelectorName(viewer_.Record(), viewer_.Plane(), separator)));
}

} // namespace lumetra
