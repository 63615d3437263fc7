#include "Eulumdat.h"
#include "EulumdatError.h"
#include "LineCursor.h"
#include "StoredPlanes.h"
#include "data/IesReader.h"

namespace lumetra {

namespace {

// The record counts its angles in 16 bits.
constexpr std::size_t kMostAngles = 65535;

void ReadIdentification(LineCursor& cursor, EulumdatFile& file) {
    file.CompanyIdentification = cursor.Text("company identification");
    cursor.Skip(1, "type indicator Ityp");
    file.Isym = static_cast<int>(cursor.WholeNumber("symmetry indicator Isym", 0, 4));
    file.Mc = cursor.WholeNumber("number of C-planes Mc", 1, kMostAngles);
    cursor.Skip(1, "distance between C-planes Dc");
    file.Ng = cursor.WholeNumber("number of intensities per C-plane Ng", 1, kMostAngles);
    const std::size_t values = StoredPlaneCount(file.Isym, file.Mc) * file.Ng;
    if (values > kMaxCandelaValues)
        throw EulumdatError(cursor.line() - 1,
                            "the file declares " + std::to_string(values) +
                                " luminous intensities, more than the viewer supports (" +
                                std::to_string(kMaxCandelaValues) + ")");
    cursor.Skip(1, "distance between intensities Dg");
    file.MeasurementReportNumber = cursor.Text("measurement report number");
    file.LuminaireName = cursor.Text("luminaire name");
    file.LuminaireNumber = cursor.Text("luminaire number");
    cursor.Skip(2, "file name and date/user");
}

// Sizes describe the luminaire for people; a line that is no number leaves its size absent.
void ReadSizes(LineCursor& cursor, EulumdatFile& file) {
    for (auto& size : file.LuminaireDimensions)
        size = cursor.OptionalNumber("luminaire dimensions");
    file.LuminousAreaLength = cursor.OptionalNumber("length of the luminous area");
    file.LuminousAreaWidth = cursor.OptionalNumber("width of the luminous area");
    for (auto& height : file.LuminousAreaHeights)
        height = cursor.OptionalNumber("height of the luminous area");
}

void ReadLampSets(LineCursor& cursor, EulumdatFile& file) {
    file.DownwardFluxFraction = cursor.OptionalNumber("downward flux fraction DFF");
    file.LightOutputRatio = cursor.OptionalNumber("light output ratio LORL");
    file.ConversionFactor = cursor.Number("conversion factor for intensities");
    cursor.Skip(1, "tilt of the luminaire");
    const std::size_t sets = cursor.WholeNumber("number of lamp sets n", 1, kMostAngles);
    for (std::size_t i = 0; i < sets; ++i) {
        EulumdatLampSet set;
        set.NumberOfLamps = cursor.Number("number of lamps");
        set.LampType = cursor.Text("lamp type");
        set.TotalFlux = cursor.Number("total luminous flux of the lamps");
        set.ColourTemperature = cursor.Text("colour temperature and colour rendering");
        set.ColourRendering = cursor.Text("colour temperature and colour rendering");
        set.Wattage = cursor.Number("wattage");
        file.LampSets.push_back(std::move(set));
    }
    for (auto& ratio : file.DirectRatios)
        ratio = cursor.OptionalNumber("direct ratios");
}

void ReadList(LineCursor& cursor, tArrEx& list, std::size_t count, const char* what,
              const char* plural) {
    cursor.RequireLines(count, plural);
    list.resize(count);
    for (auto& value : list)
        value = cursor.Number(what);
}

void ReadIntensities(LineCursor& cursor, EulumdatFile& file) {
    const std::size_t planes = StoredPlaneCount(file.Isym, file.Mc);
    cursor.RequireLines(planes * file.Ng, "luminous intensities that symmetry " +
                                              std::to_string(file.Isym) + " needs (" +
                                              std::to_string(planes) + " planes of " +
                                              std::to_string(file.Ng) + ")");
    file.FirstIntensityLine = cursor.line();
    file.Intensities.resize(planes);
    for (auto& plane : file.Intensities)
        ReadList(cursor, plane, file.Ng, "luminous intensity", "luminous intensities");
}

void ReadHead(LineCursor& cursor, EulumdatFile& file) {
    ReadIdentification(cursor, file);
    ReadSizes(cursor, file);
    ReadLampSets(cursor, file);
}

} // namespace

EulumdatFile ReadEulumdatHead(const TextLines& lines) {
    LineCursor cursor(lines);
    EulumdatFile file;
    ReadHead(cursor, file);
    return file;
}

EulumdatFile ReadEulumdat(const TextLines& lines) {
    LineCursor cursor(lines);
    EulumdatFile file;
    ReadHead(cursor, file);
    ReadList(cursor, file.CAngles, file.Mc, "C-angle", "C-angles");
    ReadList(cursor, file.GammaAngles, file.Ng, "gamma angle", "gamma angles");
    ReadIntensities(cursor, file);
    return file; // what follows the last stored intensity is not read
}

} // namespace lumetra
