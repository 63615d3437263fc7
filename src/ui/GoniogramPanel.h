#pragma once
// The main window's goniogram: the paint area kept square in its panel, the surface it is drawn
// on, the context menu (save, copy, data sheet, photometry) and the value under the pointer. It
// draws what the viewer model holds; the window tells it when to draw.

#include "PaintBox.h"
#include "gonio/Goniogram.h"
#include "surface/ExportRules.h"
#include "viewer/DrawnGoniogram.h"

#include <QFrame>
#include <QMenu>
#include <functional>
#include <memory>

namespace lumetra {

class DrawingSurface;
class ViewerModel;

class GoniogramPanel : public QFrame {
    Q_OBJECT
  public:
    // The viewer must outlive the panel. The file name source names the file shown, for the
    // save dialog and the picture's title.
    GoniogramPanel(ViewerModel& viewer, std::function<QString()> fileName,
                   QWidget* parent = nullptr);
    ~GoniogramPanel() override;

    TPaintBox* PaintBox1;
    QMenu* Menu;
    QAction* ActionSaveGoniogram;
    QAction* ActionCopyGoniogram;
    QAction* ActionSaveDataSheet;
    QAction* ActionSavePhotometry;

    // Clears the paint area and draws the bare grid, at once.
    void ShowGrid();
    // Draws scale and curves of the loaded record over the grid, at once.
    void DrawIES();
    // The grid, and the curves while the model draws them; nothing when the image holds them
    // already (drawn at once by a handler).
    void Paint();
    // The paint area square and centred in the panel.
    void LayOut();
    // The surface the goniogram is drawn on: the paint area's image, in logical pixels at any
    // screen density, or the one given here (a recorder, say); null goes back to the image.
    void SetCanvas(std::unique_ptr<DrawingSurface> canvas);
    // The view as the model's toggles and plane choose it, numbers in the locale's separator.
    GonioView View() const;

    // Enables the menu's actions while a file is loaded.
    void UpdateMenu();
    // Asks for the size, then for the file.
    void SaveAs();
    // Writes the goniogram on a picture of that size in the format that the name's extension or
    // else the filter chooses; throws LumetraError for a name that promises another format.
    void Save(const QString& fileName, QSize size = kGoniogramExportSize,
              const QString& filter = {});
    void Copy();
    // "C 30°  γ 42.5°  1234.5 cd" for a point of the paint area; empty while nothing is loaded.
    QString ToolTip(const QPoint& pos) const;
    // The accessible description: what the goniogram shows of that file.
    void Describe(const QString& fileName);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void BuildMenu();
    void PaintCatching();
    void ShowMenu(const QPoint& globalPos);
    void ShowToolTip(const QPoint& pos, const QPoint& globalPos);
    GoniogramScene Scene() const;

    ViewerModel& viewer_;
    std::function<QString()> fileName_;
    std::unique_ptr<DrawingSurface> canvas_;
    bool painting_ = false;
    bool drawsOnImage_ = true;
    DrawnGoniogram drawn_; // what the image holds, so a paint draws only what it lacks
};

} // namespace lumetra
