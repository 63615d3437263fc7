#pragma once
// The Diagrams window: the loaded file's polar, cartesian, isocandela or solid diagram, drawn by
// the core (src/diagrams) exactly as lumetra-cli diagram and the exports draw it. It follows the
// main window's loads, keeps its own copy of the record so a failed load never leaves it
// half-drawn, and exports the picture (PNG at a chosen size, SVG, PDF) or copies it.

#include "diagrams/Diagram.h"
#include "diagrams/DiagramChoices.h"

#include <QWidget>
#include <memory>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace lumetra {

class TDiagramView;
class ViewerModel;

class TDiagramsWindow : public QWidget {
    Q_OBJECT
  public:
    // The viewer must outlive the window.
    explicit TDiagramsWindow(const ViewerModel& viewer, QWidget* parent = nullptr);
    ~TDiagramsWindow() override;

    QComboBox* ComboKind;
    QComboBox* ComboFirstPlane;
    QComboBox* ComboSecondPlane;
    QComboBox* ComboUnit;
    QComboBox* ComboStep;
    QCheckBox* CheckLog;
    QCheckBox* CheckLitHalf;
    QPushButton* ButtonExport;
    QPushButton* ButtonCopy;
    TDiagramView* View;

    // Shows the window and brings it to the front.
    void Open();
    // The main window loaded a file, or failed to.
    void FileLoaded(const QString& fileName);
    void FileLoadFailed(const QString& fileName);

    // The request the controls describe, as the picture and the exports draw it.
    diagrams::DiagramRequest Request() const;
    void ExportAs();
    // Writes the diagram in the format the name or filter chooses; throws LumetraError.
    void Export(const QString& fileName, QSize size, const QString& filter = {});
    void Copy();

  private:
    QWidget* BuildControls();
    void ConnectHandlers();
    void Follow(const QString& fileName, bool loaded);
    void FillPlanes();
    void ShowUnitChoice();
    void Redraw();
    void Clear();

    const ViewerModel& viewer_;
    QString fileName_;
    bool loaded_ = false;
    bool stale_ = false; // a load came while the window was hidden
    // The record as loaded, the data read through it and the solid built from it.
    std::unique_ptr<tIES> record_;
    std::unique_ptr<diagrams::DiagramData> data_;
    std::optional<diagrams::SolidMesh> solid_;
    diagrams::IntensityUnit solidUnit_ = diagrams::IntensityUnit::Candela;
    std::vector<diagrams::PlaneChoice> planes_;
};

} // namespace lumetra
