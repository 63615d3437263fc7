#include "Eulumdat.h"
#include "EulumdatError.h"
#include "LineCursor.h"
#include "StoredPlanes.h"
#include "data/IesReader.h"
#include "data/Translatable.h"

namespace lumetra {

namespace {

// The record counts its angles in 16 bits.
constexpr std::size_t kMostAngles = 65535;

void ReadIdentification(LineCursor& cursor, EulumdatFile& file) {
    file.CompanyIdentification =
        cursor.Text(LUMETRA_TR_NOOP("EulumdatReader", "company identification"));
    cursor.Skip(1, LUMETRA_TR_NOOP("EulumdatReader", "type indicator Ityp"));
    file.Isym = static_cast<int>(
        cursor.WholeNumber(LUMETRA_TR_NOOP("EulumdatReader", "symmetry indicator Isym"), 0, 4));
    file.Mc = cursor.WholeNumber(LUMETRA_TR_NOOP("EulumdatReader", "number of C-planes Mc"), 1,
                                 kMostAngles);
    cursor.Skip(1, LUMETRA_TR_NOOP("EulumdatReader", "distance between C-planes Dc"));
    file.Ng = cursor.WholeNumber(
        LUMETRA_TR_NOOP("EulumdatReader", "number of intensities per C-plane Ng"), 1, kMostAngles);
    const std::size_t values = StoredPlaneCount(file.Isym, file.Mc) * file.Ng;
    if (values > kMaxCandelaValues)
        throw EulumdatError(cursor.line() - 1,
                            LUMETRA_MESSAGE("EulumdatReader",
                                            "the file declares %1 luminous intensities, more than "
                                            "the viewer supports (%2)")
                                .Arg(std::to_string(values))
                                .Arg(std::to_string(kMaxCandelaValues)));
    cursor.Skip(1, LUMETRA_TR_NOOP("EulumdatReader", "distance between intensities Dg"));
    file.MeasurementReportNumber =
        cursor.Text(LUMETRA_TR_NOOP("EulumdatReader", "measurement report number"));
    file.LuminaireName = cursor.Text(LUMETRA_TR_NOOP("EulumdatReader", "luminaire name"));
    file.LuminaireNumber = cursor.Text(LUMETRA_TR_NOOP("EulumdatReader", "luminaire number"));
    cursor.Skip(2, LUMETRA_TR_NOOP("EulumdatReader", "file name and date/user"));
}

// Sizes describe the luminaire for people; a line that is no number leaves its size absent.
void ReadSizes(LineCursor& cursor, EulumdatFile& file) {
    for (auto& size : file.LuminaireDimensions)
        size = cursor.OptionalNumber(LUMETRA_TR_NOOP("EulumdatReader", "luminaire dimensions"));
    file.LuminousAreaLength =
        cursor.OptionalNumber(LUMETRA_TR_NOOP("EulumdatReader", "length of the luminous area"));
    file.LuminousAreaWidth =
        cursor.OptionalNumber(LUMETRA_TR_NOOP("EulumdatReader", "width of the luminous area"));
    for (auto& height : file.LuminousAreaHeights)
        height =
            cursor.OptionalNumber(LUMETRA_TR_NOOP("EulumdatReader", "height of the luminous area"));
}

void ReadLampSets(LineCursor& cursor, EulumdatFile& file) {
    file.DownwardFluxFraction =
        cursor.OptionalNumber(LUMETRA_TR_NOOP("EulumdatReader", "downward flux fraction DFF"));
    file.LightOutputRatio =
        cursor.OptionalNumber(LUMETRA_TR_NOOP("EulumdatReader", "light output ratio LORL"));
    file.ConversionFactor =
        cursor.Number(LUMETRA_TR_NOOP("EulumdatReader", "conversion factor for intensities"));
    cursor.Skip(1, LUMETRA_TR_NOOP("EulumdatReader", "tilt of the luminaire"));
    const std::size_t sets = cursor.WholeNumber(
        LUMETRA_TR_NOOP("EulumdatReader", "number of lamp sets n"), 1, kMostAngles);
    for (std::size_t i = 0; i < sets; ++i) {
        EulumdatLampSet set;
        set.NumberOfLamps = cursor.Number(LUMETRA_TR_NOOP("EulumdatReader", "number of lamps"));
        set.LampType = cursor.Text(LUMETRA_TR_NOOP("EulumdatReader", "lamp type"));
        set.TotalFlux =
            cursor.Number(LUMETRA_TR_NOOP("EulumdatReader", "total luminous flux of the lamps"));
        set.ColourTemperature = cursor.Text(
            LUMETRA_TR_NOOP("EulumdatReader", "colour temperature and colour rendering"));
        set.ColourRendering = cursor.Text(
            LUMETRA_TR_NOOP("EulumdatReader", "colour temperature and colour rendering"));
        set.Wattage = cursor.Number(LUMETRA_TR_NOOP("EulumdatReader", "wattage"));
        file.LampSets.push_back(std::move(set));
    }
    for (auto& ratio : file.DirectRatios)
        ratio = cursor.OptionalNumber(LUMETRA_TR_NOOP("EulumdatReader", "direct ratios"));
}

void ReadList(LineCursor& cursor, tArrEx& list, std::size_t count, const char* what,
              const char* plural) {
    cursor.RequireLines(count, Message("EulumdatReader", plural));
    list.resize(count);
    for (auto& value : list)
        value = cursor.Number(what);
}

void ReadIntensities(LineCursor& cursor, EulumdatFile& file) {
    const std::size_t planes = StoredPlaneCount(file.Isym, file.Mc);
    cursor.RequireLines(planes * file.Ng,
                        LUMETRA_MESSAGE("EulumdatReader",
                                        "luminous intensities that symmetry %1 needs (%2 planes "
                                        "of %3)")
                            .Arg(std::to_string(file.Isym))
                            .Arg(std::to_string(planes))
                            .Arg(std::to_string(file.Ng)));
    file.FirstIntensityLine = cursor.line();
    file.Intensities.resize(planes);
    for (auto& plane : file.Intensities)
        ReadList(cursor, plane, file.Ng, LUMETRA_TR_NOOP("EulumdatReader", "luminous intensity"),
                 LUMETRA_TR_NOOP("EulumdatReader", "luminous intensities"));
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
    ReadList(cursor, file.CAngles, file.Mc, LUMETRA_TR_NOOP("EulumdatReader", "C-angle"),
             LUMETRA_TR_NOOP("EulumdatReader", "C-angles"));
    ReadList(cursor, file.GammaAngles, file.Ng, LUMETRA_TR_NOOP("EulumdatReader", "gamma angle"),
             LUMETRA_TR_NOOP("EulumdatReader", "gamma angles"));
    ReadIntensities(cursor, file);
    return file; // what follows the last stored intensity is not read
}

} // namespace lumetra
