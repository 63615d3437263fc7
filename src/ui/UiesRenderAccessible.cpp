// The render window's controls as a screen reader names and describes them: the picture with the
// file, plane and settings of its pass, the bars with the values their labels show.

#include "UiesRender.h"
#include "surface/FileNameText.h"
#include "viewer/AccessibleText.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>

namespace lumetra {

// The reset buttons' captions say "R" only: their names are their hints.
void TRenderWindow::NameControls() {
    Image1->setAccessibleName(tr("Light pattern"));
    Image1->setAccessibleDescription(tr("No light pattern rendered yet"));
    for (QPushButton* reset : {Button2, ButtonResetZoom})
        reset->setAccessibleName(reset->toolTip());
    if (!TrackBar2 || !TrackBarZoom)
        return;
    TrackBar2->setAccessibleName(tr("Brightness"));
    TrackBarZoom->setAccessibleName(tr("Zoom"));
    const auto describe = [this] { DescribeBars(); };
    connect(TrackBar2, &QSlider::valueChanged, this, describe);
    connect(TrackBarZoom, &QSlider::valueChanged, this, describe);
    DescribeBars();
}

void TRenderWindow::DescribeBars() {
    TrackBar2->setAccessibleDescription(tr("Brightness: %1").arg(TrackBar2->value()));
    TrackBarZoom->setAccessibleDescription(
        tr("Zoom: %1").arg(QString::number(ZoomCaption(TrackBarZoom->value()))));
}

void TRenderWindow::DescribePicture(int plane) {
    const QString file = FileNameText(viewer_.SelectedFile());
    const RenderControls controls{TrackBar2->value(), TrackBarZoom->value(),
                                  CheckBoxRadiosity->isChecked()};
    Image1->setAccessibleDescription(QString::fromStdString(
        LightPatternDescription(viewer_.Record(), plane, controls,
                                QFileInfo(file).fileName().toStdString(), DecimalSeparator())));
}

} // namespace lumetra
