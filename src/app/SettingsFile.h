#pragma once
// ies.ini beside the executable: the main window's placement, folder and toggles in the section
// "Viewer", the render window's place and controls in the section "Render", the properties
// window's place and tab in the section "Properties", the catalogue window's place, sort and
// column widths in the section "Catalogue", the illuminance window's place and inputs in the
// section "Illuminance".

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

    // Each operation reads the file afresh and reads or writes its keys one at a time, in a
    // fixed order; the first error ends it, leaving the keys after it unread or as they were.
    SectionRead<ViewerSection> ReadViewer() override;
    void WriteViewer(const ViewerSection& section) override;
    SectionRead<RenderSection> ReadRender() override;
    void WriteRender(const RenderSection& section) override;
    SectionRead<PropertiesSection> ReadProperties() override;
    void WriteProperties(const PropertiesSection& section) override;
    SectionRead<CatalogueSection> ReadCatalogue() override;
    void WriteCatalogue(const CatalogueSection& section) override;
    SectionRead<IlluminanceSection> ReadIlluminance() override;
    void WriteIlluminance(const IlluminanceSection& section) override;
    // Faulty or missing keys read as empty: the language follows the locale then.
    LanguageSection ReadLanguage() override;
    void WriteLanguage(const LanguageSection& section) override;

  private:
    QString fileName_;
};

} // namespace lumetra
