#pragma once
// What the windows keep between runs, as plain values, and where they keep it. The main window
// reads its section while it is created and writes it when it closes; the render window reads
// its section while it is created and writes it when it is destroyed; the properties, catalogue
// and illuminance windows read their sections when they first open and write them when they
// close. The store (the settings file in src/app) knows no window, and the windows know no file.
// Errors are thrown with the text the user sees.

#include "data/Errors.h"
#include "illuminance/IlluminanceModel.h"
#include "render/RenderBars.h"

#include <QSize>
#include <QString>
#include <optional>
#include <string>
#include <vector>

namespace lumetra {

// The windows' designed sizes, which they have until the settings say otherwise.
inline constexpr QSize kMainWindowSize{720, 401};
inline constexpr QSize kRenderWindowSize{358, 377};

// The main window: the section "Viewer". The members' starting values are the defaults of keys
// that are missing.
struct ViewerSection {
    QString folder; // "LastFileName": the folder tree's folder; empty keeps the start folder
    int width = kMainWindowSize.width();
    int height = kMainWindowSize.height();
    std::optional<int> left; // none: the window is centred at the size just applied
    std::optional<int> top;
    bool autoUpdate = true; // "Auto"
    bool ortho = true;
    bool fit = true;
    int state = 0; // 1 minimised, 2 maximised, anything else normal
};

// The render window: the section "Render".
struct RenderSection {
    std::optional<int> left; // none: centred
    std::optional<int> top;
    int brightness = kBrightnessBar.initial;
    int zoom = kZoomBar.initial;
    bool radiosity = false; // "Radiocity", as earlier versions spelled it
};

// The properties window: the section "Properties".
struct PropertiesSection {
    std::optional<int> width; // none: the size it has
    std::optional<int> height;
    std::optional<int> left; // none: centred
    std::optional<int> top;
    QString tab; // the open tab's caption; empty or unknown keeps the open one
};

// The Catalogue window: the section "Catalogue". Its members' starting values are the window's
// defaults, here and nowhere else.
struct CatalogueSection {
    std::optional<int> width; // none: the designed size
    std::optional<int> height;
    std::optional<int> left; // none: where the window system puts it
    std::optional<int> top;
    bool subfolders = false;
    int sortColumn = -1; // -1: the files' order; else a column's number, File being 0
    bool descending = false;
    // Pixels, column by column; a column without one (or with 0) is fitted to its header and its
    // first rows once they are read.
    std::vector<int> columnWidths;
    // The columns' numbers from left to right as the user arranged them; empty, or anything that
    // is not an arrangement of every column, keeps the designed order.
    std::vector<int> columnOrder;
};

// The illuminance window: the section "Illuminance". Its fields start at the model's defaults
// (illuminance::IlluminanceInputs), so a missing key keeps the default the window shows anyway.
struct IlluminanceSection {
    std::optional<int> width; // none: the size it has
    std::optional<int> height;
    std::optional<int> left; // none: centred
    std::optional<int> top;
    illuminance::IlluminanceInputs inputs;
};

// The language and units the program speaks: the keys "Language" and "Units" of the section
// "Viewer". Empty or "auto" follows the locale; they take effect when the program starts.
struct LanguageSection {
    QString language; // "en", "de", "fr", "es", "zh_CN"
    QString units;    // "metric" or "imperial"
};

// A section as read: its values, and how many of its keys, in the order a window applies them,
// were read before a faulty one ended the reading, with that key's error.
template <typename Section> struct SectionRead {
    Section values;
    int keysRead = 0;
    std::string error; // empty when every key was read
};

// Counts off the keys a reading got through, in the section's order.
class KeysRead {
  public:
    explicit KeysRead(int count) : left_(count) {}
    // Whether the next key was read.
    bool Next() { return left_-- > 0; }

  private:
    int left_;
};

// Throws the reading's error, if it had one: called after the keys it read were applied.
template <typename Section> void ThrowReadError(const SectionRead<Section>& read) {
    if (!read.error.empty())
        throw LumetraError(read.error);
}

class WindowSettings {
  public:
    virtual ~WindowSettings() = default;
    virtual SectionRead<ViewerSection> ReadViewer() = 0;
    virtual void WriteViewer(const ViewerSection& section) = 0;
    virtual SectionRead<RenderSection> ReadRender() = 0;
    virtual void WriteRender(const RenderSection& section) = 0;
    virtual SectionRead<PropertiesSection> ReadProperties() { return {}; }
    virtual void WriteProperties(const PropertiesSection& /*section*/) {}
    virtual SectionRead<CatalogueSection> ReadCatalogue() { return {}; }
    virtual void WriteCatalogue(const CatalogueSection& /*section*/) {}
    virtual SectionRead<IlluminanceSection> ReadIlluminance() { return {}; }
    virtual void WriteIlluminance(const IlluminanceSection& /*section*/) {}
    virtual LanguageSection ReadLanguage() { return {}; }
    virtual void WriteLanguage(const LanguageSection& /*section*/) {}
    // The section "Encodings": the header encodings chosen per file, most recent first, each
    // "ENCODING /path/of/the/file" (EncodingChoices' entries).
    virtual std::vector<std::string> ReadEncodings() { return {}; }
    virtual void WriteEncodings(const std::vector<std::string>& /*entries*/) {}
};

} // namespace lumetra
