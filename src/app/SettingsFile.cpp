#include "SettingsFile.h"

#include "IniFile.h"
#include "SectionKeys.h"
#include "SettingsLocation.h"
#include "language/LanguageChoice.h"
#include "viewer/EncodingChoices.h"

#include <QCoreApplication>
#include <algorithm>

namespace lumetra {

namespace {

const QString kViewer = QStringLiteral("Viewer");
const QString kRender = QStringLiteral("Render");
const QString kProperties = QStringLiteral("Properties");
const QString kEncodings = QStringLiteral("Encodings");
const QString kCatalogue = QStringLiteral("Catalogue");
const QString kIlluminance = QStringLiteral("Illuminance");
const QString kImperial = QStringLiteral("imperial");
const QString kMetric = QStringLiteral("metric");

illuminance::UnitSystem UnitsNamed(const QString& name) {
    if (name.compare(kImperial, Qt::CaseInsensitive) == 0)
        return illuminance::UnitSystem::Imperial;
    if (name.compare(kMetric, Qt::CaseInsensitive) == 0)
        return illuminance::UnitSystem::Metric;
    throw LumetraError(FormatMessage("'%s' is not metric or imperial", name.toStdString()));
}

void ReadInputs(SectionReader& keys, illuminance::IlluminanceInputs& inputs) {
    const bool imperial = inputs.Units == illuminance::UnitSystem::Imperial;
    inputs.Units = UnitsNamed(keys.Text("Units", imperial ? kImperial : kMetric));
    inputs.Height = keys.Decimal("MountingHeight", inputs.Height);
    inputs.Size = keys.Decimal("AreaSize", inputs.Size);
    inputs.Step = keys.Decimal("GridStep", inputs.Step);
    inputs.Wall = keys.Flag("Wall", inputs.Wall);
    inputs.WallDistance = keys.Decimal("WallDistance", inputs.WallDistance);
}

// Reads a section's keys in the order fill asks for them; a faulty value ends the reading with
// its error, and the keys before it stay read.
template <typename Section, typename Fill>
SectionRead<Section> ReadSection(const QString& fileName, const QString& name, Fill fill) {
    const IniFile file(fileName);
    SectionReader reader(file, name);
    SectionRead<Section> read;
    try {
        fill(reader, read.values);
    } catch (const LumetraError& error) {
        read.error = error.what();
    }
    read.keysRead = reader.KeysRead();
    return read;
}

} // namespace

SettingsFile::SettingsFile() : SettingsFile(DefaultFileName()) {}

SettingsFile::SettingsFile(QString fileName) : fileName_(std::move(fileName)) {}

QString SettingsFile::DefaultFileName() {
    return SettingsFileNameFor(QCoreApplication::applicationDirPath());
}

SectionRead<ViewerSection> SettingsFile::ReadViewer() {
    return ReadSection<ViewerSection>(fileName_, kViewer,
                                      [](SectionReader& keys, ViewerSection& viewer) {
                                          viewer.folder = keys.Text("LastFileName", viewer.folder);
                                          viewer.width = keys.Integer("Width", viewer.width);
                                          viewer.height = keys.Integer("Height", viewer.height);
                                          viewer.left = keys.OptionalInteger("Left");
                                          viewer.top = keys.OptionalInteger("Top");
                                          viewer.autoUpdate = keys.Flag("Auto", viewer.autoUpdate);
                                          viewer.ortho = keys.Flag("Ortho", viewer.ortho);
                                          viewer.fit = keys.Flag("Fit", viewer.fit);
                                          viewer.state = keys.Integer("State", viewer.state);
                                      });
}

void SettingsFile::WriteViewer(const ViewerSection& viewer) {
    IniFile file(fileName_);
    SectionWriter keys(file, kViewer);
    keys.Integer("State", viewer.state);
    keys.Text("LastFileName", viewer.folder);
    keys.Integer("Width", viewer.width);
    keys.Integer("Height", viewer.height);
    keys.Integer("Left", viewer.left.value_or(0));
    keys.Integer("Top", viewer.top.value_or(0));
    keys.Flag("Fit", viewer.fit);
    keys.Flag("Auto", viewer.autoUpdate);
    keys.Flag("Ortho", viewer.ortho);
}

LanguageSection SettingsFile::ReadLanguage() {
    return ReadSection<LanguageSection>(fileName_, kViewer,
                                        [](SectionReader& keys, LanguageSection& language) {
                                            language.language = keys.Text("Language", {});
                                            language.units = keys.Text("Units", {});
                                        })
        .values;
}

void SettingsFile::WriteLanguage(const LanguageSection& language) {
    IniFile file(fileName_);
    SectionWriter keys(file, kViewer);
    keys.Text("Language", language.language);
    keys.Text("Units", language.units);
}

// "Count" entries "File1", "File2", ...; a faulty count reads as none.
std::vector<std::string> SettingsFile::ReadEncodings() {
    std::vector<std::string> entries;
    const IniFile file(fileName_);
    SectionReader keys(file, kEncodings);
    int count = 0;
    try {
        count =
            std::clamp(keys.Integer("Count", 0), 0, static_cast<int>(EncodingChoices::kMostFiles));
    } catch (const LumetraError&) {
        return entries;
    }
    for (int i = 1; i <= count; ++i)
        entries.push_back(keys.Text("File" + QString::number(i), {}).toStdString());
    return entries;
}

// Written only when the choices changed, so a run that chose none leaves the file as it was.
// Entries beyond the count that an earlier, longer list left are not read again.
void SettingsFile::WriteEncodings(const std::vector<std::string>& entries) {
    if (entries == ReadEncodings())
        return;
    IniFile file(fileName_);
    SectionWriter keys(file, kEncodings);
    keys.Integer("Count", static_cast<int>(entries.size()));
    for (std::size_t i = 0; i < entries.size(); ++i)
        keys.Text("File" + QString::number(i + 1), QString::fromStdString(entries[i]));
}

SectionRead<RenderSection> SettingsFile::ReadRender() {
    return ReadSection<RenderSection>(
        fileName_, kRender, [](SectionReader& keys, RenderSection& render) {
            render.left = keys.OptionalInteger("Left");
            render.top = keys.OptionalInteger("Top");
            render.brightness = keys.Integer("Brightness", render.brightness);
            render.zoom = keys.Integer("Zoom", render.zoom);
            render.radiosity = keys.Flag("Radiocity", render.radiosity);
        });
}

void SettingsFile::WriteRender(const RenderSection& render) {
    IniFile file(fileName_);
    SectionWriter keys(file, kRender);
    keys.Integer("Left", render.left.value_or(0));
    keys.Integer("Top", render.top.value_or(0));
    keys.Integer("Brightness", render.brightness);
    keys.Integer("Zoom", render.zoom);
    keys.Flag("Radiocity", render.radiosity);
}

SectionRead<PropertiesSection> SettingsFile::ReadProperties() {
    return ReadSection<PropertiesSection>(fileName_, kProperties,
                                          [](SectionReader& keys, PropertiesSection& window) {
                                              window.width = keys.OptionalInteger("Width");
                                              window.height = keys.OptionalInteger("Height");
                                              window.left = keys.OptionalInteger("Left");
                                              window.top = keys.OptionalInteger("Top");
                                              window.tab = keys.Text("Tab", window.tab);
                                          });
}

void SettingsFile::WriteProperties(const PropertiesSection& window) {
    IniFile file(fileName_);
    SectionWriter keys(file, kProperties);
    keys.Integer("Left", window.left.value_or(0));
    keys.Integer("Top", window.top.value_or(0));
    keys.Integer("Width", window.width.value_or(0));
    keys.Integer("Height", window.height.value_or(0));
    keys.Text("Tab", window.tab);
}

SectionRead<CatalogueSection> SettingsFile::ReadCatalogue() {
    return ReadSection<CatalogueSection>(
        fileName_, kCatalogue, [](SectionReader& keys, CatalogueSection& window) {
            window.width = keys.OptionalInteger("Width");
            window.height = keys.OptionalInteger("Height");
            window.left = keys.OptionalInteger("Left");
            window.top = keys.OptionalInteger("Top");
            window.subfolders = keys.Flag("Subfolders", window.subfolders);
            window.sortColumn = keys.Integer("SortColumn", window.sortColumn);
            window.descending = keys.Flag("SortDescending", window.descending);
            window.columnWidths = keys.IntegerList("ColumnWidths");
            window.columnOrder = keys.IntegerList("ColumnOrder");
        });
}

void SettingsFile::WriteCatalogue(const CatalogueSection& window) {
    IniFile file(fileName_);
    SectionWriter keys(file, kCatalogue);
    keys.Integer("Left", window.left.value_or(0));
    keys.Integer("Top", window.top.value_or(0));
    keys.Integer("Width", window.width.value_or(0));
    keys.Integer("Height", window.height.value_or(0));
    keys.Flag("Subfolders", window.subfolders);
    keys.Integer("SortColumn", window.sortColumn);
    keys.Flag("SortDescending", window.descending);
    keys.IntegerList("ColumnWidths", window.columnWidths);
    keys.IntegerList("ColumnOrder", window.columnOrder);
}

SectionRead<IlluminanceSection> SettingsFile::ReadIlluminance() {
    // Units the window has not kept yet follow the program's choice (the locale or "Units").
    const UnitSystem units =
        ChooseUnitSystem(LocaleEnvironment::OfProcess(), ReadLanguage().units.toStdString());
    return ReadSection<IlluminanceSection>(
        fileName_, kIlluminance, [units](SectionReader& keys, IlluminanceSection& window) {
            window.inputs.Units = units;
            window.width = keys.OptionalInteger("Width");
            window.height = keys.OptionalInteger("Height");
            window.left = keys.OptionalInteger("Left");
            window.top = keys.OptionalInteger("Top");
            ReadInputs(keys, window.inputs);
        });
}

void SettingsFile::WriteIlluminance(const IlluminanceSection& window) {
    IniFile file(fileName_);
    SectionWriter keys(file, kIlluminance);
    keys.Integer("Left", window.left.value_or(0));
    keys.Integer("Top", window.top.value_or(0));
    keys.Integer("Width", window.width.value_or(0));
    keys.Integer("Height", window.height.value_or(0));
    const illuminance::IlluminanceInputs& inputs = window.inputs;
    keys.Text("Units", inputs.Units == illuminance::UnitSystem::Imperial ? kImperial : kMetric);
    keys.Decimal("MountingHeight", inputs.Height);
    keys.Decimal("AreaSize", inputs.Size);
    keys.Decimal("GridStep", inputs.Step);
    keys.Flag("Wall", inputs.Wall);
    keys.Decimal("WallDistance", inputs.WallDistance);
}

} // namespace lumetra
