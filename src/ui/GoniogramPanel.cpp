#include "GoniogramPanel.h"

#include "DataSheetSaving.h"
#include "ExportDialogs.h"
#include "GuardedConnect.h"
#include "KeyboardAccess.h"
#include "SavePhotometryDialog.h"
#include "gonio/PointValue.h"
#include "surface/FileNameText.h"
#include "surface/GoniogramExport.h"
#include "surface/QPainterSurface.h"
#include "translate/Translations.h"
#include "viewer/AccessibleText.h"
#include "viewer/ViewerModel.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QToolTip>
#include <utility>

namespace lumetra {

GoniogramPanel::GoniogramPanel(ViewerModel& viewer, std::function<QString()> fileName,
                               QWidget* parent)
    : QFrame(parent), viewer_(viewer), fileName_(std::move(fileName)) {
    setFrameShape(QFrame::NoFrame);
    PaintBox1 = new TPaintBox(this);
    PaintBox1->setGeometry(24, 24, 193, 153);
    PaintBox1->setAccessibleName(tr("Goniogram"));
    SetCanvas(nullptr);
    BuildMenu();
    // An error while painting would come back with every repaint, so a box for it would never
    // stop opening; the paint keeps what it drew, and the handlers that draw outside a paint
    // report such errors.
    connect(PaintBox1, &TPaintBox::painting, this, &GoniogramPanel::PaintCatching);
    connect(PaintBox1, &TPaintBox::toolTipWanted, this, &GoniogramPanel::ShowToolTip);
}

GoniogramPanel::~GoniogramPanel() = default;

void GoniogramPanel::BuildMenu() {
    Menu = new QMenu(this);
    ActionSaveGoniogram = Menu->addAction(tr("Save Goniogram As..."));
    ActionCopyGoniogram = Menu->addAction(tr("Copy Goniogram"));
    Menu->addSeparator();
    ActionSaveDataSheet = Menu->addAction(tr("Save Data Sheet As..."));
    ActionSavePhotometry = Menu->addAction(tr("Save Photometry As..."));
    ConnectGuarded(ActionSaveGoniogram, &QAction::triggered, this, &GoniogramPanel::SaveAs);
    ConnectGuarded(ActionCopyGoniogram, &QAction::triggered, this, &GoniogramPanel::Copy);
    ConnectGuarded(ActionSaveDataSheet, &QAction::triggered, this,
                   [this] { SaveDataSheetAs(window(), viewer_); });
    ConnectGuarded(ActionSavePhotometry, &QAction::triggered, this, [this] {
        SavePhotometryAs(window(), viewer_.SelectedFile(), viewer_.ParseError());
    });
    connect(PaintBox1, &TPaintBox::contextMenuWanted, this, &GoniogramPanel::ShowMenu);
    AddContextMenuKeys(PaintBox1, [this](const QPoint& globalPos) { ShowMenu(globalPos); });
}

void GoniogramPanel::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    Guarded(window(), [this] { LayOut(); });
}

void GoniogramPanel::LayOut() {
    const PaintAreaBounds bounds = PaintAreaLayout(width(), height());
    PaintBox1->setGeometry(bounds.left, bounds.top, bounds.size, bounds.size);
}

void GoniogramPanel::SetCanvas(std::unique_ptr<DrawingSurface> canvas) {
    // Only drawing on the image is remembered: another surface wants every call.
    drawsOnImage_ = !canvas;
    drawn_.Forget();
    canvas_ = canvas ? std::move(canvas) : std::make_unique<QPainterSurface>(&PaintBox1->Image());
}

GonioView GoniogramPanel::View() const {
    GonioView view = viewer_.View(DecimalSeparator());
    view.wording = TranslatedUtf8;
    return view;
}

GoniogramScene GoniogramPanel::Scene() const {
    return {PaintBox1->ImageSerial(), viewer_.LoadCount(), View()};
}

