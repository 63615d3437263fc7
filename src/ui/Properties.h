#pragma once
// The Properties window: everything the loaded file says, in five tabs: the photometric
// summary, every header keyword, the stored intensity table, the compliance figures (BUG rating,
// luminance table) and the file's text. It follows the
// main window's loads, shows a failed load with the file's text, and fills its tabs only while
// it shows, the tab on show at once and the others when they are shown. The rules of what it
// shows are in src/properties and src/viewer/PropertiesModel.h.

#include "FileTextReading.h"
#include "WindowSettings.h"
#include "properties/IntensityTable.h"
#include "viewer/PropertiesModel.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QToolButton>
#include <QWidget>
#include <optional>
#include <string>
#include <vector>

namespace lumetra {

class EncodingMenu;
class IntensityTableModel;
class TComplianceTab;
class LineNumberedText;
class ViewerModel;

class PropertiesWindow : public QWidget {
    Q_OBJECT
  public:
    // The model and the settings, when given, must outlive the window.
    explicit PropertiesWindow(const ViewerModel& viewer, WindowSettings* settings = nullptr,
                              QWidget* parent = nullptr);
    ~PropertiesWindow() override;

    QLabel* LabelFile;           // the file's name and what its load said
    QToolButton* ButtonEncoding; // "Text Encoding": the header read in another encoding
    EncodingMenu* MenuEncoding;
    QTabWidget* Tabs;
    QTableWidget* TableSummary;
    QTableWidget* TableKeywords;
    QLabel* LabelMultiplier; // what the values are: as stored, cd/klm or cd
    QComboBox* ComboUnit;    // cd/klm or cd, for EULUMDAT files only
    QTableView* TableIntensities;
    QPushButton* ButtonCopy;
    QPushButton* ButtonSaveAs;
    QPushButton* ButtonSavePhotometry; // the file itself as IES or EULUMDAT
    LineNumberedText* TextFile;
    TComplianceTab* TabCompliance; // the BUG rating and the luminance table

    // Shows the window (placed from the settings the first time) and brings it to the front.
    void Open();
    // The main window loaded a file, or failed to.
    void FileLoaded(const QString& fileName);
    void FileLoadFailed(const QString& fileName);
    // The header is read in another encoding: the tabs that show its text follow.
    void HeaderEncodingChanged();

  signals:
    // The user chose the header's encoding ("" for the guess) in the window's menu.
    void encodingChosen(const QString& encoding);

  public:
    void CopyIntensities();
    void SaveIntensitiesAs();
    // Writes the intensity table as CSV; throws LumetraError when the file cannot be written.
    void SaveIntensities(const QString& fileName);
    void KeywordClicked(int row, int column);

    // The file's text is still being read; the Text tab shows it when it comes.
    bool TextPending() const { return !text_.has_value(); }

    // The open tab by its key (its English caption, whatever the language), as the settings
    // keep it.
    QString OpenTab() const;
    void SetOpenTab(const QString& key);

    // The section "Properties" as read, applied key by key up to a faulty one, whose error is
    // then thrown; and what the window stores when it closes.
    void ApplySettings(const SectionRead<PropertiesSection>& read);
    PropertiesSection SettingsToStore() const;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildTabs();
    QWidget* BuildIntensityTab();
    QLayout* BuildFileRow();
    void ConnectHandlers();
    void Follow(const QString& fileName, bool failed);
    void Refresh();
    void FillShownTab();
    void ShowStatus();
    void ShowSummary();
    void ShowKeywords();
    void ChooseShownUnit();
    void ShowIntensities();
    void ChooseUnit(int index);
    long double ShownFactor() const;
    void RequestText();
    void TextArrived(FileTextAnswer answer);
    void ShowText();
    void ShowCompliance();
    void WriteSettings();

    const ViewerModel& viewer_;
    WindowSettings* settings_;
    IntensityTableModel* intensities_;
    QString fileName_;      // as shown
    PropertiesModel rules_; // which file, whether it failed, whether and which tab to show
    bool placed_ = false;   // the settings were applied
    std::vector<properties::TableUnit> units_;                     // offered for the file
    properties::TableUnit unit_ = properties::TableUnit::AsStored; // shown
    std::optional<properties::TableUnit> chosenUnit_;              // the user's last choice
    std::optional<FileTextAnswer> text_; // the followed file's text, once read
    int textLine_ = 0;                   // the line the reader reported, marked in the text
    bool textShown_ = false;             // the Text tab shows text_
};

} // namespace lumetra
