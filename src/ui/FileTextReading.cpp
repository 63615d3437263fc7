#include "FileTextReading.h"

#include "data/Loading.h"
#include "data/TextEncoding.h"
#include "eulumdat/PhotometryFile.h"
#include "properties/FileText.h"
#include "translate/Translations.h"

#include <QCoreApplication>
#include <QtConcurrent/QtConcurrentRun>
#include <exception>
#include <utility>

namespace lumetra {

FileTextAnswer ReadFileText(const std::string& fileBytes) {
    try {
        const properties::ShownText shown = properties::TextToShow(
            ReadFileLines(fileBytes, IsEulumdatFileName(fileBytes) ? "EULUMDAT" : "IES"));
        return {QString::fromStdString(shown.text), shown.shortened};
    } catch (const std::exception& error) {
        if (fileBytes.empty())
            return {};
        // Translating is safe on any thread; the text belongs to the Properties window.
        return {QCoreApplication::translate("lumetra::PropertiesWindow",
                                            "The file's text cannot be shown: %1")
                    .arg(TranslatedError(error)),
                false};
    }
}

QFuture<FileTextAnswer> ReadFileTextInBackground(std::string fileBytes) {
    return QtConcurrent::run(
        [fileBytes = std::move(fileBytes)] { return ReadFileText(fileBytes); });
}

} // namespace lumetra
