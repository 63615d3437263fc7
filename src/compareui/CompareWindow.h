#pragma once
// The Compare window: up to four files against the first one, in three tabs: their curves of one
// plane pair (polar and cartesian, each file its own colour and dash), their figures side by side
// with the differences beyond the tolerance highlighted, and the intensity differences. It
// follows the main window's selection as the Properties window does, compares the selection with
// the pinned files, and exports the curves as PNG or SVG and the whole as a one-page PDF.

#include "ComparedFiles.h"
#include "compare/CompareSelection.h"
#include "compare/Comparison.h"
#include "surface/ExportRules.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QWidget>
#include <memory>

namespace lumetra::compare {

class CompareIntensityModel;
class DiagramView;

class TCompareWindow : public QWidget {
    Q_OBJECT
  public:
    explicit TCompareWindow(QWidget* parent = nullptr);
    ~TCompareWindow() override;

    QLabel* LabelFiles;
    QComboBox* ComboPlane;
    QComboBox* ComboUnit;
    QPushButton* ButtonExportPictures;
    QPushButton* ButtonExportPdf;
    QTabWidget* Tabs;
    DiagramView* Polar;
    DiagramView* Cartesian;
    QTableWidget* TableFigures;
    QComboBox* ComboFile;
    QLabel* LabelLargest;
    QTableView* TableIntensities;

    const CompareSelection& Selection() const { return selection_; }
    const Comparison& Shown() const { return comparison_; }
    const ComparedFiles& Files() const { return loaded_; }

    // Shows the window and brings it to the front.
    void Open();
    // The main window selected (loaded) a file; empty for none.
    void FollowSelection(const std::string& file);
    // Pins or unpins a file; returns whether it is pinned now.
    bool TogglePin(const std::string& file);
    // The catalogue's rows: exactly these files, pinned; then opens the window.
    void CompareFiles(const std::vector<std::string>& files);

    void ExportPicturesAs();
    void ExportPdfAs();
    // Write without asking; throw LumetraError when the file cannot be written.
    void ExportPictures(const ExportTarget& target);
    void ExportPdf(const QString& pdfName);

  signals:
    void pinsChanged();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QWidget* BuildControls();
    QWidget* BuildCurvesTab();
    QWidget* BuildIntensitiesTab();
    void Changed();
    void Refresh();
    void Recompute();
    void FillPlanes();
    void ShowFileList();
    void ShowCurves();
    void ShowFigures();
    void ShowIntensities();
    IntensityUnit Unit() const;

    CompareSelection selection_;
    ComparedFiles loaded_;
    Comparison comparison_;
    std::shared_ptr<IntensityComparison> intensities_;
    CompareIntensityModel* intensityModel_;
    bool stale_ = true;
};

} // namespace lumetra::compare
