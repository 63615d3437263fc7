#pragma once
// The Illuminance window: the floor below the selected luminaire (and optionally a wall) as an
// isolux picture with its figures, for a mounting height, area and grid step in metres or feet.
// It follows the main window's loads like the Properties window; every change of a field
// recalculates and redraws at once. Its rules are in illuminance/IlluminanceModel. Its place, size
// and inputs come back from the settings section "Illuminance" when it first opens and go there
// when it closes.

#include "WindowSettings.h"
#include "illuminance/IlluminanceModel.h"
#include "surface/ExportRules.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <functional>

namespace lumetra {

class IlluminanceView;

class TIlluminanceWindow : public QWidget {
    Q_OBJECT
  public:
    // The settings, when given, must outlive the window.
    explicit TIlluminanceWindow(WindowSettings* settings = nullptr, QWidget* parent = nullptr);
    ~TIlluminanceWindow() override;

    QLabel* LabelFile;
    QDoubleSpinBox* SpinHeight;
    QDoubleSpinBox* SpinSize;
    QDoubleSpinBox* SpinStep;
    QComboBox* ComboUnits;
    QCheckBox* CheckWall;
    QDoubleSpinBox* SpinWall;
    QLabel* LabelFigures;
    QLabel* LabelCursor;
    QPushButton* ButtonExport;
    QPushButton* ButtonCsv;
    IlluminanceView* View;

    // Where the window reads the loaded record when it needs it: at once while it shows, when it
    // opens otherwise.
    using Source = std::function<void(TIlluminanceWindow& window, const QString& fileName)>;
    void SetSource(Source source) { source_ = std::move(source); }
    // Shows the window (with the last load) and brings it to the front.
    void Open();
    // The main window loaded a file, or failed to.
    void FileLoaded(const QString& fileName);
    void FileLoadFailed(const QString& fileName);
    // The main window loaded a file (its record and facts are copied), or failed to.
    void ShowRecord(const QString& fileName, const tIES& record, const LuminaireFacts& facts);
    void ShowFailure(const QString& fileName);

    const illuminance::IlluminanceModel& Model() const { return model_; }

    // Write the picture or the grid; throw LumetraError when the file cannot be written.
    void ExportPicture(const ExportTarget& target);
    void ExportCsv(const QString& fileName);

    // The section as the window would store it now.
    IlluminanceSection SettingsToStore() const;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void ApplySettings(const SectionRead<IlluminanceSection>& read);
    void WriteSettings();
    void BuildControls(QFormLayout* form);
    void ConnectHandlers();
    void InputsChanged();
    void UnitsChanged();
    void ShowInputs();
    void ShowResult();
    void ShowPointed(int panel, QPointF uv);
    void AskExportPicture();
    void AskExportCsv();
    QString FiguresText(const char* plane, const illuminance::PlaneGrid& metric) const;

    void Follow(const QString& fileName, bool failed);
    void Refresh();

    illuminance::IlluminanceModel model_;
    WindowSettings* settings_ = nullptr;
    bool placed_ = false; // the settings were read at the first opening
    Source source_;
    bool failed_ = false;
    bool stale_ = false; // a load came while the window was hidden
    QString fileName_;
    bool showingInputs_ = false;
};

} // namespace lumetra
