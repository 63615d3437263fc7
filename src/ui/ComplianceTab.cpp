#include "ComplianceTab.h"

#include "ZoneDiagram.h"
#include "compliance/ComplianceText.h"
#include "translate/Translations.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QScrollBar>
#include <QSplitter>
#include <QVBoxLayout>

namespace lumetra {

namespace {

using namespace compliance;

constexpr int kFrontChoices[] = {0, 90, 180, 270};
constexpr qreal kRatingScale = 2.2;

// The compliance layer's texts in the language spoken; numbers pass through unchanged.
QString Text(const std::string& text) {
    return TranslatedText("Compliance", text);
}

QTableWidget* ReadOnlyTable(int rows, int columns) {
    auto* table = new QTableWidget(rows, columns);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::ContiguousSelection);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    return table;
}

QTableWidgetItem* Cell(const QString& text, Qt::Alignment alignment = Qt::AlignRight) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    return item;
}

} // namespace

// The rating and its convention on top; below them the zones and the luminance table share the
// height in a splitter, each table as wide as its columns so that no figure or description is cut;
// their heights scroll.
TComplianceTab::TComplianceTab(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(BuildRatingRows());
    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(BuildZonesBox());
    splitter->addWidget(BuildLuminanceBox());
    splitter->setStretchFactor(0, 3); // the zone diagram needs the height more than the table
    splitter->setStretchFactor(1, 2);
    layout->addWidget(splitter, 1);
    connect(ComboFront, &QComboBox::currentIndexChanged, this, [this] { Recompute(); });
}

QLayout* TComplianceTab::BuildRatingRows() {
    LabelRating = new QLabel(this);
    QFont large = LabelRating->font();
    if (large.pointSizeF() > 0)
        large.setPointSizeF(large.pointSizeF() * kRatingScale);
    else
        large.setPixelSize(static_cast<int>(large.pixelSize() * kRatingScale));
    large.setBold(true);
    LabelRating->setFont(large);
    LabelRating->setTextInteractionFlags(Qt::TextSelectableByMouse);
    LabelRating->setToolTip(tr("BUG rating (IES TM-15-11, Addendum A)"));
    LabelConvention = new QLabel(this);
    LabelConvention->setWordWrap(true);
    ComboFront = new QComboBox(this);
    ComboFront->addItem(tr("Street side by the file's format (IES C0, EULUMDAT C90)"));
    for (const int front : kFrontChoices)
        ComboFront->addItem(tr("Street side centred on C%1").arg(front));
    auto* frontLabel = new QLabel(tr("&Front:"), this);
    frontLabel->setBuddy(ComboFront);
    LabelNote = new QLabel(this);
    LabelNote->setWordWrap(true);
    auto* rating = new QHBoxLayout;
    rating->addWidget(LabelRating);
    rating->addWidget(LabelConvention, 1);
    auto* front = new QHBoxLayout;
    front->addWidget(frontLabel);
    front->addWidget(ComboFront, 1);
    auto* rows = new QVBoxLayout;
    rows->addLayout(rating);
    rows->addLayout(front);
    rows->addWidget(LabelNote);
    return rows;
}

QWidget* TComplianceTab::BuildZonesBox() {
    auto* box = new QGroupBox(tr("BUG zones (IES TM-15-11, Addendum A)"));
    TableZones = ReadOnlyTable(static_cast<int>(kBugZoneCount), 2);
    TableZones->setHorizontalHeaderLabels({tr("Zone"), tr("Lumens (lm)")});
    QStringList names;
    for (const char* name : kBugZoneNames)
        names << name;
    TableZones->setVerticalHeaderLabels(names);
    TableZones->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    Diagram = new TZoneDiagram(box);
    auto* layout = new QHBoxLayout(box);
    layout->addWidget(TableZones);
    layout->addWidget(Diagram, 1);
    return box;
}

QWidget* TComplianceTab::BuildLuminanceBox() {
    auto* box = new QGroupBox(tr("Luminance (cd/m²)"));
    LabelOpening = new QLabel(box);
    LabelOpening->setWordWrap(true);
    TableLuminance = ReadOnlyTable(static_cast<int>(kLuminancePlanes.size()),
                                   static_cast<int>(kLuminanceGammas.size()));
    QStringList planes, gammas;
    for (const int c : kLuminancePlanes)
        planes << tr("C%1").arg(c);
    for (const int g : kLuminanceGammas)
        gammas << tr("γ %1°").arg(g);
    TableLuminance->setVerticalHeaderLabels(planes);
    TableLuminance->setHorizontalHeaderLabels(gammas);
    TableLuminance->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(LabelOpening);
    layout->addWidget(TableLuminance, 1);
    return box;
}

