#include "FileTextReading.h"

#include "data/Loading.h"
#include "data/TextEncoding.h"
#include "eulumdat/PhotometryFile.h"
#include "properties/FileText.h"

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
        return {"The file's text cannot be shown: " + QString::fromStdString(ToUtf8(error.what())),
                false};
    }
}

QFuture<FileTextAnswer> ReadFileTextInBackground(std::string fileBytes) {
    return QtConcurrent::run(
        [fileBytes = std::move(fileBytes)] { return ReadFileText(fileBytes); });
}

} // namespace lumetra
