#include "Properties.h"

#include "ComplianceTab.h"
#include "GuardedConnect.h"
#include "IntensityTableModel.h"
#include "KeepOnScreen.h"
#include "LineNumberedText.h"
#include "SavePhotometryDialog.h"
#include "TableCopy.h"
#include "WindowSettings.h"
#include "data/Errors.h"
#include "properties/IntensityTable.h"
#include "surface/FileNameText.h"
#include "viewer/ViewerModel.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QSaveFile>
#include <QSignalBlocker>
#include <QTabBar>
#include <QUrl>
#include <QVBoxLayout>

namespace lumetra {

PropertiesWindow::PropertiesWindow(const ViewerModel& viewer, WindowSettings* settings,
                                   QWidget* parent)
    : QWidget(parent, Qt::Window), viewer_(viewer), settings_(settings),
      intensities_(new IntensityTableModel(this)) {
    setWindowTitle(tr("Properties"));
    resize(560, 520);
    BuildTabs();
    ConnectHandlers();
    ShowStatus();
}

// A window still open at shutdown keeps its place as a closed one does.
PropertiesWindow::~PropertiesWindow() {
    if (isVisible())
        Guarded(this, [this] { WriteSettings(); });
}

void PropertiesWindow::ConnectHandlers() {
    ConnectGuarded(ButtonCopy, &QPushButton::clicked, this, &PropertiesWindow::CopyIntensities);
    ConnectGuarded(ButtonSaveAs, &QPushButton::clicked, this, &PropertiesWindow::SaveIntensitiesAs);
    ConnectGuarded(ButtonSavePhotometry, &QPushButton::clicked, this, [this] {
        SavePhotometryAs(this, viewer_.SelectedFile(), viewer_.ParseError());
    });
    ConnectGuarded(ComboUnit, &QComboBox::currentIndexChanged, this, &PropertiesWindow::ChooseUnit);
    ConnectGuarded(TableKeywords, &QTableWidget::cellClicked, this,
                   &PropertiesWindow::KeywordClicked);
    InstallTableCopy(*TableSummary);
    ConnectGuarded(Tabs, &QTabWidget::currentChanged, this, [this](int index) {
        rules_.ChooseTab(index);
        FillShownTab();
    });
}

void PropertiesWindow::Open() {
    if (!placed_ && settings_) {
        placed_ = true; // once: a faulty section is reported once, not at every opening
        // A faulty value is reported and ends the reading; the window opens all the same.
        Guarded(this, [this] { ApplySettings(settings_->ReadProperties()); });
    }
    ShowOnScreen(*this);
    raise();
    activateWindow();
    if (rules_.OpenRefreshes())
        Refresh();
}

void PropertiesWindow::FileLoaded(const QString& fileName) {
    Follow(fileName, false);
}

void PropertiesWindow::FileLoadFailed(const QString& fileName) {
    Follow(fileName, true);
}

void PropertiesWindow::HeaderEncodingChanged() {
    Follow(fileName_, rules_.Failed());
}

// The name is kept as the file system gives it, so a later refresh reads the same file even
// when the main window's selection has moved on.
void PropertiesWindow::Follow(const QString& fileName, bool failed) {
    fileName_ = fileName;
    if (rules_.Follow(viewer_.SelectedFile(), failed, isVisible()))
        Refresh();
}

// Only the tab on show is filled now; the others when they are shown. The file's text comes
// from a pool thread.
void PropertiesWindow::Refresh() {
    ShowStatus();
    ChooseShownUnit();
    RequestText();
    {
        // Shown, not chosen: the user's choice stays for the next good load.
        const QSignalBlocker shownNotChosen(Tabs);
        Tabs->setCurrentIndex(rules_.Refreshed(Tabs->indexOf(TextFile)));
    }
    FillShownTab();
}

void PropertiesWindow::FillShownTab() {
    QWidget* shown = Tabs->currentWidget();
    if (shown == TextFile) {
        ShowText();
        return;
    }
    if (!rules_.TakeOutdated(Tabs->currentIndex()))
        return;
    if (shown == TableSummary)
        ShowSummary();
    else if (shown == TableKeywords)
        ShowKeywords();
    else if (shown == TabCompliance)
        ShowCompliance();
    else if (shown == TableIntensities->parentWidget())
        ShowIntensities();
}

void PropertiesWindow::CopyIntensities() {
    const std::string separator = DecimalSeparator();
    QGuiApplication::clipboard()->setText(QString::fromStdString(
        properties::TabSeparatedText(viewer_.Record(), separator, ShownFactor())));
}

void PropertiesWindow::SaveIntensitiesAs() {
    const QFileInfo file(fileName_);
    const QString target = QFileDialog::getSaveFileName(
        this, tr("Save Intensities As"), file.dir().filePath(file.completeBaseName() + ".csv"),
        "CSV table (*.csv)");
    if (!target.isEmpty())
        SaveIntensities(target);
}

void PropertiesWindow::SaveIntensities(const QString& fileName) {
    QSaveFile file(fileName);
    const std::string text = properties::CsvText(viewer_.Record(), ShownFactor());
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(text.data(), static_cast<qint64>(text.size())) !=
            static_cast<qint64>(text.size()) ||
        !file.commit())
        throw LumetraError(
            LUMETRA_MESSAGE("Settings", "Unable to write to %1").Arg(fileName.toStdString()));
}

void PropertiesWindow::KeywordClicked(int row, int column) {
    const QTableWidgetItem* item = TableKeywords->item(row, column);
    const QString url = item ? item->data(Qt::UserRole).toString() : QString();
    if (!url.isEmpty())
        QDesktopServices::openUrl(QUrl(url));
}

QString PropertiesWindow::OpenTab() const {
    return Tabs->tabBar()->tabData(rules_.ChosenTab()).toString();
}

void PropertiesWindow::SetOpenTab(const QString& key) {
    for (int i = 0; i < Tabs->count(); ++i)
        if (Tabs->tabBar()->tabData(i).toString().compare(key, Qt::CaseInsensitive) == 0)
            Tabs->setCurrentIndex(i);
}

void PropertiesWindow::closeEvent(QCloseEvent* event) {
    Guarded(this, [this] { WriteSettings(); });
    event->accept();
}

void PropertiesWindow::WriteSettings() {
    if (settings_)
        settings_->WriteProperties(SettingsToStore());
}

} // namespace lumetra