std::optional<long double> TComplianceTab::ChosenFront() const {
    const int index = ComboFront->currentIndex();
    if (index <= 0)
        return std::nullopt;
    return kFrontChoices[index - 1];
}

void TComplianceTab::Show(const tIES* record, const LuminaireFacts* facts) {
    record_ = record;
    facts_ = facts;
    Recompute();
}

void TComplianceTab::Recompute() {
    if (!record_ || !facts_) {
        ShowBug(BugRating{});
        ShowLuminance(LuminanceTable{});
        LabelRating->setText(tr("No file loaded"));
        return;
    }
    const ComplianceFigures figures = ComplianceOf(*record_, *facts_, ChosenFront());
    ShowBug(figures.Bug);
    ShowLuminance(figures.Luminance);
}

void TComplianceTab::ShowBug(const BugRating& rating) {
    const BugFigures* f = rating.Figures ? &*rating.Figures : nullptr;
    LabelRating->setText(f ? Text(f->Rating) : tr("Not rated"));
    LabelConvention->setText(
        f ? tr("Front: %1. Glare by the %2 table (G%3 asymmetric, G%4 symmetric).")
                .arg(Text(FrontText(*f, *facts_)), Text(GlareTableName(f->Table)))
                .arg(f->GAsymmetric)
                .arg(f->GSymmetric)
          : Text(rating.Unavailable));
    LabelNote->setText(
        f && !f->UplightDataComplete
            ? tr("Note: %1.").arg(Text(compliance::Message(ComplianceMessage::UplightIncomplete)))
            : QString());
    LabelNote->setVisible(!LabelNote->text().isEmpty());
    ShowZones(f);
}

void TComplianceTab::ShowZones(const BugFigures* f) {
    for (std::size_t z = 0; z < kBugZoneCount; ++z) {
        const int row = static_cast<int>(z);
        TableZones->setItem(row, 0, Cell(Text(ZoneDescription(BugZone(z))), Qt::AlignLeft));
        TableZones->setItem(row, 1, Cell(f ? Text(PlainNumber(f->Zones[z])) : QString()));
    }
    Diagram->SetZones(f ? std::optional<ZoneFlux>(f->Zones) : std::nullopt);
    // As wide as its columns, a vertical scroll bar included: the height may scroll, the
    // descriptions and figures are never cut.
    TableZones->setMinimumWidth(TableZones->horizontalHeader()->length() +
                                TableZones->verticalHeader()->sizeHint().width() +
                                TableZones->verticalScrollBar()->sizeHint().width() +
                                2 * TableZones->frameWidth());
}

void TComplianceTab::ShowLuminance(const LuminanceTable& table) {
    QString opening = table.Available ? Text(ShapeName(table.Shape.Shape)) : QString();
    if (table.Available)
        for (const auto& [name, value] : DimensionsOf(table.Shape))
            opening += QString(", %1 %2").arg(QString(name).replace("HeightC", "Height C"),
                                              Text(NumberText(value, "m")));
    if (!table.Reason.empty())
        opening += (opening.isEmpty() ? "" : "\n") + Text(table.Reason);
    LabelOpening->setText(opening.isEmpty() ? QString() : tr("Luminous opening: %1").arg(opening));
    for (std::size_t p = 0; p < kLuminancePlanes.size(); ++p)
        for (std::size_t g = 0; g < kLuminanceGammas.size(); ++g) {
            const auto& value = table.Values[p][g];
            TableLuminance->setItem(static_cast<int>(p), static_cast<int>(g),
                                    Cell(value ? Text(PlainNumber(*value)) : tr("n/a")));
        }
    if (table.MaxAt)
        MarkMaximum(TableLuminance->item(static_cast<int>(table.MaxAt->Plane),
                                         static_cast<int>(table.MaxAt->Gamma)));
}

// The maximum in bold on the selection colour, and scrolled into view where the table is
// smaller than its cells.
void TComplianceTab::MarkMaximum(QTableWidgetItem* item) {
    QFont bold = item->font();
    bold.setBold(true);
    item->setFont(bold);
    item->setBackground(palette().color(QPalette::Highlight).lighter(160));
    item->setToolTip(tr("Maximum luminance"));
    TableLuminance->scrollToItem(item, QAbstractItemView::PositionAtCenter);
}

} // namespace lumetra
