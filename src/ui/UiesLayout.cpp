// The main window's controls, placed as designed.

#include "Glyphs.h"
#include "Uies.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace lumetra {

namespace {

QFrame* Panel(QWidget* parent) {
    auto* panel = new QFrame(parent);
    panel->setFrameShape(QFrame::NoFrame);
    return panel;
}

// Rows of one fixed height, as the folder and file lists are designed.
class FixedRowHeight : public QStyledItemDelegate {
  public:
    FixedRowHeight(int height, QObject* parent) : QStyledItemDelegate(parent), height_(height) {}
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), height_};
    }

  private:
    int height_;
};

QToolButton* ToggleButton(QWidget* parent, const QIcon& glyph, const QString& hint, int left) {
    auto* button = new QToolButton(parent);
    button->setCheckable(true);
    button->setAutoRaise(true);
    button->setIcon(glyph);
    button->setIconSize(QSize(18, 18));
    button->setToolTip(hint);
    button->setFocusPolicy(Qt::NoFocus);
    button->setGeometry(left, 83, 20, 20);
    return button;
}

} // namespace

void TMainWindow::BuildControls() {
    PanelAll = Panel(this);
    PanelAll->setFixedWidth(409);
    PanelImage = Panel(this);
    auto* columns = new QHBoxLayout(this);
    columns->setContentsMargins(0, 0, 0, 0);
    columns->setSpacing(0);
    columns->addWidget(PanelAll);
    columns->addWidget(PanelImage, 1);

    BuildTopPanel();
    BuildBrowserPanel();
    auto* rows = new QVBoxLayout(PanelAll);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(0);
    rows->addWidget(PanelTop);
    rows->addWidget(PanelDirFileDrive, 1);

    PaintBox1 = new TPaintBox(PanelImage);
    PaintBox1->setGeometry(24, 24, 193, 153);
    PanelImage->installEventFilter(this);
    qApp->installEventFilter(this); // sees every wheel message before its target does
}

void TMainWindow::BuildTopPanel() {
    PanelTop = Panel(PanelAll);
    PanelTop->setFixedHeight(104);
    Label1 = new QLabel(PanelTop);
    Label1->move(8, 5);
    Label1->setTextFormat(Qt::PlainText);
    ProgressBarRender = new QProgressBar(PanelTop);
    ProgressBarRender->setGeometry(4, 85, 253, 16);
    ProgressBarRender->setRange(0, 300);
    ProgressBarRender->setTextVisible(false);
    ProgressBarRender->hide();
    Label3 = new QLabel(PanelTop);
    Label3->move(118, 86);
    ButtonRender = new QPushButton("&Render", PanelTop);
    ButtonRender->setGeometry(260, 83, 75, 20);
    SpeedButtonUpdate = ToggleButton(PanelTop, AutoUpdateGlyph(), "Automatic update render", 340);
    SpeedButtonFit = ToggleButton(PanelTop, FitGlyph(), "Fit goniogram", 362);
    SpeedButtonOrtho = ToggleButton(PanelTop, OrthoGlyph(), "Show orthogonal diagram", 384);
}

void TMainWindow::BuildBrowserPanel() {
    PanelDirFileDrive = new QFrame(PanelAll);
    PanelDirFileDrive->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    PanelDirFileDrive->setLineWidth(2);

    PanelDriver = Panel(PanelDirFileDrive);
    PanelDriver->setFixedHeight(31);
    DriveComboBox1 = new TDriveComboBox(PanelDriver);
    DriveComboBox1->setGeometry(6, 4, 131, 19);
    PanelDegree = Panel(PanelDriver);
    PanelDegree->setFixedSize(261, 31);
    Label4 = new QLabel("Degree:", PanelDegree);
    Label4->move(24, 8);
    LabelAxial = new QLabel("axially symmetric", PanelDegree);
    LabelAxial->setGeometry(72, 8, 77, 13);
    LabelAxial->resize(LabelAxial->sizeHint().expandedTo(LabelAxial->size())); // a wider font
    auto* driverRow = new QHBoxLayout(PanelDriver);
    driverRow->setContentsMargins(0, 0, 0, 0);
    driverRow->addStretch(1);
    driverRow->addWidget(PanelDegree);

    Splitter1 = new QSplitter(Qt::Horizontal, PanelDirFileDrive);
    Splitter1->setHandleWidth(3);
    Splitter1->setChildrenCollapsible(false);
    DirectoryListBox1 = new TDirectoryListBox(Splitter1);
    DirectoryListBox1->setItemDelegate(new FixedRowHeight(16, DirectoryListBox1));
    FileListBox1 = new TFileListBox(Splitter1);
    FileListBox1->setItemDelegate(new FixedRowHeight(13, FileListBox1));
    Splitter1->setSizes({207, 195});
    Splitter1->setStretchFactor(1, 1);

    auto* browser = new QVBoxLayout(PanelDirFileDrive);
    browser->setContentsMargins(0, 0, 0, 0);
    browser->setSpacing(0);
    browser->addWidget(PanelDriver);
    browser->addWidget(Splitter1, 1);
}

} // namespace lumetra
