#include "SettingsFile.h"

#include "IniFile.h"
#include "IntegerText.h"
#include "SettingsLocation.h"
#include "WindowBounds.h"
#include "ui/Uies.h"
#include "ui/UiesRender.h"

#include <QCoreApplication>
#include <QDir>

namespace lumetra {

namespace {

const QString kViewer = QStringLiteral("Viewer");
const QString kRender = QStringLiteral("Render");

// A flag is stored as 1 or 0; on reading, only its lowest 8 bits count.
bool FlagFromInteger(int value) {
    return (value & 0xFF) != 0;
}
QString FlagText(bool down) {
    return down ? QStringLiteral("1") : QStringLiteral("0");
}

int StateNumber(Qt::WindowStates state) {
    if (state & Qt::WindowMinimized)
        return 1;
    if (state & Qt::WindowMaximized)
        return 2;
    return 0;
}

// Reads the keys of one section as text, integers or flags.
class SectionReader {
  public:
    SectionReader(const IniFile& file, QString section)
        : file_(file), section_(std::move(section)) {}
    QString Text(const QString& key, const QString& defaultText) const {
        return file_.ReadString(section_, key, defaultText);
    }
    int Integer(const QString& key, int defaultValue) const {
        return IntegerFromText(Text(key, QString::number(defaultValue)));
    }
    bool Flag(const QString& key, bool defaultDown) const {
        return FlagFromInteger(Integer(key, defaultDown ? 1 : 0));
    }

  private:
    const IniFile& file_;
    QString section_;
};

// Writes one key of one section: integers in plain decimal, flags as 1 or 0.
class SectionWriter {
  public:
    SectionWriter(IniFile& file, QString section) : file_(file), section_(std::move(section)) {}
    void Text(const QString& key, const QString& text) { file_.WriteString(section_, key, text); }
    void Integer(const QString& key, int value) { Text(key, QString::number(value)); }
    void Flag(const QString& key, bool down) { Text(key, FlagText(down)); }

  private:
    IniFile& file_;
    QString section_;
};

void ApplyFolder(TMainWindow& window, const QString& folder) {
    if (!folder.isEmpty() && folder != window.DirectoryListBox1->Directory())
        window.DirectoryListBox1->SetDirectory(folder);
}

void ApplyWindowState(TMainWindow& window, int state) {
    if (state == 0)
        window.startState = Qt::WindowNoState;
    else if (state == 1)
        window.startState = Qt::WindowMinimized;
    else if (state == 2)
        window.startState = Qt::WindowMaximized;
}

} // namespace

SettingsFile::SettingsFile() : SettingsFile(DefaultFileName()) {}

SettingsFile::SettingsFile(QString fileName) : fileName_(std::move(fileName)) {}

QString SettingsFile::DefaultFileName() {
    return SettingsFileNameFor(QCoreApplication::applicationDirPath());
}

void SettingsFile::ReadViewer(TMainWindow& window) {
    const IniFile file(fileName_);
    const SectionReader viewer(file, kViewer);
    ApplyFolder(window, viewer.Text("LastFileName", QString()));
    SetWindowWidth(window, viewer.Integer("Width", 720));
    SetWindowHeight(window, viewer.Integer("Height", 401));
    // The default place centres the window at the size just applied.
    SetWindowLeft(window, viewer.Integer("Left", CentredStart(ScreenSize().width(),
                                                              OuterSize(window).width())));
    SetWindowTop(window, viewer.Integer("Top", CentredStart(ScreenSize().height(),
                                                            OuterSize(window).height())));
    window.SpeedButtonUpdate->setChecked(viewer.Flag("Auto", true));
    window.SpeedButtonOrtho->setChecked(viewer.Flag("Ortho", true));
    window.SpeedButtonFit->setChecked(viewer.Flag("Fit", true));
    ApplyWindowState(window, viewer.Integer("State", 0));
}

// The window keeps its state; a maximised or minimised window stores the bounds it has when
// restored, as Qt keeps them.
void SettingsFile::WriteViewer(TMainWindow& window) {
    IniFile file(fileName_);
    SectionWriter viewer(file, kViewer);
    viewer.Integer("State", StateNumber(window.windowState()));
    viewer.Text("LastFileName", window.DirectoryListBox1->Directory());
    const QRect bounds = NormalBounds(window);
    viewer.Integer("Width", bounds.width());
    viewer.Integer("Height", bounds.height());
    viewer.Integer("Left", bounds.x());
    viewer.Integer("Top", bounds.y());
    viewer.Flag("Fit", window.SpeedButtonFit->isChecked());
    viewer.Flag("Auto", window.SpeedButtonUpdate->isChecked());
    viewer.Flag("Ortho", window.SpeedButtonOrtho->isChecked());
}

void SettingsFile::ReadRender(TRenderWindow& window) {
    const IniFile file(fileName_);
    const SectionReader render(file, kRender);
    SetWindowLeft(window, render.Integer("Left", CentredStart(ScreenSize().width(),
                                                              OuterSize(window).width())));
    SetWindowTop(window, render.Integer("Top", CentredStart(ScreenSize().height(),
                                                            OuterSize(window).height())));
    // The bars keep their positions inside their ranges themselves.
    TrackBar2->setValue(render.Integer("Brightness", kBrightnessBar.initial));
    TrackBarZoom->setValue(render.Integer("Zoom", kZoomBar.initial));
    window.CheckBoxRadiosity->setChecked(render.Flag("Radiocity", false));
}

void SettingsFile::WriteRender(TRenderWindow& window) {
    IniFile file(fileName_);
    SectionWriter render(file, kRender);
    render.Integer("Left", window.geometry().x());
    render.Integer("Top", window.geometry().y());
    render.Integer("Brightness", TrackBar2->value());
    render.Integer("Zoom", TrackBarZoom->value());
    render.Flag("Radiocity", window.CheckBoxRadiosity->isChecked());
}

} // namespace lumetra
