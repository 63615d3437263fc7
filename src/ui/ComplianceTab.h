#pragma once
// The Properties window's Compliance tab: the BUG rating large with the street-side convention
// and a choice to override it, the zone lumens as a table and a diagram, the note on missing
// uplight data, and the luminance table with its maximum marked. The figures come from
// src/compliance; the tab only shows them.

#include "compliance/Compliance.h"

#include <QComboBox>
#include <QLabel>
#include <QTableWidget>
#include <QWidget>

namespace lumetra {

class TZoneDiagram;

class TComplianceTab : public QWidget {
    Q_OBJECT
  public:
    explicit TComplianceTab(QWidget* parent = nullptr);

    QLabel* LabelRating;
    QLabel* LabelConvention;
    QComboBox* ComboFront; // 0: the file's format decides; then C0, C90, C180, C270
    QLabel* LabelNote;
    QTableWidget* TableZones;
    TZoneDiagram* Diagram;
    QLabel* LabelOpening;
    QTableWidget* TableLuminance;

    // Shows the figures of a loaded record, or nothing (record null). Both must outlive the tab
    // until the next call.
    void Show(const tIES* record, const LuminaireFacts* facts);

    // The front the combo box asks for: none for the file's own convention.
    std::optional<long double> ChosenFront() const;

  private:
    QLayout* BuildRatingRows();
    QWidget* BuildZonesBox();
    QWidget* BuildLuminanceBox();
    void MarkMaximum(QTableWidgetItem* item);
    void Recompute();
    void ShowBug(const compliance::BugRating& rating);
    void ShowZones(const compliance::BugFigures* figures);
    void ShowLuminance(const compliance::LuminanceTable& table);

    const tIES* record_ = nullptr;
    const LuminaireFacts* facts_ = nullptr;
};

} // namespace lumetra