void GoniogramPanel::ShowGrid() {
    PaintBox1->PrepareImage();
    drawn_.Forget(); // a drawing that throws half way leaves an unknown picture
    lumetra::ShowGrid(*canvas_, PaintBox1->width(), PaintBox1->height());
    if (drawsOnImage_)
        drawn_.GridDrawn(PaintBox1->ImageSerial());
    if (!painting_)
        PaintBox1->update();
}

void GoniogramPanel::DrawIES() {
    PaintBox1->PrepareImage();
    DrawnGoniogram drawn = std::exchange(drawn_, DrawnGoniogram());
    lumetra::DrawIES(*canvas_, PaintBox1->width(), PaintBox1->height(), viewer_.Record(), View());
    if (drawsOnImage_)
        drawn.CurvesDrawn(Scene());
    drawn_ = drawn;
    if (!painting_)
        PaintBox1->update();
}

// A handler that drew at once asked for this paint: the image holds the picture already.
void GoniogramPanel::Paint() {
    PaintBox1->PrepareImage();
    if (drawsOnImage_ && drawn_.Holds(Scene(), viewer_.DrawsCurves()))
        return;
    painting_ = true;
    ShowGrid();
    if (viewer_.DrawsCurves())
        DrawIES();
    painting_ = false;
}

void GoniogramPanel::PaintCatching() {
    try {
        Paint();
    } catch (const std::exception&) {
        painting_ = false;
        drawn_.Forget(); // whatever the paint left, the next one draws again
    }
}

void GoniogramPanel::ShowMenu(const QPoint& globalPos) {
    UpdateMenu();
    Menu->popup(globalPos);
}

void GoniogramPanel::ShowToolTip(const QPoint& pos, const QPoint& globalPos) {
    const QString text = ToolTip(pos);
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(globalPos, text, PaintBox1);
}

void GoniogramPanel::UpdateMenu() {
    const bool loaded = viewer_.GoniogramShown();
    for (QAction* action :
         {ActionSaveGoniogram, ActionCopyGoniogram, ActionSaveDataSheet, ActionSavePhotometry})
        action->setEnabled(loaded);
}

void GoniogramPanel::SaveAs() {
    const auto size = AskExportSize(window(), tr("Goniogram Size"), kGoniogramExportSize);
    const QFileInfo ies(fileName_());
    const auto target =
        size ? AskExportTarget(window(), tr("Save Goniogram As"),
                               ies.dir().filePath(ies.completeBaseName()),
                               {ExportFormat::Png, ExportFormat::Jpeg, ExportFormat::Svg})
             : std::nullopt;
    if (target)
        Save(target->fileName, *size, SaveFilter(target->format));
}

void GoniogramPanel::Save(const QString& fileName, QSize size, const QString& filter) {
    const ExportTarget target = ExportTargetOrThrow(
        fileName, filter, {ExportFormat::Png, ExportFormat::Jpeg, ExportFormat::Svg});
    ExportGoniogram(target, ClampedExportSize(size), viewer_.Record(), View(),
                    tr("Goniogram of %1").arg(QFileInfo(fileName_()).fileName()));
}

void GoniogramPanel::Copy() {
    const int side = PaintBox1->width();
    QGuiApplication::clipboard()->setImage(
        GoniogramImage(QSize(side, side), viewer_.Record(), View()));
}

QString GoniogramPanel::ToolTip(const QPoint& pos) const {
    if (!viewer_.DrawsCurves())
        return {};
    const auto value = ValueAtPoint(viewer_.Record(), viewer_.Plane(), PaintBox1->width(),
                                    PaintBox1->height(), pos.x(), pos.y());
    if (!value)
        return {};
    return QString::fromStdString(PointValueText(*value, DecimalSeparator(), TranslatedUtf8));
}

void GoniogramPanel::Describe(const QString& fileName) {
    const std::string file =
        viewer_.GoniogramShown() ? QFileInfo(fileName).fileName().toStdString() : std::string();
    PaintBox1->setAccessibleDescription(
        QString::fromStdString(GoniogramDescription(viewer_.Record(), View(), file)));
}

} // namespace lumetra
