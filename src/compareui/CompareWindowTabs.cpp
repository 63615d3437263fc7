// What the Compare window's tabs show of the comparison.

#include "CompareCurves.h"
#include "CompareIntensityModel.h"
#include "CompareWindow.h"
#include "DiagramView.h"
#include "compare/ComparisonText.h"
#include "surface/LocaleNumbers.h"
#include "surface/QPainterSurface.h"
#include "translate/Translations.h"

#include <QCoreApplication>
#include <QHeaderView>

namespace lumetra::compare {

namespace {

const QColor kBeyondColour(255, 200, 200);

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

QTableWidgetItem* Cell(const std::string& text, bool beyond) {
    auto* item = new QTableWidgetItem(Text(text));
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (beyond) {
        item->setBackground(kBeyondColour);
        QFont font = item->font();
        font.setBold(true);
        item->setFont(font);
        item->setToolTip(QCoreApplication::translate("Compare", "Beyond the tolerance"));
    }
    return item;
}

bool TypeC(const Comparison& comparison) {
    return comparison.Summaries.empty() || summary::IsTypeC(comparison.Summaries.front().Type);
}

} // namespace

void TCompareWindow::FillPlanes() {
    const int kept = ComboPlane->currentIndex();
    ComboPlane->clear();
    if (loaded_.files.empty())
        return;
    for (const diagrams::PlaneChoice& plane : PlaneChoices(loaded_.files.front()))
        ComboPlane->addItem(Text(PlaneChoiceLabel(loaded_.files.front(), plane)),
                            QVariant::fromValue(QPointF(plane.angle, plane.across ? 1 : 0)));
    ComboPlane->setCurrentIndex(kept >= 0 && kept < ComboPlane->count() ? kept : 0);
}

void TCompareWindow::ShowFileList() {
    QString html;
    for (qsizetype i = 0; i < loaded_.names.size(); ++i) {
        const QColor colour =
            QPainterSurface::ToQColor(diagrams::SeriesColor(static_cast<std::size_t>(i)));
        const bool pinned = selection_.IsPinned(loaded_.paths[static_cast<std::size_t>(i)]);
        html += QString("<span style='color:%1'>&#9632;</span> %2 %3%4<br>")
                    .arg(colour.name())
                    .arg(i + 1)
                    .arg(loaded_.names[i].toHtmlEscaped())
                    .arg(pinned ? tr(" (pinned)") : QString());
    }
    for (const QString& error : loaded_.errors)
        html += "<span style='color:#b00000'>" + error.toHtmlEscaped() + "</span><br>";
    if (loaded_.files.size() < 2)
        html += tr("Pin a file with <i>Compare with Selected</i> in the file list, then select "
                   "another file to compare it with the pinned one.");
    LabelFiles->setText(html);
}

void TCompareWindow::ShowCurves() {
    CompareDrawing drawing;
    drawing.unit = Unit();
    drawing.typeC = TypeC(comparison_);
    if (ComboPlane->currentIndex() >= 0) {
        const QPointF choice = ComboPlane->currentData().toPointF();
        const diagrams::PlaneChoice plane{choice.x(), choice.y() != 0};
        std::vector<std::string> names;
        for (const QString& name : loaded_.names)
            names.push_back(name.toStdString());
        drawing.series = CompareSeries(loaded_.files, names, plane, drawing.unit);
        drawing.caption = ComboPlane->currentText().toStdString();
    }
    Polar->Show(drawing);
    Cartesian->Show(drawing);
}

void TCompareWindow::ShowFigures() {
    const std::size_t files = loaded_.files.size();
    QStringList headers;
    for (qsizetype i = 0; i < loaded_.names.size(); ++i)
        headers << QString::number(i + 1);
    for (std::size_t i = 1; i < files; ++i)
        headers << tr("%1 \u2212 1").arg(i + 1);
    TableFigures->clear();
    TableFigures->setColumnCount(static_cast<int>(headers.size()));
    TableFigures->setHorizontalHeaderLabels(headers);
    TableFigures->setRowCount(static_cast<int>(comparison_.Figures.size()));
    QStringList captions;
    for (std::size_t r = 0; r < comparison_.Figures.size(); ++r) {
        const FigureTextRow text =
            FigureTextOf(comparison_.Figures[r], Worded(LocaleNumberFormat()));
        captions << Text(text.Caption);
        int column = 0;
        for (const std::string& value : text.Values)
            TableFigures->setItem(static_cast<int>(r), column++, Cell(value, false));
        for (std::size_t d = 0; d < text.Differences.size(); ++d)
            TableFigures->setItem(static_cast<int>(r), column++,
                                  Cell(text.Differences[d], text.Beyond[d]));
    }
    TableFigures->setVerticalHeaderLabels(captions);
    TableFigures->resizeColumnsToContents();
}

void TCompareWindow::ShowIntensities() {
    const int kept = std::max(ComboFile->currentIndex(), 0);
    ComboFile->clear();
    for (qsizetype i = 1; i < loaded_.names.size(); ++i)
        ComboFile->addItem(QString("%1: %2").arg(i + 1).arg(loaded_.names[i]));
    ComboFile->setCurrentIndex(std::min(kept, ComboFile->count() - 1));
    const auto file = static_cast<std::size_t>(ComboFile->currentIndex() + 1);
    const bool shown = ComboFile->currentIndex() >= 0 && intensities_ && intensities_->Comparable();
    intensityModel_->Show(shown ? intensities_ : nullptr, file, Unit(), TypeC(comparison_));
    if (!shown || file >= comparison_.Largest.size() || !comparison_.Largest[file]) {
        LabelLargest->setText(loaded_.files.size() < 2
                                  ? QString()
                                  : Text(NotComparedText(Unit(), Worded(LocaleNumberFormat()))));
        return;
    }
    LabelLargest->setText(
        tr("Largest difference, %1: %2")
            .arg(Text(ComparedWhereText(comparison_.SharedGrid, comparison_.Thinned,
                                        Worded(LocaleNumberFormat()))))
            .arg(Text(LargestText(*comparison_.Largest[file], Unit(), TypeC(comparison_),
                                  Worded(LocaleNumberFormat())))));
}

} // namespace lumetra::compare
