#include "CatalogueWindow.h"

#include "GuardedConnect.h"
#include "KeepOnScreen.h"
#include "catalogue/CatalogueExport.h"
#include "catalogue/CatalogueScan.h"
#include "catalogue/RangeFilter.h"
#include "surface/FileNameText.h"
#include "surface/LocaleNumbers.h"
#include "translate/Translations.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMessageBox>
#include <QSaveFile>
#include <QVBoxLayout>
#include <algorithm>

namespace lumetra {

namespace {

constexpr int kPollMilliseconds = 100; // rows join the table ten times a second while reading

} // namespace

CatalogueWindow::CatalogueWindow(WindowSettings* settings, QWidget* parent)
    : QWidget(parent, Qt::Window), model_(new CatalogueTableModel(this)), settings_(settings) {
    setWindowTitle(tr("Catalogue"));
    resize(1100, 600);
    BuildControls();
    ConnectControls();
}

// A window still open at shutdown keeps its settings as a closed one does.
CatalogueWindow::~CatalogueWindow() {
    if (isVisible())
        Guarded(this, [this] { WriteSettings(); });
}

void CatalogueWindow::BuildControls() {
    table_ = new QTableView(this);
    table_->setModel(model_);
    table_->setSortingEnabled(true);
    table_->sortByColumn(-1, Qt::AscendingOrder); // file order until a header is clicked
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->setVisible(false);
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    table_->horizontalHeader()->setSectionsMovable(true);
    table_->setAccessibleName(tr("Catalogue rows"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildFilterBar());
    layout->addWidget(table_, 1);
    layout->addWidget(BuildButtonBar());
}

QWidget* CatalogueWindow::BuildFilterBar() {
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    search_ = new QLineEdit(bar);
    search_->setPlaceholderText(tr("Search manufacturer, luminaire, lamp, file..."));
    search_->setClearButtonEnabled(true);
    search_->setAccessibleName(tr("Search"));
    ranges_ = new QLineEdit(bar);
    ranges_->setPlaceholderText(tr("Ranges, e.g. flux 2,500-3,500; beam < 30; efficacy > 120"));
    ranges_->setToolTip(tr("Columns: flux, lampflux, lor, watts, efficacy, cd, beam, beam0, "
                           "beam90, field, field0, field90, down.\nRanges: a-b, <a, <=a, >a, "
                           ">=a; separate several with \";\"."));
    ranges_->setClearButtonEnabled(true);
    ranges_->setAccessibleName(tr("Ranges"));
    rangeError_ = new QLabel(bar);
    rangeError_->setStyleSheet("color: #b00000");
    subfolders_ = new QCheckBox(tr("&Subfolders"), bar);
    row->addWidget(search_, 2);
    row->addWidget(ranges_, 3);
    row->addWidget(rangeError_);
    row->addWidget(subfolders_);
    return bar;
}

QWidget* CatalogueWindow::BuildButtonBar() {
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    progress_ = new QProgressBar(bar);
    progress_->setAccessibleName(tr("Files read"));
    counts_ = new QLabel(bar);
    auto* refresh = new QPushButton(tr("&Refresh"), bar);
    refresh->setToolTip(tr("Read the folder again (F5)"));
    connect(refresh, &QPushButton::clicked, this, &CatalogueWindow::Refresh);
    auto* copy = new QPushButton(tr("&Copy"), bar);
    connect(copy, &QPushButton::clicked, this, &CatalogueWindow::CopySelection);
    auto* save = new QPushButton(tr("Save &As..."), bar);
    connect(save, &QPushButton::clicked, this, &CatalogueWindow::SaveAs);
    compare_ = new QPushButton(tr("Co&mpare"), bar);
    compare_->setToolTip(tr("Compare the two selected files"));
    compare_->setEnabled(false);
    connect(compare_, &QPushButton::clicked, this, &CatalogueWindow::CompareSelected);
    row->addWidget(progress_, 1);
    row->addWidget(counts_, 1);
    for (QPushButton* button : {refresh, copy, save, compare_})
        row->addWidget(button);
    return bar;
}

void CatalogueWindow::ConnectControls() {
    auto* refresh = new QAction(this);
    refresh->setShortcut(QKeySequence(Qt::Key_F5));
    connect(refresh, &QAction::triggered, this, &CatalogueWindow::Refresh);
    auto* copy = new QAction(this);
    copy->setShortcut(QKeySequence::Copy);
    connect(copy, &QAction::triggered, this, &CatalogueWindow::CopySelection);
    addActions({refresh, copy});
    connect(search_, &QLineEdit::textChanged, this, [this](const QString& text) {
        model_->SetSearch(text);
        ShowCounts();
    });
    connect(ranges_, &QLineEdit::textChanged, this, &CatalogueWindow::ApplyRanges);
    connect(subfolders_, &QCheckBox::toggled, this, &CatalogueWindow::Refresh);
    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CatalogueWindow::SelectionChanged);
    connect(&poll_, &QTimer::timeout, this, &CatalogueWindow::TakeRows);
    poll_.setInterval(kPollMilliseconds);
}

void CatalogueWindow::Open(const QString& folder) {
    if (!placed_ && settings_) {
        placed_ = true; // once: a faulty section is reported once, not at every opening
        Guarded(this, [this] { ApplySettings(settings_->ReadCatalogue()); });
    }
    if (folder != folder_ || (model_->Model().RowCount() == 0 && Filled()))
        ShowFolder(folder);
    ShowOnScreen(*this);
    raise();
    activateWindow();
}

void CatalogueWindow::ShowFolder(const QString& folder) {
    folder_ = folder;
    setWindowTitle(tr("Catalogue - %1").arg(QDir::toNativeSeparators(folder)));
    Refresh();
}

void CatalogueWindow::Refresh() {
    scan_.reset(); // stops a scan still running
    model_->Clear();
    if (folder_.isEmpty())
        return;
    auto files = catalogue::CatalogueFiles(FileNameBytes(folder_), subfolders_->isChecked(), false);
    if (encodingFor_) // asked here: the reading threads must not touch the viewer's choices
        for (catalogue::RowRequest& file : files)
            file.encoding = encodingFor_(file.path);
    progress_->setRange(0, static_cast<int>(files.size()));
    progress_->setValue(0);
    progress_->setVisible(true);
    scan_ = std::make_unique<catalogue::BackgroundScan>(std::move(files));
    poll_.start();
    ShowCounts();
}

void CatalogueWindow::TakeRows() {
    if (!scan_)
        return;
    const bool finished = scan_->Finished(); // before taking, so that no row is left behind
    model_->Append(scan_->TakeRows());
    if (!fitted_ && model_->rowCount() > 0)
        FitColumns();
    progress_->setValue(static_cast<int>(model_->Model().RowCount()));
    if (finished) {
        scan_.reset();
        poll_.stop();
        progress_->setVisible(false);
    }
    ShowCounts();
}

void CatalogueWindow::ShowCounts() {
    const auto read = static_cast<qulonglong>(model_->Model().RowCount());
    const auto shown = static_cast<qulonglong>(model_->rowCount());
    counts_->setText(scan_ ? tr("%1 of %2 files read, %3 shown")
                                 .arg(read)
                                 .arg(static_cast<qulonglong>(scan_->Total()))
                                 .arg(shown)
                           : tr("%1 files, %2 shown").arg(read).arg(shown));
}

void CatalogueWindow::ApplyRanges() {
    const catalogue::ParsedRanges parsed = catalogue::ParseRanges(ranges_->text().toStdString());
    rangeError_->setText(QString::fromStdString(parsed.error));
    if (!parsed.error.empty())
        return; // the last valid ranges stay until the text is whole again
    model_->SetRanges(parsed.ranges);
    ShowCounts();
}

std::vector<int> CatalogueWindow::SelectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : table_->selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

QString CatalogueWindow::FullName(int row) const {
    return QDir(folder_).filePath(FileNameText(model_->RowAt(row).file));
}

void CatalogueWindow::SelectionChanged() {
    const std::vector<int> rows = SelectedRows();
    compare_->setEnabled(rows.size() == 2);
    if (rows.size() == 1)
        emit fileChosen(FullName(rows.front()));
}

void CatalogueWindow::CompareSelected() {
    const std::vector<int> rows = SelectedRows();
    if (rows.size() == 2)
        emit compareWanted(FullName(rows[0]), FullName(rows[1]));
}

void CatalogueWindow::CopySelection() {
    std::vector<const catalogue::CatalogueRow*> rows;
    for (const int row : SelectedRows())
        rows.push_back(&model_->RowAt(row));
    if (!rows.empty())
        QApplication::clipboard()->setText(
            CatalogueText(catalogue::TsvText(rows, Worded(LocaleNumberFormat()))));
}

QString CatalogueWindow::WriteCsv(const QString& fileName) const {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    std::string text = catalogue::CsvHeader();
    for (int row = 0; row < model_->rowCount(); ++row)
        text += catalogue::CsvLine(model_->RowAt(row));
    file.write(text.data(), static_cast<qint64>(text.size()));
    return file.commit() ? QString() : file.errorString();
}

void CatalogueWindow::SaveAs() {
    const QString fileName = QFileDialog::getSaveFileName(
        this, tr("Save Catalogue As"), QDir(folder_).filePath("catalogue.csv"),
        tr("CSV files (*.csv)")); // the dialog asks before replacing a file
    if (fileName.isEmpty())
        return;
    const QString error = WriteCsv(fileName);
    if (!error.isEmpty())
        QMessageBox::warning(
            this, tr("Catalogue"),
            tr("Cannot write %1: %2").arg(QDir::toNativeSeparators(fileName), error));
}

void CatalogueWindow::closeEvent(QCloseEvent* event) {
    scan_.reset(); // no reading goes on behind a closed window
    poll_.stop();
    Guarded(this, [this] { WriteSettings(); });
    QWidget::closeEvent(event);
}

} // namespace lumetra
