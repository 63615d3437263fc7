#pragma once
// ies.ini beside the executable: the main window's placement, folder and toggles in the section
// "Viewer", the render window's place and controls in the section "Render", the properties
// window's place and tab in the section "Properties".

#include "ui/WindowSettings.h"

#include <QString>

namespace lumetra {

class SettingsFile : public WindowSettings {
  public:
    // The file "ies.ini" in the executable's folder.
    SettingsFile();
    explicit SettingsFile(QString fileName);

    static QString DefaultFileName();
    const QString& FileName() const { return fileName_; }

    // Each operation reads the file afresh and applies or writes its keys one at a time, in a
    // fixed order; the first error ends it, leaving the keys after it as they were.
    void ReadViewer(TMainWindow& window) override;
    void WriteViewer(TMainWindow& window) override;
    void ReadRender(TRenderWindow& window) override;
    void WriteRender(TRenderWindow& window) override;
    // The section "Properties": Left, Top, Width, Height and Tab (the open tab's caption).
    void ReadProperties(TPropertiesWindow& window) override;
    void WriteProperties(TPropertiesWindow& window) override;

  private:
    QString fileName_;
};

} // namespace lumetra
