#pragma once
// The Catalogue window: every photometric file of a folder as one row of a table, filled in the
// background with a progress bar, searched, range-filtered and sorted by the core's model
// (src/catalogue) through CatalogueTableModel. It shows and forwards; the main window connects
// fileChosen to its own selection and the comparison connects compareWanted. Its place, the
// Subfolders box, the sort and the column widths come back from the settings' "Catalogue" section
// when it first opens; columns without a stored width are fitted to their contents.

#include "CatalogueTableModel.h"
#include "WindowSettings.h"
#include "catalogue/BackgroundScan.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>

namespace lumetra {

class CatalogueWindow : public QWidget {
    Q_OBJECT
  public:
    // settings may be null: the window then keeps nothing between runs.
    explicit CatalogueWindow(WindowSettings* settings = nullptr, QWidget* parent = nullptr);
    ~CatalogueWindow() override;

    // Shows the window over the folder, reading it when it is another folder than the one shown.
    void Open(const QString& folder);
    // Catalogues the folder (and its subfolders when the box is ticked), from scratch.
    void ShowFolder(const QString& folder);
    QString Folder() const { return folder_; }
    // Where the viewer learns the header encoding a person chose for a file ("" for the guess),
    // so that the catalogue reads those files as the viewer shows them.
    using EncodingLookup = std::function<std::string(const std::string& fileName)>;
    void SetEncodingLookup(EncodingLookup lookup) { encodingFor_ = std::move(lookup); }
    // F5: reads the folder again, picking up files that changed or appeared.
    void Refresh();
    // Whether the background reading is done.
    bool Filled() const { return !scan_; }

    // "Copy": the selected rows as tab-separated text with a header line.
    void CopySelection();
    // "Save As...": the rows shown, as CSV, to a file the user picks.
    void SaveAs();
    // Writes the rows shown as CSV; returns the error, empty on success.
    QString WriteCsv(const QString& fileName) const;

    CatalogueTableModel* Model() const { return model_; }
    QTableView* Table() const { return table_; }
    QLineEdit* SearchBox() const { return search_; }
    QLineEdit* RangeBox() const { return ranges_; }
    QCheckBox* SubfolderBox() const { return subfolders_; }
    QPushButton* CompareButton() const { return compare_; }
    QProgressBar* Progress() const { return progress_; }

    // The section as it stands, and a section read applied (the keys the reading got through;
    // then its error, if any, is thrown).
    CatalogueSection SettingsToStore() const;
    void ApplySettings(const SectionRead<CatalogueSection>& read);

  signals:
    // One row is selected: the full name of its file.
    void fileChosen(const QString& fileName);
    // Two rows are selected and "Compare" pressed: their files, in table order.
    void compareWanted(const QString& first, const QString& second);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildControls();
    QWidget* BuildFilterBar();
    QWidget* BuildButtonBar();
    void ConnectControls();
    void TakeRows();
    void ShowCounts();
    void ApplyRanges();
    void SelectionChanged();
    void CompareSelected();
    std::vector<int> SelectedRows() const;
    QString FullName(int row) const;
    void ApplySort(int column, bool descending);
    void ApplyColumnWidths(const std::vector<int>& widths);
    void ApplyColumnOrder(const std::vector<int>& order);
    void FitColumns();
    void WriteSettings();

    QString folder_;
    CatalogueTableModel* model_;
    QTableView* table_;
    QLineEdit* search_;
    QLineEdit* ranges_;
    QLabel* rangeError_;
    QCheckBox* subfolders_;
    QProgressBar* progress_;
    QLabel* counts_;
    QPushButton* compare_;
    QTimer poll_;
    std::unique_ptr<catalogue::BackgroundScan> scan_;
    EncodingLookup encodingFor_;
    WindowSettings* settings_;
    bool placed_ = false;      // the settings were applied
    bool fitted_ = false;      // the columns were fitted to their first rows
    std::vector<bool> stored_; // per column: its width came from the settings
};

} // namespace lumetra
