#include "SettingsFile.h"

#include "IniFile.h"
#include "SectionKeys.h"
#include "SettingsLocation.h"

#include <QCoreApplication>

namespace lumetra {

namespace {

const QString kViewer = QStringLiteral("Viewer");
const QString kRender = QStringLiteral("Render");
const QString kProperties = QStringLiteral("Properties");
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
}

SectionRead<IlluminanceSection> SettingsFile::ReadIlluminance() {
    return ReadSection<IlluminanceSection>(fileName_, kIlluminance,
                                           [](SectionReader& keys, IlluminanceSection& window) {
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
