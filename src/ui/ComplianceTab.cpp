#include "ComplianceTab.h"

#include "ZoneDiagram.h"
#include "compliance/ComplianceText.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

namespace lumetra {

namespace {

using namespace compliance;

constexpr int kFrontChoices[] = {0, 90, 180, 270};

QString Text(const std::string& text) {
    return QString::fromStdString(text);
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

TComplianceTab::TComplianceTab(QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(BuildBugBox(), 1);
    layout->addWidget(BuildLuminanceBox(), 1);
    connect(ComboFront, &QComboBox::currentIndexChanged, this, [this] { Recompute(); });
}

QWidget* TComplianceTab::BuildBugBox() {
    auto* box = new QGroupBox(tr("BUG rating (IES TM-15-11, Addendum A)"));
    LabelRating = new QLabel(box);
    QFont large = LabelRating->font();
    large.setPointSizeF(large.pointSizeF() * 2.2);
    large.setBold(true);
    LabelRating->setFont(large);
    LabelRating->setTextInteractionFlags(Qt::TextSelectableByMouse);
    LabelConvention = new QLabel(box);
    LabelConvention->setWordWrap(true);
    ComboFront = new QComboBox(box);
    ComboFront->addItem(tr("Street side by the file's format (IES C0, EULUMDAT C90)"));
    for (const int front : kFrontChoices)
        ComboFront->addItem(tr("Street side centred on C%1").arg(front));
    auto* frontLabel = new QLabel(tr("&Front:"), box);
    frontLabel->setBuddy(ComboFront);
    LabelNote = new QLabel(box);
    LabelNote->setWordWrap(true);
    TableZones = ReadOnlyTable(static_cast<int>(kBugZoneCount), 2);
    TableZones->setHorizontalHeaderLabels({tr("Zone"), tr("Lumens (lm)")});
    TableZones->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    Diagram = new TZoneDiagram(box);
    auto* front = new QHBoxLayout;
    front->addWidget(frontLabel);
    front->addWidget(ComboFront, 1);
    auto* zones = new QHBoxLayout;
    zones->addWidget(TableZones, 3);
    zones->addWidget(Diagram, 2);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(LabelRating);
    layout->addWidget(LabelConvention);
    layout->addLayout(front);
    layout->addWidget(LabelNote);
    layout->addLayout(zones, 1);
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
            ? tr("Note: %1.").arg(Text(Message(ComplianceMessage::UplightIncomplete)))
            : QString());
    LabelNote->setVisible(!LabelNote->text().isEmpty());
    ShowZones(f);
}

void TComplianceTab::ShowZones(const BugFigures* f) {
    for (std::size_t z = 0; z < kBugZoneCount; ++z) {
        const int row = static_cast<int>(z);
        TableZones->setItem(
            row, 0,
            Cell(QString("%1 (%2)").arg(kBugZoneNames[z], ZoneDescription(BugZone(z))),
                 Qt::AlignLeft));
        TableZones->setItem(row, 1, Cell(f ? Text(PlainNumber(f->Zones[z])) : QString()));
    }
    Diagram->SetZones(f ? std::optional<ZoneFlux>(f->Zones) : std::nullopt);
}

void TComplianceTab::ShowLuminance(const LuminanceTable& table) {
    QString opening = table.Available ? Text(ShapeName(table.Shape.Shape)) : QString();
    if (table.Available)
        for (const auto& [name, value] : DimensionsOf(table.Shape))
            opening += QString(", %1 %2").arg(name, Text(NumberText(value, "m")));
    if (!table.Reason.empty())
        opening += (opening.isEmpty() ? "" : "\n") + Text(table.Reason);
    LabelOpening->setText(opening.isEmpty() ? QString() : tr("Luminous opening: %1").arg(opening));
    for (std::size_t p = 0; p < kLuminancePlanes.size(); ++p)
        for (std::size_t g = 0; g < kLuminanceGammas.size(); ++g) {
            const auto& value = table.Values[p][g];
            auto* item = Cell(value ? Text(PlainNumber(*value)) : tr("n/a"));
            const bool isMax = table.MaxAt && table.MaxAt->Plane == p && table.MaxAt->Gamma == g;
            if (isMax) {
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
                item->setBackground(palette().color(QPalette::Highlight).lighter(160));
                item->setToolTip(tr("Maximum luminance"));
            }
            TableLuminance->setItem(static_cast<int>(p), static_cast<int>(g), item);
        }
}

} // namespace lumetra
