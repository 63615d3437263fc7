// The Properties window's tabs: how each is built and filled from the loaded file.

#include "ComplianceTab.h"
#include "EncodingMenu.h"
#include "IntensityTableModel.h"
#include "LineNumberedText.h"
#include "Properties.h"
#include "RowHeightFit.h"
#include "SummaryFacts.h"
#include "data/ReadableText.h"
#include "data/TextEncoding.h"
#include "properties/IntensityTable.h"
#include "properties/KeywordTable.h"
#include "properties/ReportedLine.h"
#include "properties/SummaryRows.h"
#include "surface/FileNameText.h"
#include "translate/Translations.h"
#include "viewer/ViewerModel.h"

#include <QFileInfo>
#include <QFutureWatcher>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLocale>
#include <QTabBar>
#include <QVBoxLayout>
#include <algorithm>

namespace lumetra {

namespace {

QString Text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

QTableWidget* TwoColumnTable(const QString& first, const QString& second) {
    auto* table = new QTableWidget(0, 2);
    table->setHorizontalHeaderLabels({first, second});
    table->verticalHeader()->hide();
    // Rows as high as their text: a continued keyword wraps onto several lines.
    new RowHeightFit(*table);
    table->horizontalHeader()->setStretchLastSection(true);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setWordWrap(true);
    return table;
}

// A header value can be megabytes long; laying that out in a cell would freeze the window, so a
// cell shows its start only. The Text tab has the whole line.
QString CellText(const QString& text) {
    constexpr int kShownLength = 1000;
    return text.size() > kShownLength ? text.left(kShownLength) + QChar(0x2026) : text;
}

// The rows of a table just filled, measured at once so they never show at another height.
void FitRows(QTableWidget& table) {
    if (auto* fit = table.findChild<RowHeightFit*>(QString(), Qt::FindDirectChildrenOnly))
        fit->Fit();
}

void AddRow(QTableWidget& table, const QString& first, const QString& second) {
    const int row = table.rowCount();
    table.insertRow(row);
    table.setItem(row, 0, new QTableWidgetItem(CellText(first)));
    table.setItem(row, 1, new QTableWidgetItem(CellText(second)));
}

// A reader's message on one line: its carriage returns become blanks.
QString OneLine(QString message) {
    return message.replace('\r', ' ').simplified();
}

// The settings keep the open tab by its key, the English caption that older settings files hold
// too, so that the shown caption can follow the language.
void AddTab(QTabWidget& tabs, QWidget* page, const char* key, const QString& caption) {
    const int index = tabs.addTab(page, caption);
    tabs.tabBar()->setTabData(index, QString::fromLatin1(key));
}

} // namespace

void PropertiesWindow::BuildTabs() {
    LabelFile = new QLabel(this);
    LabelFile->setWordWrap(true);
    LabelFile->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Tabs = new QTabWidget(this);
    TableSummary = TwoColumnTable(tr("Property"), tr("Value"));
    TableKeywords = TwoColumnTable(tr("Keyword"), tr("Value"));
    TextFile = new LineNumberedText;
    AddTab(*Tabs, TableSummary, "Summary", tr("Summary"));
    AddTab(*Tabs, TableKeywords, "Keywords", tr("Keywords"));
    AddTab(*Tabs, BuildIntensityTab(), "Intensities", tr("Intensities"));
    TabCompliance = new TComplianceTab;
    AddTab(*Tabs, TabCompliance, "Compliance", tr("Compliance"));
    AddTab(*Tabs, TextFile, "Text", tr("Text"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(BuildFileRow());
    layout->addWidget(Tabs);
}

QLayout* PropertiesWindow::BuildFileRow() {
    MenuEncoding = new EncodingMenu(
        [this](const std::string& encoding) {
            emit encodingChosen(QString::fromStdString(encoding));
        },
        this);
    ButtonEncoding = new QToolButton(this);
    ButtonEncoding->setText(tr("Text Encoding"));
    ButtonEncoding->setMenu(MenuEncoding);
    ButtonEncoding->setPopupMode(QToolButton::InstantPopup);
    connect(MenuEncoding, &QMenu::aboutToShow, this, [this] {
        MenuEncoding->ShowChoice(viewer_.HeaderEncoding(), viewer_.GuessedEncoding());
    });
    auto* row = new QHBoxLayout;
    row->addWidget(LabelFile, 1);
    row->addWidget(ButtonEncoding, 0, Qt::AlignTop);
    return row;
}

QWidget* PropertiesWindow::BuildIntensityTab() {
    auto* tab = new QWidget;
    LabelMultiplier = new QLabel(tab);
    TableIntensities = new QTableView(tab);
    TableIntensities->setModel(intensities_);
    TableIntensities->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    ComboUnit = new QComboBox(tab);
    ComboUnit->setToolTip(tr("The unit of the values shown, copied and saved"));
    ComboUnit->setAccessibleName(tr("Unit"));
    ButtonCopy = new QPushButton(tr("Copy"), tab);
    ButtonSaveAs = new QPushButton(tr("Save As..."), tab);
    ButtonSavePhotometry = new QPushButton(tr("Save Photometry As..."), tab);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(LabelMultiplier, 1);
    buttons->addWidget(ComboUnit);
    buttons->addWidget(ButtonCopy);
    buttons->addWidget(ButtonSaveAs);
    buttons->addWidget(ButtonSavePhotometry);
    auto* layout = new QVBoxLayout(tab);
    layout->addLayout(buttons);
    layout->addWidget(TableIntensities);
    return tab;
}

void PropertiesWindow::ShowStatus() {
    if (fileName_.isEmpty()) {
        LabelFile->setText(tr("No file loaded."));
        return;
    }
    QString status = QFileInfo(fileName_).fileName();
    const Message& message = viewer_.LoadMessage();
    const QString line = OneLine(TranslatedMessage(message));
    if (rules_.Failed())
        status += "\n" + tr("Could not be read: %1").arg(line);
    else if (!message.empty())
        status += "\n" + tr("The reader reported: %1").arg(line);
    LabelFile->setText(status);
    LabelFile->setToolTip(fileName_);
}

void PropertiesWindow::ShowSummary() {
    TableSummary->setRowCount(0);
    if (rules_.Failed())
        return;
    for (const auto& [caption, value] : SummaryTabRows(viewer_, rules_.FileBytes()))
        AddRow(*TableSummary, Text(caption), Text(value));
    TableSummary->resizeColumnToContents(0);
    FitRows(*TableSummary);
}

void PropertiesWindow::ShowKeywords() {
    TableKeywords->setRowCount(0);
    if (rules_.Failed())
        return;
    const auto rows = properties::KeywordTable(viewer_.ReadableHeader());
    for (const properties::KeywordRow& row : rows) {
        AddRow(*TableKeywords, Text(row.keyword), Text(row.value));
        if (row.url.empty())
            continue;
        QTableWidgetItem* value = TableKeywords->item(TableKeywords->rowCount() - 1, 1);
        value->setData(Qt::UserRole, Text(row.url));
        value->setForeground(palette().color(QPalette::Link));
        value->setToolTip(tr("Click to open %1").arg(Text(row.url)));
        QFont font = value->font();
        font.setUnderline(true);
        value->setFont(font);
    }
    TableKeywords->resizeColumnToContents(0);
    FitRows(*TableKeywords);
}

// The unit is the user's last choice when the file offers it, else the first the file offers.
void PropertiesWindow::ChooseShownUnit() {
    units_ = properties::TableUnits(viewer_.Facts());
    const auto chosen =
        chosenUnit_ ? std::find(units_.begin(), units_.end(), *chosenUnit_) : units_.end();
    unit_ = chosen != units_.end() ? *chosen : units_.front();
}

void PropertiesWindow::ShowIntensities() {
    const bool shown = !rules_.Failed() && !viewer_.Record().Candela.empty();
    {
        const QSignalBlocker fillingIsNoChoice(ComboUnit);
        ComboUnit->clear();
        for (const properties::TableUnit unit : units_)
            ComboUnit->addItem(properties::TableUnitName(unit));
        ComboUnit->setCurrentIndex(
            static_cast<int>(std::find(units_.begin(), units_.end(), unit_) - units_.begin()));
    }
    ComboUnit->setVisible(shown && unit_ != properties::TableUnit::AsStored);
    intensities_->Show(shown ? &viewer_.Record() : nullptr,
                       QString::fromStdString(DecimalSeparator()), ShownFactor());
    LabelMultiplier->setText(shown ? Text(properties::TableNote(viewer_.Record(), viewer_.Facts(),
                                                                unit_, DecimalSeparator()))
                                   : tr("No intensities."));
    ButtonCopy->setEnabled(shown);
    ButtonSaveAs->setEnabled(shown);
    if (const auto max = intensities_->MaxCell())
        TableIntensities->scrollTo(
            intensities_->index(static_cast<int>(max->row), static_cast<int>(max->column)));
}

void PropertiesWindow::ChooseUnit(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= units_.size())
        return;
    chosenUnit_ = units_[static_cast<std::size_t>(index)];
    ChooseShownUnit();
    ShowIntensities();
}

long double PropertiesWindow::ShownFactor() const {
    return properties::TableFactor(viewer_.Facts(), unit_);
}

void PropertiesWindow::ShowCompliance() {
    const bool shown = !rules_.Failed() && !viewer_.Record().Candela.empty();
    TabCompliance->Show(shown ? &viewer_.Record() : nullptr, &viewer_.Facts());
}

// The file is read afresh, on a pool thread: the IES reader keeps only the numbers of what it
// read. An answer for a file the window no longer follows is dropped.
void PropertiesWindow::RequestText() {
    const std::uint64_t request = rules_.TextRequested();
    text_.reset();
    textShown_ = false;
    const auto line = properties::ReportedLine(viewer_.LoadMessage().English());
    textLine_ = line ? static_cast<int>(*line) : 0;
    auto* watch = new QFutureWatcher<FileTextAnswer>(this);
    connect(watch, &QFutureWatcherBase::finished, this, [this, watch, request] {
        watch->deleteLater();
        if (rules_.TextAnswerTaken(request))
            TextArrived(watch->result());
    });
    watch->setFuture(ReadFileTextInBackground(rules_.FileBytes()));
}

void PropertiesWindow::TextArrived(FileTextAnswer answer) {
    if (answer.shortened)
        LabelFile->setText(LabelFile->text() + "\n" + tr("The Text tab shows the file shortened."));
    text_ = std::move(answer);
    if (Tabs->currentWidget() == TextFile)
        ShowText();
}

// Until the text arrives the tab shows none, never the text of the file shown before.
void PropertiesWindow::ShowText() {
    if (textShown_)
        return;
    if (!text_) {
        if (!TextFile->document()->isEmpty())
            TextFile->clear();
        TextFile->MarkLine(0);
        return;
    }
    TextFile->setPlainText(text_->text);
    TextFile->MarkLine(textLine_);
    textShown_ = true;
}

} // namespace lumetra
