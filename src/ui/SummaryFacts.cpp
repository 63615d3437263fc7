#include "SummaryFacts.h"

#include "data/FileReading.h"
#include "data/Loading.h"
#include "eulumdat/Eulumdat.h"
#include "eulumdat/PhotometryFile.h"
#include "eulumdat/ReadingVerdict.h"
#include "properties/EulumdatFacts.h"
#include "properties/SummaryRows.h"
#include "surface/LocaleNumbers.h"
#include "translate/Translations.h"
#include "viewer/ViewerModel.h"

#include <exception>

namespace lumetra {

namespace {

// The facts only an EULUMDAT file holds; none when it no longer reads.
void AddEulumdatFacts(const std::string& fileBytes, const properties::NumberFormat& format,
                      std::vector<properties::CaptionedValue>& rows) {
    try {
        const EulumdatFile file = ReadEulumdat(ReadFileLines(fileBytes, "EULUMDAT"));
        for (auto& row : properties::EulumdatFactRows(file, format))
            rows.push_back(std::move(row));
    } catch (const std::exception&) {
        // changed on disk since it was loaded: the figures above are still those of the load
    }
}

} // namespace

ReadingVerdict LoadedVerdict(const ViewerModel& viewer, const std::string& fileBytes) {
    if (!viewer.ParseError())
        return {};
    FileReader reader;
    const bool read = reader.Read(fileBytes) == FileRead::Whole;
    return JudgeReading(fileBytes, true, viewer.LoadMessage(),
                        read ? reader.bytes() : std::string_view());
}

std::vector<properties::CaptionedValue> SummaryTabRows(const ViewerModel& viewer,
                                                       const std::string& fileBytes) {
    properties::NumberFormat format = LocaleNumberFormat();
    format.wording = TranslatedUtf8;
    const TextLines header = viewer.ReadableHeader();
    const ReadingVerdict verdict = LoadedVerdict(viewer, fileBytes);
    auto rows = properties::SummaryRows(fileBytes, viewer.Record(), viewer.Facts(), header, verdict,
                                        format);
    if (verdict.complete && IsEulumdatFileName(fileBytes))
        AddEulumdatFacts(fileBytes, format, rows);
    return rows;
}

} // namespace lumetra
